#include "core/catalogue/GameRecord.h"

namespace catalogue {

Support supportOf(QStringView text) {
    if (text == u"Good")
        return Support::Good;
    if (text == u"Imperfect")
        return Support::Imperfect;
    if (text == u"Preliminary")
        return Support::Preliminary;
    return Support::Unknown;
}

void GameRecord::settle() {
    Data& data = *d;
    data.clone = data.fields[Origin].startsWith(QLatin1String("Clone of"));
    data.vertical = data.fields[Display].endsWith(u'V');
    data.vector = data.fields[VideoType] == u"Vector";
    data.driver = supportOf(data.fields[DriverStatus]);
    data.colour = supportOf(data.fields[ColorStatus]);
    data.sound = supportOf(data.fields[SoundStatus]);
    bool ok = false;
    const QString& year = data.fields[Year];
    const int value = year.size() == 4 ? year.toInt(&ok) : 0;
    data.year = ok && value > 0 ? quint16(value) : 0;
}

const std::array<QString, GameRecord::FieldCount>& columnHeadings() {
    static const std::array<QString, GameRecord::FieldCount> headings = {
        QStringLiteral("Game"),   QStringLiteral("Year"),         QStringLiteral("Status"), QStringLiteral("Color"),
        QStringLiteral("Sound"),  QStringLiteral("Manufacturer"), QStringLiteral("Type"),   QStringLiteral("Display"),
        QStringLiteral("Origin"), QStringLiteral("ROM"),
    };
    return headings;
}

} // namespace catalogue

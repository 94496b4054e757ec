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
    const QString& origin = fields[Origin];
    m_clone = origin.startsWith(QLatin1String("Clone of"));
    m_parent = m_clone ? origin.mid(9) : QString();
    m_vertical = fields[Display].endsWith(u'V');
    m_vector = fields[VideoType] == u"Vector";
    m_driver = supportOf(fields[DriverStatus]);
    m_colour = supportOf(fields[ColorStatus]);
    m_sound = supportOf(fields[SoundStatus]);
    bool ok = false;
    const int year = fields[Year].size() == 4 ? fields[Year].toInt(&ok) : 0;
    m_year = ok && year > 0 ? quint16(year) : 0;
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

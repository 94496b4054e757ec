#include "core/catalogue/GameRecord.h"

namespace catalogue {

const std::array<QString, GameRecord::FieldCount>& columnHeadings() {
    static const std::array<QString, GameRecord::FieldCount> headings = {
        QStringLiteral("Game"),   QStringLiteral("Year"),         QStringLiteral("Status"), QStringLiteral("Color"),
        QStringLiteral("Sound"),  QStringLiteral("Manufacturer"), QStringLiteral("Type"),   QStringLiteral("Display"),
        QStringLiteral("Origin"), QStringLiteral("ROM"),
    };
    return headings;
}

} // namespace catalogue

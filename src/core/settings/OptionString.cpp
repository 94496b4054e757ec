#include "core/settings/OptionString.h"

namespace settings {
namespace {

// The emulator's command line takes at most this many characters, and every game start
// spends 13 of them on "mame " and the ROM name.
constexpr qsizetype MaximumLength = 131;
constexpr qsizetype StartLength = 13;

// The fields whose token differs from the default, in command-line order: the settings every
// kind has, then the vector-only ones, each in field order.
QList<Field> changedFields(const SettingsRecord& record, SettingsKind kind) {
    QList<Field> fields;
    for (bool vectorPart : {false, true}) {
        if (vectorPart && kind == SettingsKind::Raster)
            break;
        for (int index = 0; index < FieldCount; ++index) {
            const Field field = Field(index);
            // Exact comparison: "-joy None" is the default, "-JOY NONE" from a hand-edited file is not.
            if (isVectorOnly(field) == vectorPart && record.token(field) != defaultToken(field))
                fields << field;
        }
    }
    return fields;
}

} // namespace

QStringList optionTokens(const SettingsRecord& record, SettingsKind kind) {
    QStringList options;
    for (Field field : changedFields(record, kind))
        options << record.token(field);
    return options;
}

QString buildOptionString(const SettingsRecord& record, SettingsKind kind) {
    QString options;
    for (const QString& token : optionTokens(record, kind))
        options += u' ' + token;
    return options;
}

QString collapseSpaces(QString text) {
    return text.replace(QStringLiteral("  "), QStringLiteral(" "));
}

std::optional<QString> lengthRuleMessage(const QString& options) {
    const qsizetype length = collapseSpaces(options).size() + StartLength;
    if (length <= MaximumLength)
        return std::nullopt;
    return QStringLiteral("The settings you selected form a command line %1 characters long.\r"
                          "The maximum length Marqueon allows is %2 characters to accomodate MS-DOS.\r"
                          "Please modify the settings and try again.")
        .arg(length)
        .arg(MaximumLength);
}

} // namespace settings

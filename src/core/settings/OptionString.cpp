#include "core/settings/OptionString.h"

#include <algorithm>

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

// One changed setting as today's emulator takes it; nothing where it has no equivalent.
QStringList todayArguments(Field field, const QString& token) {
    const QStringList words = token.toLower().split(u' ', Qt::SkipEmptyParts);
    const QString value = words.value(1);
    switch (field) {
    case Field::Resolution:
        if (words.value(0) == u"-auto" || words.isEmpty())
            return {};
        return {QStringLiteral("-resolution"), words.first().mid(1)};
    case Field::Gamma:
    case Field::Flicker:
    case Field::Volume:
    case Field::Rotate:
    case Field::Flip:
    case Field::NoRotate:
    case Field::Samples:
    case Field::Mouse:
    case Field::Cheat:
    case Field::Debug:
    case Field::AddParams:
        return words == QStringList{QStringLiteral("none")} ? QStringList() : words;
    case Field::SampleRate:
        return {QStringLiteral("-samplerate"), value};
    case Field::Beam:
        return {QStringLiteral("-beam_width_min"), value, QStringLiteral("-beam_width_max"), value};
    case Field::SoundCard:
        if (words == QStringList{QStringLiteral("-soundcard"), QStringLiteral("0")})
            return {QStringLiteral("-sound"), QStringLiteral("none")};
        return {};
    case Field::Controller:
        return value == u"none" ? QStringList() : QStringList{QStringLiteral("-joystick")};
    case Field::FrameSkip:
        if (value == u"auto")
            return {QStringLiteral("-autoframeskip")};
        // Today's emulator takes at most 10 and falls back to none for more.
        return {QStringLiteral("-frameskip"), QString::number(std::min(value.toInt(), 10))};
    case Field::Vsync:
    case Field::WaitVsync:
        return words == QStringList{QStringLiteral("-vsync")} || words == QStringList{QStringLiteral("-waitvsync")}
                   ? QStringList{QStringLiteral("-waitvsync")}
                   : QStringList();
    default:
        return {};
    }
}

} // namespace

QStringList optionTokens(const SettingsRecord& record, SettingsKind kind) {
    QStringList options;
    for (Field field : changedFields(record, kind))
        options << record.token(field);
    return options;
}

QStringList todayOptionArguments(const SettingsRecord& record, SettingsKind kind) {
    QStringList arguments;
    for (Field field : changedFields(record, kind)) {
        for (const QString& argument : todayArguments(field, record.token(field))) {
            // Vsync and Wait Vsync both ask for the one option today's emulator has.
            if (argument != u"-waitvsync" || !arguments.contains(argument))
                arguments << argument;
        }
    }
    return arguments;
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

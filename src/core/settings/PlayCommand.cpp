#include "core/settings/PlayCommand.h"

#include "core/settings/OptionString.h"

#include <QFile>

namespace settings {

PlayLine buildPlayCommandLine(const QString& settingsPath, const QString& romName, const QString& videoType,
                              SettingsRecord& record) {
    const SettingsKind kind = kindOf(videoType);
    QString source = settingsPath + customFileName(romName);
    if (!QFile::exists(source))
        source = settingsPath + defaultsFileName(kind);

    PlayLine line;
    QStringList options;
    if (QFile::exists(source)) {
        line.read = readSettingsFile(source, kind, record);
        switch (line.read.outcome) {
        case ReadResult::Outcome::Complete:
        case ReadResult::Outcome::EndedEarly:
            options = optionTokens(record, kind);
            break;
        case ReadResult::Outcome::Unreadable:
            // The record still holds some earlier game's settings: nothing is fit to run.
            return line;
        case ReadResult::Outcome::Missing:
            // There but unreadable to us: start with the emulator's defaults rather than a
            // stale record.
            break;
        }
    } else {
        line.read.outcome = ReadResult::Outcome::Missing;
    }
    QString commandLine = QStringLiteral("mame ") + romName;
    line.arguments << romName.toLower();
    for (const QString& token : options) {
        commandLine += u' ' + token;
        // A token may hold several words ("-gamma 1.20", typed parameters): one argument each.
        line.arguments << token.toLower().split(u' ', Qt::SkipEmptyParts);
    }
    line.commandLine = collapseSpaces(commandLine).toLower();
    return line;
}

} // namespace settings

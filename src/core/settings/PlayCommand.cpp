#include "core/settings/PlayCommand.h"

#include "core/settings/OptionString.h"

#include <QFile>

namespace settings {

PlayLine buildPlayCommandLine(const QString& settingsPath, const QString& romName, const QString& videoType,
                              SettingsRecord& record, const exec::Emulator& emulator) {
    const SettingsKind kind = kindOf(videoType);
    // Only a name the emulator uses names a file.
    QString source = exec::isPlainGameName(romName) ? settingsPath + customFileName(romName) : QString();
    if (source.isEmpty() || !QFile::exists(source))
        source = settingsPath + defaultsFileName(kind);

    PlayLine line;
    bool withOptions = false;
    if (QFile::exists(source)) {
        line.read = readSettingsFile(source, kind, record);
        switch (line.read.outcome) {
        case ReadResult::Outcome::Complete:
        case ReadResult::Outcome::EndedEarly:
            withOptions = true;
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
    const QStringList options = withOptions ? optionTokens(record, kind) : QStringList();
    // A token may hold several words ("-gamma 1.20", typed parameters): one argument each.
    line.arguments << romName.toLower() << emulator.optionArguments(options);
    if (!emulator.commandLineLimit()) {
        line.commandLine = QStringLiteral("mame ") + line.arguments.join(u' ');
        return line;
    }
    // The classic line as the user would type it, its length counted as the emulator counts it.
    QString commandLine = QStringLiteral("mame ") + romName;
    for (const QString& token : options)
        commandLine += u' ' + token;
    line.commandLine = collapseSpaces(commandLine).toLower();
    return line;
}

} // namespace settings

#include "settings/PlayCommand.h"

#include "settings/OptionString.h"

#include <QFile>

namespace settings {

PlayLine buildPlayCommandLine(const QString& settingsPath, const QString& romName, const QString& videoType,
                              SettingsRecord& record) {
    const SettingsKind kind = kindOf(videoType);
    QString source = settingsPath + customFileName(romName);
    if (!QFile::exists(source))
        source = settingsPath + defaultsFileName(kind);

    PlayLine line;
    QString options;
    if (QFile::exists(source)) {
        line.read = ReadSettingsFile(source, kind, record);
        switch (line.read.outcome) {
        case ReadResult::Outcome::Complete:
        case ReadResult::Outcome::EndedEarly:
            options = BuildOptionString(record, kind);
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
    line.commandLine = collapseSpaces(QStringLiteral("mame ") + romName + options).toLower();
    return line;
}

} // namespace settings

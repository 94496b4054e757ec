#pragma once

#include "core/exec/Emulator.h"
#include "core/settings/SettingsFile.h"

// The command line a game starts with: "mame " + ROM name + the options of its settings,
// spaces collapsed, all in lower case; for today's emulator the options in its spelling.
namespace settings {

struct PlayLine {
    QString commandLine;   // as shown to the user
    QStringList arguments; // what the emulator is given: the ROM name, then each option word
    ReadResult read;       // how the settings file read, when one was
};

// Settings source: the game's custom file when it exists (read as the game's kind), else the
// kind's defaults file when it exists, else no options. The file is read into the record,
// which keeps the values of fields a short file does not hold.
PlayLine buildPlayCommandLine(const QString& settingsPath, const QString& romName, const QString& videoType,
                              SettingsRecord& record, const exec::Emulator& emulator);

} // namespace settings

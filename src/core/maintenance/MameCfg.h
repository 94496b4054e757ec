#pragma once

#include "core/config/AppState.h"

// The directory section of the emulator's own configuration file, mame.cfg in the MAME
// directory, kept in step with Marqueon's directories.
namespace maintenance {

struct CfgDirectories {
    QString rompath;
    QString samples;
    QString snapshots;
};

// The emulator's rompath for a list choice: the Retro ROMs directory for Retro, the Neo-Geo
// one for Neo-Geo, both separated by ";" for all games (once when they are the same text).
// No list choice keeps the previous value.
QString romPathFor(config::ListChoice choice, const QString& romPath, const QString& neoRomPath,
                   const QString& previous);

// Writes the file whole: "[directory]" and the rompath, samplepath and snap lines. False when
// the file could not be written; a former file then stays as it was.
bool writeMameCfg(const QString& path, const CfgDirectories& directories);

// Replaces the rompath, samplepath and snap lines of an existing file (by their first seven
// characters, exactly), keeping every other line where it is; writes the file whole when
// it is missing. The file is replaced in one step, never left half-written or missing.
bool updateMameCfg(const QString& path, const CfgDirectories& directories);

// The file in the MAME directory.
QString mameCfgPath(const config::AppState& state);

// Marqueon's directories into the emulator's file, the rompath worked out anew for the list
// choice: the whole file written afresh, or the three lines merged into the user's file.
enum class CfgWrite { Replace, Merge };
bool writeDirectories(config::AppState& state, CfgWrite mode);

// The message for a file that could not be written.
QString cfgUnwritableMessage(const config::AppState& state);

} // namespace maintenance

#pragma once

#include <QString>

// The directory section of the emulator's own configuration file, mame.cfg in the MAME
// directory, kept in step with Marqueon's directories.
namespace maintenance {

struct Directories {
    QString rompath; // MAMERomPath
    QString samples;
    QString snapshots;
};

// The emulator's rompath for a list choice: the Retro ROMs directory for "Retro", the Neo-Geo
// one for "NeoOnly", both separated by ";" for "RetroP" (once when they are the same text).
// Any other choice keeps the previous value.
QString MAMERomPath(const QString& gameList, const QString& romPath, const QString& neoRomPath,
                    const QString& previous);

// Writes the file whole: "[directory]" and the rompath, samplepath and snap lines. False when
// the file could not be written; a former file then stays as it was.
bool WriteMameCfg(const QString& path, const Directories& directories);

// Replaces the rompath, samplepath and snap lines of an existing file (by their first seven
// characters, exactly), keeping every other line where it is; writes the file whole when
// it is missing. The file is replaced in one step, never left half-written or missing.
bool UpdateMameCfg(const QString& path, const Directories& directories);

} // namespace maintenance

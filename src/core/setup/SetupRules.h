#pragma once

#include "core/config/AppState.h"
#include "core/exec/EmulatorConfig.h"

#include <optional>

// The setup's rules: which folders it accepts, what it proposes, and what its OK writes.
namespace setup {

enum class DirectoryField { Mame, RetroRoms, NeoGeoRoms, Samples, Snapshots };

// What the setup dialog holds when OK is pressed.
struct SetupForm {
    config::Preferences preferences;
    config::Directories directories;
    bool retroRomsUsed = true;  // the list choice needs the Retro ROMs directory
    bool neoGeoRomsUsed = true; // and the Neo-Geo one
};

// Which ROM directories a list choice needs: Retro games the Retro one, Neo-Geo games the
// Neo-Geo one, all games both.
bool usesRetroRoms(config::ListChoice choice);
bool usesNeoGeoRoms(config::ListChoice choice);

// Marqueon's files are single-byte: a folder name they cannot hold would come back as another.
bool storable(const QString& path);
// The options file keeps a value of at most 254 characters.
constexpr qsizetype MaxDirectoryLength = 254;
// Why the options file cannot hold the directory text exactly; empty when it can.
QString unstorableReason(const QString& directory);
// The folder browser hands back a closing separator only for a root ("/", "C:\").
bool isRoot(const QString& browsedPath);
// Whether the directory holds the emulator.
bool holdsEmulator(const QString& mameDirectory);

QString browseTitle(DirectoryField field); // "Select your Retro ROMs directory..."
QString rootMessage(DirectoryField field); // "Retro ROMs cannot reside in the root!  ..."
QString missingEmulatorMessage();          // "Cannot find mame!" ("mame.exe" on Windows)
QString invalidSelectionMessage();         // "Invalid selection!  Please try again."

// The directory of the emulator found on the search path ("/usr/games/"), empty when none is.
QString emulatorOnPath();

// Today's emulator's configuration when the directory holds today's emulator (two quick runs:
// its banner, then -showconfig); nothing for the classic one.
std::optional<exec::EmulatorConfig> todayConfig(const QString& mameDirectory, exec::CommandRunner& runner);

// The directories proposed once the emulator's directory is chosen: its roms, neoroms,
// samples and snap folders, or where today's emulator looks by its configuration (the first
// existing folder of each path); a ROM directory the list choice does not use is left empty.
config::Directories proposeDirectories(const QString& mameDirectory, config::ListChoice choice,
                                       const std::optional<exec::EmulatorConfig>& today = std::nullopt);

// Why OK cannot take the form: the directory box to go back to, what to say, and whether the
// box is emptied.
struct Refusal {
    DirectoryField field;
    QString message;
    bool clear = false;
};
// Checks in order: an emulator in the MAME directory when one is given, then every directory
// the choice needs, MAME first. Directory texts must end with their separator already.
std::optional<Refusal> check(const SetupForm& form);

// Takes the form over: the directories merged into the emulator's mame.cfg (today's: the user's
// mame.ini), then the options file written. The state changes only when both are written;
// otherwise the refusal says why.
std::optional<Refusal> commit(config::AppState& state, const SetupForm& form, exec::CommandRunner& runner);

} // namespace setup

#pragma once

#include "core/catalogue/GameRecord.h"
#include "core/config/AppState.h"
#include "core/config/SavedView.h"
#include "core/exec/Emulator.h"

namespace settings {

// What the main window tells about the selected game beside the list.
struct GameDetails {
    QString description;
    QString romName;
    QString origin;      // "Clone" or "Original"
    QString orientation; // "V" or "H": the display text's last character
    QString settings;    // "Custom Settings", "Default Settings" or "Not Installed"
    bool canPlay = false;
    QString screenShot; // the picture to show: the game's, or with clone pictures on its parent's
};

// Whether Play starts the selected game from the list it is shown in, and if not, why: the one
// rule for both the Play command's availability and what it does.
enum class PlayVerdict {
    Play,
    NotInstalled, // the uninstalled list, or a game of the all-games list without its ROM set
    NoGame,
    UnusableName, // a name the emulator does not use (a catalogue someone edited)
};
PlayVerdict playVerdict(const catalogue::GameRecord* game, config::GameView list, const exec::Emulator& emulator);

// The details of a game in one of the lists. In the all-games list a game with settings of its
// own (custom) reads "Custom Settings", one whose archive is missing "Not Installed";
// whether it can be played is playVerdict()'s.
GameDetails describeGame(const catalogue::GameRecord& game, config::GameView list, const config::AppState& state,
                         const exec::Emulator& emulator, bool custom);
// The picture shown for a game: its own, or with clone pictures on its parent's.
QString screenShotOf(const catalogue::GameRecord& game, const config::AppState& state, const exec::Emulator& emulator);

} // namespace settings

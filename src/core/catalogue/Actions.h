#pragma once

#include "core/config/SavedView.h"

namespace catalogue {

// Everything the user can ask of the main window, by menu item, button or key.
enum class Action {
    Play,
    Audit,
    History,
    Exit,       // the File menu's item
    ExitButton, // the window's own button
    ViewAll,
    ViewInstalled,
    ViewUninstalled,
    ScreenShots,
    RasterDefaults,
    VectorDefaults,
    CustomSettings,
    Maintenance,
    Options,
    Refresh,
    EditConfig,
    VerifyRoms,
    VerifySamples,
    VerifySets,
    ViewRomsReport,
    ViewSamplesReport,
    ViewSetsReport,
    HelpFile,
    Readme,
    About,
    FullScreen,
    Favourite,        // the selected game's favourite mark, on and off
    ImportFavourites, // from the emulator's own favourites file
    ExportFavourites,
    // The kind of picture beside the list, in the order of their keys (Ctrl+1 ... Ctrl+7).
    PictureScreenShot,
    PictureTitle,
    PictureFlyer,
    PictureMarquee,
    PictureCabinet,
    PictureControlPanel,
    PictureBoard,
};
constexpr int ActionCount = int(Action::PictureBoard) + 1;

// What the window shows, as far as the actions depend on it.
struct WindowState {
    bool panelOpen = false; // a panel covers the game list
    bool busy = false;      // a command is running
    config::GameView shownList = config::GameView::All;
    int shownCount = 0;              // games the shown list shows (the search may hide some)
    bool selectedPlayable = false;   // the selected game can be played from the shown list
    bool emulatorFavourites = false; // the emulator keeps favourites of its own (today's)
};

// Nothing starts a second activity while a panel covers the list or a command runs; only the
// window's Exit button stays, so that a panel can always be left by closing the window. A
// game's commands need a game; Play and its custom settings need one that can be played. Full
// screen is only a way of showing the window, and always there. Favourites move to and from an
// emulator that keeps its own.
bool isAvailable(Action action, const WindowState& state);

} // namespace catalogue

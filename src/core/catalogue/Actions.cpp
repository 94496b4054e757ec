#include "core/catalogue/Actions.h"

namespace catalogue {

bool isAvailable(Action action, const WindowState& state) {
    if (state.busy)
        return false;
    if (action == Action::ExitButton || action == Action::FullScreen)
        return true;
    if (state.panelOpen)
        return false;
    const bool hasGame = state.shownCount > 0;
    switch (action) {
    case Action::Play:
    case Action::CustomSettings:
        return hasGame && state.shownList != config::GameView::Uninstalled && state.selectedPlayable;
    case Action::Audit:
    case Action::History:
    case Action::Favourite:
        return hasGame;
    case Action::ImportFavourites:
    case Action::ExportFavourites:
        return state.emulatorFavourites;
    default:
        return true;
    }
}

} // namespace catalogue

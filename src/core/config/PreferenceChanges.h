#pragma once

#include "core/config/AppState.h"

namespace config {

// What the options dialog's changes call for once it closes.
struct PreferenceChanges {
    bool refreshLists = false; // the lists depend on a changed directory or preference
    bool showScreenShot = false;
};

// The lists are rebuilt for a new MAME or ROM directory, another list choice, clone or mature
// game hiding, or another lists folder;
// the picture is shown again for another snapshot or artwork folder or clone-picture choice.
PreferenceChanges compare(const AppState& before, const AppState& after);

} // namespace config

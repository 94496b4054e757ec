#include "core/config/PreferenceChanges.h"

namespace config {

PreferenceChanges compare(const AppState& before, const AppState& after) {
    const Directories& was = before.directories;
    const Directories& is = after.directories;
    PreferenceChanges changes;
    changes.refreshLists = was.mame != is.mame || was.retroRoms != is.retroRoms || was.neoGeoRoms != is.neoGeoRoms ||
                           before.preferences.listChoice != after.preferences.listChoice ||
                           before.preferences.hideClones != after.preferences.hideClones ||
                           before.preferences.listsFolder != after.preferences.listsFolder ||
                           before.preferences.hideMature != after.preferences.hideMature;
    changes.showScreenShot = before.preferences.cloneShots != after.preferences.cloneShots ||
                             was.snapshots != is.snapshots ||
                             before.preferences.artworkFolder != after.preferences.artworkFolder;
    return changes;
}

} // namespace config

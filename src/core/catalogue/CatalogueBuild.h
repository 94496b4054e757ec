#pragma once

#include "core/catalogue/CatalogueInfo.h"
#include "core/catalogue/Extraction.h"
#include "core/exec/CommandRunner.h"

namespace config {
struct AppState;
}
namespace exec {
class Progress;
}

namespace catalogue {

// A catalogue build: the emulator's banner tells its interface, then its listing becomes the
// catalogue (nothing is extracted when the emulator could not be run in its directory at all).
// The catalogue and what is kept beside it are replaced only by a complete, good listing.
struct CatalogueBuild {
    exec::RunResult run; // the last run
    Extraction extraction;
    CatalogueInfo info; // as written beside the catalogue
};
// Today's listing comes from several emulator runs at once, shards of them (0: as many as this
// machine runs faster, defaultShards()).
CatalogueBuild buildCatalogue(exec::CommandRunner& runner, exec::Emulator& emulator, const config::AppState& state,
                              exec::Progress& progress, int shards = 0);

} // namespace catalogue

#pragma once

#include "core/catalogue/Extraction.h"

namespace exec {
class Progress;
}

namespace catalogue {

// Turns the listing into the catalogue, one quoted, comma-separated line per game. The
// catalogue is replaced as a whole, and only when the listing yielded at least one game (or
// when there was no catalogue yet): a failed extraction never empties a good catalogue.
Extraction createGameInfo(const QString& listingPath, const QString& cataloguePath, exec::Progress& progress);

} // namespace catalogue

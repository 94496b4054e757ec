#pragma once

#include "core/catalogue/CatalogueInfo.h"
#include "core/exec/CommandRunner.h"

#include <QString>

namespace config {
struct AppState;
}
namespace exec {
class Progress;
}

namespace catalogue {

// How a catalogue extraction ended.
struct Extraction {
    enum class Outcome {
        Written,           // the catalogue holds the listed games
        ListingUnreadable, // the listing could not be opened; the catalogue was left as it was
        NoGames,           // the listing held no game; the catalogue was left as it was
        CatalogueUnwritable,
        UnknownEmulator, // the program in the MAME directory answers as no emulator Marqueon knows
        EmulatorFailed,  // the emulator ended with an error, or died, while listing
        BadDocument,     // today's listing is no well-formed document; detail says where
        Cancelled,       // the user stopped the emulator; every file was left as it was
    } outcome = Outcome::Written;
    int games = 0;
    QString detail;
    bool firstBuild = false; // there was no catalogue before
};

// Turns the listing into the catalogue, one quoted, comma-separated line per game. The
// catalogue is replaced as a whole, and only when the listing yielded at least one game (or
// when there was no catalogue yet): a failed extraction never empties a good catalogue.
Extraction createGameInfo(const QString& listingPath, const QString& cataloguePath, exec::Progress& progress);

// The message for an extraction that left the catalogue as it was; empty when it was written.
QString extractionProblem(const Extraction& extraction);

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

#pragma once

#include <QString>

namespace app {
class Dialogs;
}
namespace exec {
class CommandRunner;
class MameCommands;
enum class RunResult;
} // namespace exec

namespace catalogue {

class Progress;

// How a catalogue extraction ended.
struct Extraction {
    enum class Outcome {
        Written,           // the catalogue holds the listed games
        ListingUnreadable, // the listing could not be opened; the catalogue was left as it was
        NoGames,           // the listing held no game; the catalogue was left as it was
        CatalogueUnwritable,
    } outcome = Outcome::Written;
    int games = 0;
};

// Has the emulator write its full game information to reports/listinfo.txt.
exec::RunResult CreateListInfo(exec::CommandRunner& runner, const exec::MameCommands& commands, Progress& progress);

// Turns the listing into the catalogue, one quoted, comma-separated line per game. The
// catalogue is replaced as a whole, and only when the listing yielded at least one game (or
// when there was no catalogue yet): a failed extraction never empties a good catalogue.
Extraction CreateGameInfo(const QString& listInfoPath, const QString& gameInfoPath, Progress& progress);

// The message for an extraction that left the catalogue as it was; empty when it was written.
QString extractionProblem(const Extraction& extraction);

} // namespace catalogue

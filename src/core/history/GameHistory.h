#pragma once

#include "core/exec/Emulator.h"
#include "core/history/HistoryDatabase.h"

namespace config {
struct AppState;
}
namespace catalogue {
class GameRecord;
}

namespace history {

// Where Game History takes a game's text from, chosen once by the emulator's interface. The
// classic emulator's listing holds it, once history.dat lies in the MAME directory; today's
// emulator writes none, so Marqueon reads the history file itself.
struct HistorySource {
    QString file;           // the history file found; empty when there is none
    QString listingPath;    // classic: the listing with the history lines; empty: the file is read
    QString missingMessage; // shown instead of the panel when there is no file

    bool found() const { return !file.isEmpty(); }
};

// Classic: history.dat in the MAME directory. Today, in this order: the MAME directory, its
// history/ and dats/ folders, then ~/.mame/history/ (not without a home directory), history.xml
// before history.dat in each.
HistorySource findHistory(exec::Interface interface, const config::AppState& state, const QString& homeDirectory);

// The panel's text for a game: the classic listing's history line as one running text; today,
// the game's entries, else its parent's, with their paragraphs. Today's index is kept here.
class GameHistory {
public:
    // Whether text() has to read a whole history file first: a slow step for a large one, which
    // the caller may run beforehand with buildIndex(), off the user interface's thread.
    bool needsIndex(const HistorySource& source) const;
    // False when stopped by keepGoing.
    bool buildIndex(const HistorySource& source, const HistoryDatabase::KeepGoing& keepGoing);

    QString text(const HistorySource& source, const catalogue::GameRecord* game);

private:
    HistoryDatabase m_database;
};

} // namespace history

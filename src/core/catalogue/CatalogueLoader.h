#pragma once

#include "core/catalogue/CommunityLists.h"
#include "core/catalogue/GameRecord.h"
#include "core/catalogue/SearchQuery.h"
#include "core/config/AppState.h"
#include "core/exec/Emulator.h"

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QSet>

#include <array>
#include <optional>

namespace exec {
class Progress;
}

namespace catalogue {

// Reads catalogue lines: ten comma-separated fields, a field that begins with a double quote
// running to the next one (two quotes in a row stand for one quote in the text). Nothing when a
// line is damaged (fewer or more than ten fields, or a quote left open). Texts that recur from game to game (years,
// statuses, makers, displays, origins) are shared between records instead of held once per game.
class RecordReader {
public:
    std::optional<GameRecord> parse(QByteArrayView line);

private:
    SharedText shared(int field, QByteArrayView text);
    struct Recent {
        QByteArray bytes;
        SharedText text;
    };
    QHash<QByteArray, SharedText> m_texts;
    std::array<Recent, GameRecord::FieldCount> m_recent;
};

// The games of one list choice, split by installed state.
struct GameLists {
    QList<GameRecord> all;
    QList<GameRecord> installed;
    QList<GameRecord> uninstalled;
    bool missing = false;      // there was no catalogue to read
    bool damaged = false;      // some lines could not be read, or the file was cut short
    SearchAbilities abilities; // what the games can be asked
};

struct LoadSettings {
    QString cataloguePath;
    QString romPath;
    QString neoRomPath;
    bool hideClones = false;
    const exec::Emulator* emulator = nullptr;  // finds the ROM sets; the classic emulator's way when none
    int neoGeoFrom = -1;                       // the first Neo-Geo game's position; -1: by its description
    QString factsPath = QString();             // today's facts beside the catalogue; none when empty
    const CommunityLists* community = nullptr; // genres and players from the user's lists
    bool hideMature = false;                   // games the genre list marks for adults left out
};

// The games of a list choice from the catalogue:
// - Retro: every game before the Neo-Geo run, but for the test entries "sentetst" and "sfzch";
//   installed when its set lies in the Retro ROM directory.
// - All: every game; installed when its set lies in either ROM directory.
// - Neo-Geo: the Neo-Geo run to the end; installed when its set lies in the Neo-Geo ROM directory.
// The Neo-Geo run begins at the game described "NAM-1975", or where the catalogue says. A game
// that needs no ROM file is installed wherever it is.
// Each game gets its facts from the facts file, when there is one, and its genre and players
// from the community lists (their players before the emulator's).
// No list choice loads nothing.
GameLists loadGames(config::ListChoice choice, const LoadSettings& settings, exec::Progress& progress);

// The ROM names of every game in the catalogue.
QSet<QString> romNames(const QString& cataloguePath);

} // namespace catalogue

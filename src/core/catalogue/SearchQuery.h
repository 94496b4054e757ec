#pragma once

#include "core/catalogue/GameFilter.h"
#include "core/catalogue/GameMarks.h"
#include "core/catalogue/GameRecord.h"

#include <QList>
#include <QSet>
#include <QString>

namespace catalogue {

// One filter term of a search: "is:working", "players:2", "-is:clone", "year:1980-1985" ...
struct SearchTerm {
    enum class Kind {
        Working,
        Imperfect,
        Broken,
        Parent,
        Clone,
        Vertical,
        Horizontal,
        Vector,
        Favourite,
        Played,
        Installed,
        Chd,
        Mature,
        Players,
        Buttons,
        Control,
        Year,
        Maker,
        Genre,
        Colour,
        Sound,
    };
    Kind kind = Kind::Working;
    bool negated = false;
    int low = 0; // a number's range, both ends included
    int high = 0;
    quint32 controls = 0;               // control: the kind's bits
    QByteArray text;                    // maker: and genre:, folded as the search words are
    Support support = Support::Unknown; // colour: and sound:

    bool operator==(const SearchTerm&) const = default;
};

// What the games of a catalogue can be asked: the classic emulator's catalogue knows only what
// its lines say; today's tells more; the user's catver.ini and nplayers.ini add genres and players.
struct SearchAbilities {
    bool details = false; // players, buttons, controls, CHD
    bool genres = false;  // genre:, is:mature
    bool players = false; // players: from nplayers.ini without the details
};

// A search as typed: plain words (a "-" before one leaves out the games that hold it) and filter
// terms, all of which a game must meet. A term the catalogue cannot answer, or that is not
// understood, is left out and said in problem.
struct SearchQuery {
    SearchWords words;
    SearchWords unwanted;
    QList<SearchTerm> terms;
    QString problem; // "Unknown filter: foo:"

    bool isEmpty() const { return words.isEmpty() && unwanted.isEmpty() && terms.isEmpty(); }
    bool operator==(const SearchQuery&) const = default;
};

SearchQuery parseSearch(QStringView typed, const SearchAbilities& abilities);

// Whether every game the query finds was found by the previous one too: the same terms and
// unwanted words, and each previous word within one of the new ones.
bool narrows(const SearchQuery& query, const SearchQuery& previous);

// Whether a game meets every term. Its folded search text holds its maker on the third line;
// genre is its folded genre.
bool meetsTerms(const GameRecord& game, QByteArrayView searchText, QByteArrayView genre, const QList<SearchTerm>& terms,
                const GameMarks* marks);

// The common terms, for the Filters menu: each with its caption ("Working").
struct CommonTerm {
    QString term;
    QString caption;
};
const QList<CommonTerm>& commonTerms();

} // namespace catalogue

#pragma once

#include "core/catalogue/GameRecord.h"

#include <QByteArray>
#include <QList>

namespace catalogue {

// The words a search looks for, folded as the games' texts are: lower case, accents dropped,
// compatibility forms (ligatures, full-width letters) spelled plainly; UTF-8. No words find
// every game.
using SearchWords = QList<QByteArray>;

SearchWords searchWords(QStringView typed);

// Appends a game's folded search text: its description, ROM name, manufacturer and year, each
// on a line of its own so that no word matches across two of them.
void appendSearchText(QByteArray& texts, const GameRecord& game);
// The bytes appendSearchText adds when the text is plain ASCII, as nearly all is.
qsizetype searchTextSize(const GameRecord& game);

// A game is found when its folded search text holds every word.
bool matches(QByteArrayView text, const SearchWords& words);

// Whether every game that `words` find was found by `previous` too: each previous word lies
// within one of the new ones. A search can then look only at the previous result.
bool narrows(const SearchWords& words, const SearchWords& previous);

} // namespace catalogue

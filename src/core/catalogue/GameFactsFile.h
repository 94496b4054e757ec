#pragma once

#include "core/catalogue/GameRecord.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace catalogue {

// The words that name the kinds of control, in the facts file and in the search ("joy4",
// "trackball", "buttons" ...); 0 for a word that names none.
quint32 controlOf(QStringView word);
QStringList controlWords(quint32 controls);

// The facts file beside today's catalogue: a line per game, in catalogue order, tab-separated:
// ROM name, emulation (good, imperfect, preliminary), save states (1 or 0), players, buttons,
// screens, CHD needed (1 or 0), the control words separated by blanks.
QByteArray factsLine(const QString& romName, const GameFacts& facts);
// Nothing for a line that is not laid out so.
struct FactsLine {
    QString romName;
    GameFacts facts;
};
std::optional<FactsLine> parseFactsLine(QByteArrayView line);

} // namespace catalogue

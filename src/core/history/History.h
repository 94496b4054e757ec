#pragma once

#include <QString>

// A game's history text, taken from the emulator's listing (the "history database").
namespace history {

struct HistoryResult {
    enum class Outcome {
        Found,          // text: the history (the classic listing gives one running text)
        NoHistory,      // text: the no-history sentence
        GameNotListed,  // text: the no-history sentence; the listing predates the game
        ListingMissing, // text: a sentence asking for a list refresh
        Damaged         // text: a sentence naming today's history file, which cannot be read
    } outcome;
    QString text; // what the text panel shows, whatever the outcome
};

// "There is no history information for this game."
QString noHistoryText();

// Looks the ROM name up in the listing (letter case counts) and reads only as far as needed.
HistoryResult gameHistory(const QString& listInfoPath, const QString& romName);

} // namespace history

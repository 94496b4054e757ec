#pragma once

#include <QString>

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

// The message for an extraction that left the catalogue as it was; empty when it was written.
QString extractionProblem(const Extraction& extraction);

} // namespace catalogue

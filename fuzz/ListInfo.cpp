// The classic emulator's -listinfo turned into the catalogue.
#include "FuzzSupport.h"

#include "core/catalogue/ListInfoExtraction.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString listing = fuzz::scratchPath(QStringLiteral("listinfo.txt"));
    static const QString cataloguePath = fuzz::scratchPath(QStringLiteral("gameinfo.txt"));
    static const QByteArray former = QByteArrayLiteral("\"Former\",\"1980\",,,,,,,\"Original\",\"former\"\r\n");
    fuzz::writeFile(listing, fuzz::bytes(data, size));
    fuzz::writeFile(cataloguePath, former);

    fuzz::NoProgress progress;
    const catalogue::Extraction extraction = catalogue::createGameInfo(listing, cataloguePath, progress);
    const QByteArray written = fuzz::readFile(cataloguePath);
    if (extraction.games == 0) {
        fuzz::expect(extraction.outcome == catalogue::Extraction::Outcome::NoGames, "no game, no catalogue");
        fuzz::expect(written == former, "a listing without games leaves the catalogue as it was");
    } else {
        fuzz::expect(extraction.outcome == catalogue::Extraction::Outcome::Written, "games make a catalogue");
        // A field never holds a line end, as the listing is read line by line.
        fuzz::expect(written.count("\r\n") == extraction.games, "one catalogue line per game");
    }
    return 0;
}

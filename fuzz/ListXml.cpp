// Today's emulator's -listxml, read as it arrives: in pieces that may cut a line anywhere.
#include "FuzzSupport.h"

#include "core/catalogue/CatalogueLoader.h"
#include "core/catalogue/ListXmlImport.h"

#include <QHash>

namespace {

struct Import {
    bool whole = false;
    QString error;
    int games = 0;
    QByteArray catalogue;
    int neoGeoFrom = 0;
    QSet<QString> romless;

    bool operator==(const Import&) const = default;
};

// A document read whole gives the same catalogue in any pieces; a damaged one fails either way.
// Where it is said to fail may differ: Qt checks the encoding of all the text it holds before it
// reads on, and counts a line twice when it resumes inside the XML declaration. For the same
// reason a bad byte after the root element fails the document only when it arrived with it.
bool sameResult(const Import& atOnce, const Import& inPieces) {
    if (atOnce.whole)
        return atOnce == inPieces;
    return !inPieces.whole || atOnce.error.endsWith(QLatin1String("incorrectly encoded content."));
}

// The document at once when seed is 0, else in pieces of 1 to 97 bytes the seed picks.
Import import(QByteArrayView document, quint32 seed) {
    catalogue::ListXmlImport reader;
    if (seed == 0) {
        reader.addData(document);
    } else {
        for (qsizetype at = 0; at < document.size();) {
            seed = seed * 1103515245u + 12345u;
            const qsizetype piece = qMin<qsizetype>(1 + (seed >> 16) % 97, document.size() - at);
            reader.addData(document.sliced(at, piece));
            at += piece;
        }
    }
    const bool whole = reader.finish();
    return {whole, reader.errorText(), reader.games(), reader.catalogue(), reader.neoGeoFrom(), reader.romless()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView document = fuzz::bytes(data, size);
    const Import atOnce = import(document, 0);
    const Import inPieces = import(document, quint32(qHash(document)) | 1u);
    fuzz::expect(sameResult(atOnce, inPieces), "the pieces a document arrives in change nothing");

    // Every game is one catalogue line that reads back.
    const QList<QByteArray> lines = atOnce.catalogue.split('\n');
    fuzz::expect(lines.size() == atOnce.games + 1 && lines.last().isEmpty(), "one catalogue line per game");
    catalogue::RecordReader reader;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        fuzz::expect(lines[i].endsWith('\r'), "catalogue lines end with CR LF");
        fuzz::expect(reader.parse(QByteArrayView(lines[i]).chopped(1)).has_value(), "a catalogue line reads back");
    }
    fuzz::expect(atOnce.neoGeoFrom >= 0 && atOnce.neoGeoFrom <= atOnce.games, "the Neo-Geo run lies in the list");
    return 0;
}

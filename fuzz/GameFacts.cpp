// Lines of the facts file read from any file: a line read, written and read again gives the same
// facts, and the control words name exactly the controls read.
#include "FuzzSupport.h"

#include "core/catalogue/GameFactsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Line by line, as the catalogue's loader hands them over.
    for (const QByteArray& line : fuzz::bytes(data, size).toByteArray().split('\n')) {
        const std::optional<catalogue::FactsLine> read = catalogue::parseFactsLine(line);
        if (!read)
            continue;
        fuzz::expect(!read->romName.isEmpty() && read->facts.detailed, "a line read names a game and tells");

        quint32 named = 0;
        for (const QString& word : catalogue::controlWords(read->facts.controls)) {
            const quint32 bits = catalogue::controlOf(word);
            fuzz::expect(bits != 0, "a control word names a control");
            named |= bits;
        }
        fuzz::expect(named == read->facts.controls, "the control words name the controls read");

        const QByteArray written = catalogue::factsLine(read->romName, read->facts);
        fuzz::expect(written.endsWith('\n') && written.count('\t') == 7, "a line written is eight cells");
        const std::optional<catalogue::FactsLine> again = catalogue::parseFactsLine(written);
        fuzz::expect(again.has_value(), "a line written reads");
        fuzz::expect(again->romName == read->romName, "the name reads back");
        fuzz::expect(again->facts == read->facts, "the facts read back");
        fuzz::expect(catalogue::factsLine(again->romName, again->facts) == written,
                     "writing again gives the same line");
    }
    return 0;
}

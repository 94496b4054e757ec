// The emulator's favorites.ini read from any file: what reads writes back as it was read.
#include "FuzzSupport.h"

#include "core/catalogue/MameFavourites.h"

namespace {

bool same(const QList<catalogue::MameFavourite>& a, const QList<catalogue::MameFavourite>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].lines != b[i].lines || a[i].machine() != b[i].machine())
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<QList<catalogue::MameFavourite>> read = catalogue::readMameFavourites(fuzz::bytes(data, size));
    if (!read)
        return 0;
    for (const catalogue::MameFavourite& entry : *read) {
        fuzz::expect(entry.lines.size() == 16, "an entry is sixteen lines");
        for (const QByteArray& line : entry.lines)
            fuzz::expect(!line.contains('\n'), "a line holds no line end");
    }
    const QByteArray written = catalogue::mameFavouritesFile(*read);
    const std::optional<QList<catalogue::MameFavourite>> again = catalogue::readMameFavourites(written);
    fuzz::expect(again.has_value(), "a file written reads");
    fuzz::expect(same(*read, *again), "the entries written read back the same");
    fuzz::expect(catalogue::mameFavouritesFile(*again) == written, "writing again gives the same file");
    return 0;
}

// A game's history line in the classic emulator's listing. The input's first line names the game.
#include "FuzzSupport.h"

#include "core/history/History.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString listing = fuzz::scratchPath(QStringLiteral("listinfo.txt"));
    const QList<QByteArrayView> parts = fuzz::parts(fuzz::bytes(data, size), '\n', 2);
    fuzz::writeFile(listing, parts[1]);
    const history::HistoryResult result = history::gameHistory(listing, QString::fromLatin1(parts[0]));
    fuzz::expect(!result.text.isEmpty(), "the panel has something to show");
    return 0;
}

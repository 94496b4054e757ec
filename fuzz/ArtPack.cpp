// A picture pack (zip or 7z) indexed, then every picture it names read.
#include "FuzzSupport.h"

#include "core/artwork/PackIndex.h"

// libarchive's 7z reader sizes some buffers from the pack's header and handles a refused
// allocation as a damaged pack; without a sanitizer a request of terabytes is refused the same way.
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString path = fuzz::scratchPath(QStringLiteral("snap.zip"));
    fuzz::writeFile(path, fuzz::bytes(data, size));
    const std::optional<artwork::PackIndex> index = artwork::PackIndex::build(path, QStringLiteral("snap"));
    if (!index)
        return 0;
    fuzz::expect(index->isCurrent(), "the pack just indexed is current");
    constexpr qint64 MaxBytes = 4096;
    for (const QString& game : index->games()) {
        fuzz::expect(index->contains(game) && game == game.toLower(), "games are named in lower case");
        const std::optional<QByteArray> picture = index->read(game, MaxBytes);
        fuzz::expect(!picture || picture->size() <= MaxBytes, "no picture over the limit");
    }
    return 0;
}

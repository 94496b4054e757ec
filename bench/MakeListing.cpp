// make-listing OUT.txt [games=40000] [seed]: writes a large, realistic emulator game listing.

#include "ListingGenerator.h"

#include <QByteArray>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: make-listing OUT.txt [games=40000] [seed]\n");
        return 2;
    }
    bool ok = true;
    const int games = argc > 2 ? QByteArray(argv[2]).toInt(&ok) : 40000;
    if (!ok || games < 1) {
        std::fprintf(stderr, "make-listing: the number of games must be a positive number\n");
        return 2;
    }
    const quint64 seed = argc > 3 ? QByteArray(argv[3]).toULongLong(&ok) : 1;
    if (!ok) {
        std::fprintf(stderr, "make-listing: the seed must be a number\n");
        return 2;
    }

    const QString path = QString::fromLocal8Bit(argv[1]);
    const std::optional<bench::Listing> listing = bench::writeListing(path, games, seed);
    if (!listing) {
        std::fprintf(stderr, "make-listing: cannot write %s\n", argv[1]);
        return 1;
    }
    qsizetype clones = 0;
    qsizetype neoGeo = 0;
    for (const bench::ListedGame& game : listing->games) {
        clones += game.clone;
        neoGeo += game.neoGeo;
    }
    std::printf("%s: %lld games (%lld clones, %lld Neo-Geo), %lld lines, %.1f MB, %.1f ROM lines per game\n", argv[1],
                qlonglong(listing->games.size()), qlonglong(clones), qlonglong(neoGeo), qlonglong(listing->lines),
                double(listing->bytes) / (1 << 20), double(listing->romLines) / double(listing->games.size() + 1));
    return 0;
}

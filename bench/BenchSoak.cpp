// bench-soak [rounds=20] [games=45000]: builds the catalogue of a generated listing and loads it
// into the three lists, over and over in one process, both ways the program builds it (the
// classic listing, and today's -listxml document), and prints the memory after every round. A
// leak or a cache that only grows shows as a peak that keeps rising after the first round.

#include "ListXmlGenerator.h"
#include "ListingGenerator.h"
#include "Measure.h"

#include "core/catalogue/CatalogueLoader.h"
#include "core/catalogue/GameListModel.h"
#include "core/catalogue/ListInfoExtraction.h"
#include "core/catalogue/ListXmlImport.h"
#include "core/io/Memory.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <array>
#include <cstdio>
#include <memory>

namespace {

// The three lists as the window holds them, filled from a catalogue; the number of games.
int loadLists(const catalogue::LoadSettings& settings) {
    bench::SilentProgress progress;
    catalogue::GameLists lists = catalogue::loadGames(config::ListChoice::All, settings, progress);
    std::array<catalogue::GameListModel, 3> models;
    models[0].setGames(std::move(lists.all));
    models[1].setGames(std::move(lists.installed));
    models[2].setGames(std::move(lists.uninstalled));
    models[0].sort(catalogue::GameRecord::Description, Qt::AscendingOrder);
    return models[0].count();
}

// Today's way: the document read in pieces as it comes from the emulator, its catalogue written.
int importListXml(const QString& documentPath, const QString& cataloguePath, int& neoGeoFrom) {
    QFile document(documentPath);
    if (!document.open(QIODevice::ReadOnly))
        return -1;
    catalogue::ListXmlImport import;
    QByteArray piece(1 << 16, Qt::Uninitialized);
    for (qint64 got; (got = document.read(piece.data(), piece.size())) > 0;)
        import.addData(QByteArrayView(piece.constData(), got));
    QSaveFile catalogue(cataloguePath);
    if (!import.finish() || !catalogue.open(QIODevice::WriteOnly) || catalogue.write(import.catalogue()) < 0 ||
        !catalogue.commit())
        return -1;
    neoGeoFrom = import.neoGeoFrom();
    return import.games();
}

double megabytes(const char* key) {
    return bench::processMemoryMb(key).value_or(-1);
}

} // namespace

int main(int argc, char** argv) {
    // As the program does.
    io::returnLargeBlocksToSystem();
    QCoreApplication application(argc, argv);
    const int rounds = bench::intArgument(1, 20);
    const int games = bench::intArgument(2, 45000);
    if (rounds < 2 || games < 1) {
        std::fprintf(stderr, "usage: bench-soak [rounds=20 (at least 2)] [games=45000]\n");
        return 2;
    }

    QTemporaryDir work;
    const QString romPath = work.filePath(QStringLiteral("roms/"));
    if (!work.isValid() || !QDir().mkpath(romPath)) {
        std::fprintf(stderr, "bench-soak: cannot lay out a work directory\n");
        return 1;
    }
    const QString listingPath = work.filePath(QStringLiteral("listinfo.txt"));
    const QString documentPath = work.filePath(QStringLiteral("listxml.xml"));
    const QString classicCatalogue = work.filePath(QStringLiteral("gameinfo.txt"));
    const QString todayCatalogue = work.filePath(QStringLiteral("gameinfo-today.txt"));
    QFile document(documentPath);
    const std::optional<bench::Listing> listing = bench::writeListing(listingPath, games, 1);
    if (!listing || !document.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "bench-soak: cannot write the listing\n");
        return 1;
    }
    const bench::ListXml generated = bench::writeListXml(document, games, 1981);
    document.close();
    std::printf("listing: %d games, %.1f MB; -listxml document: %d machines (%d games), %.1f MB\n", games,
                double(listing->bytes) / (1 << 20), generated.machines, generated.games,
                double(generated.bytes) / (1 << 20));
    std::printf("round  build+load ms  VmHWM MB  VmRSS MB\n");

    bench::SilentProgress progress;
    double firstPeak = 0;
    double lastPeak = 0;
    for (int round = 1; round <= rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        const catalogue::Extraction extraction = catalogue::createGameInfo(listingPath, classicCatalogue, progress);
        const int classic = loadLists({classicCatalogue, romPath, romPath, false, nullptr, -1});
        int neoGeoFrom = -1;
        const int imported = importListXml(documentPath, todayCatalogue, neoGeoFrom);
        const int today = loadLists({todayCatalogue, romPath, romPath, false, nullptr, neoGeoFrom});
        const double elapsed = double(timer.elapsed());
        if (extraction.games != games || classic != games || imported != generated.games || today != imported) {
            std::fprintf(stderr, "bench-soak: round %d gave %d and %d games, not %d and %d\n", round, classic, today,
                         games, generated.games);
            return 1;
        }
        lastPeak = megabytes("VmHWM");
        if (round == 1)
            firstPeak = lastPeak;
        std::printf("%5d  %13.0f  %8.1f  %8.1f\n", round, elapsed, lastPeak, megabytes("VmRSS"));
    }
    const double growth = (lastPeak - firstPeak) / firstPeak * 100.0;
    std::printf("peak after round 1: %.1f MB, after round %d: %.1f MB, growth %.1f%% (goal <= 5%%) %s\n", firstPeak,
                rounds, lastPeak, growth, growth <= 5.0 ? "ok" : "MISSED");
    return 0;
}

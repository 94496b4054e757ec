// bench-catalogue [games=40000] [runs=7]: times catalogue extraction, loading and sorting on a
// generated listing, beside the floor of reading the same listing line by line.

#include "ListingGenerator.h"
#include "Measure.h"

#include "core/catalogue/CatalogueLoader.h"
#include "core/catalogue/GameListModel.h"
#include "core/catalogue/ListInfoExtraction.h"
#include "core/io/LineReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <array>
#include <cstdio>
#include <memory>

namespace {

const char* verdict(bool met) {
    return met ? "ok" : "MISSED";
}

void printRuns(const QList<double>& times) {
    std::printf("    runs:");
    for (double time : times)
        std::printf(" %.1f", time);
    std::printf(" ms\n");
}

bool writeArchive(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

void printMemory(const char* when) {
    const std::optional<double> peak = bench::processMemoryMb("VmHWM");
    const std::optional<double> resident = bench::processMemoryMb("VmRSS");
    std::printf("  (%s: VmHWM %.1f MB, VmRSS %.1f MB)\n", when, peak.value_or(-1), resident.value_or(-1));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int games = bench::intArgument(1, 40000);
    const int runs = bench::intArgument(2, 7);
    if (games < 1 || runs < 1) {
        std::fprintf(stderr, "usage: bench-catalogue [games=40000] [runs=7]\n");
        return 2;
    }

    // An application directory with its reports folder, and the two ROM directories.
    QTemporaryDir work;
    const QString appPath = work.path() + QStringLiteral("/marqueon/");
    const QString romPath = work.path() + QStringLiteral("/roms/");
    const QString neoRomPath = work.path() + QStringLiteral("/neoroms/");
    if (!work.isValid() || !QDir().mkpath(appPath + QStringLiteral("reports")) || !QDir().mkpath(romPath) ||
        !QDir().mkpath(neoRomPath)) {
        std::fprintf(stderr, "bench-catalogue: cannot lay out a work directory\n");
        return 1;
    }
    const QString listInfoPath = appPath + QStringLiteral("reports/listinfo.txt");
    const QString gameInfoPath = appPath + QStringLiteral("gameinfo.txt");

    QElapsedTimer setup;
    setup.start();
    const std::optional<bench::Listing> listing = bench::writeListing(listInfoPath, games, 1);
    if (!listing) {
        std::fprintf(stderr, "bench-catalogue: cannot write the listing\n");
        return 1;
    }
    // About 40% of the games installed, Neo-Geo games in their own directory.
    QRandomGenerator pick(7);
    int installed = 0;
    for (const bench::ListedGame& game : listing->games) {
        if (pick.bounded(100) >= 40)
            continue;
        const QString name = QString::fromLatin1(game.name) + QStringLiteral(".zip");
        if (!writeArchive((game.neoGeo ? neoRomPath : romPath) + name)) {
            std::fprintf(stderr, "bench-catalogue: cannot create a ROM archive\n");
            return 1;
        }
        ++installed;
    }
    qsizetype clones = 0;
    for (const bench::ListedGame& game : listing->games)
        clones += game.clone;
    std::printf("listing: %d games (%lld clones), %lld lines, %.1f MB, %.1f ROM lines per game; %d archives; "
                "set up in %.1f s\n",
                games, qlonglong(clones), qlonglong(listing->lines), double(listing->bytes) / (1 << 20),
                double(listing->romLines) / double(games), installed, double(setup.elapsed()) / 1000.0);
    std::printf("each figure is the median of %d runs\n", runs);
    printMemory("before measuring");

    // a. The floor: the same file read line by line, the lines thrown away.
    qint64 scanned = 0;
    const QList<double> floorTimes = bench::timeRuns(runs, [&](int) {
        io::LineReader scanner(listInfoPath);
        QByteArrayView line;
        qint64 bytes = 0;
        while (scanner.next(line))
            bytes += line.size();
        scanned = bytes;
    });
    const double floor = bench::median(floorTimes);
    std::printf("floor: %.1f ms median (LineScanner over the listing, %lld bytes of line text)\n", floor,
                qlonglong(scanned));
    printRuns(floorTimes);

    // b. Catalogue extraction alone.
    bench::SilentProgress progress;
    catalogue::Extraction extraction;
    const QList<double> extractionTimes = bench::timeRuns(
        runs, [&](int) { extraction = catalogue::createGameInfo(listInfoPath, gameInfoPath, progress); });
    if (extraction.outcome != catalogue::Extraction::Outcome::Written || extraction.games != games) {
        std::fprintf(stderr, "bench-catalogue: extraction wrote %d games, not %d\n", extraction.games, games);
        return 1;
    }
    const double extractionTime = bench::median(extractionTimes);
    const double ratio = extractionTime / floor;
    std::printf("extraction: %.1f ms median (floor %.1f ms) ratio %.2f (goal <= 1.5) %s\n", extractionTime, floor,
                ratio, verdict(ratio <= 1.5));
    printRuns(extractionTimes);

    // c. Loading all games with the installed test into the three lists.
    const catalogue::LoadSettings settings{gameInfoPath, romPath, neoRomPath, false};
    std::array<std::unique_ptr<catalogue::GameListModel>, 3> models;
    QList<double> readTimes; // the LoadAllList share of each run
    const QList<double> loadTimes = bench::timeRuns(
        runs,
        [&](int) {
            QElapsedTimer reading;
            reading.start();
            catalogue::GameLists lists = catalogue::loadGames(config::ListChoice::All, settings, progress);
            readTimes.append(double(reading.nsecsElapsed()) / 1e6);
            // As the window fills them: the two smaller lists take the whole list's games.
            QSet<QString> installedNames;
            for (const catalogue::GameRecord& game : std::as_const(lists.installed))
                installedNames.insert(game.romName());
            models[0]->setGames(std::move(lists.all));
            const auto installed = [&](const catalogue::GameRecord& game) {
                return installedNames.contains(game.romName());
            };
            models[1]->takeGames(*models[0], installed);
            models[2]->takeGames(*models[0], [&](const catalogue::GameRecord& game) { return !installed(game); });
        },
        [&](int) {
            for (auto& model : models)
                model = std::make_unique<catalogue::GameListModel>();
        });
    if (models[0]->count() != games || models[1]->count() != installed || models[2]->count() != games - installed) {
        std::fprintf(stderr, "bench-catalogue: loaded %d games (%d installed), not %d (%d)\n", models[0]->count(),
                     models[1]->count(), games, installed);
        return 1;
    }
    const double loadTime = bench::median(loadTimes);
    std::printf("loading: %.1f ms median for %d games, %d installed, %d not (goal < 100 ms) %s\n", loadTime,
                models[0]->count(), models[1]->count(), models[2]->count(), verdict(loadTime < 100.0));
    printRuns(loadTimes);
    std::printf("    of which LoadAllList %.1f ms median, setGames on the three lists the rest\n",
                bench::median(readTimes));

    // e. Memory with the three lists loaded (measured before sorting adds its own peak).
    const std::optional<double> peak = bench::processMemoryMb("VmHWM");
    const std::optional<double> resident = bench::processMemoryMb("VmRSS");
    if (peak && resident) {
        std::printf("memory: VmHWM %.1f MB peak, VmRSS %.1f MB now, with the three lists loaded (goal < 150 MB) %s\n",
                    *peak, *resident, verdict(*peak < 150.0));
    } else {
        std::printf("memory: not available (no /proc/self/status)\n");
    }

    // d. Column sorts of the whole list; the order alternates so that every run sorts.
    catalogue::GameListModel& all = *models[0];
    const auto timeSort = [&](int column, const char* name) {
        const QList<double> times = bench::timeRuns(
            runs, [&](int run) { all.sort(column, run % 2 ? Qt::AscendingOrder : Qt::DescendingOrder); });
        const double time = bench::median(times);
        std::printf("sort (%s column): %.1f ms median for %d games (goal < 150 ms) %s\n", name, time, all.count(),
                    verdict(time < 150.0));
        printRuns(times);
    };
    timeSort(catalogue::GameRecord::Description, "Game");
    timeSort(catalogue::GameRecord::Manufacturer, "Manufacturer");
    printMemory("at the end");
    return 0;
}

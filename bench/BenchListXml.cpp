// bench-listxml [runs=5] [emulator directory=/usr/games/]: times building the catalogue from
// today's emulator's full -listxml while the emulator writes it, beside the emulator writing the
// same document to nowhere, and loading the catalogue it gives. Without today's emulator in the
// directory a generated document of today's size comes through a pipe from the stand-in.

#include "ListXmlGenerator.h"
#include "Measure.h"

#include "core/catalogue/CatalogueBuild.h"
#include "core/catalogue/CatalogueLoader.h"
#include "core/catalogue/GameListModel.h"
#include "core/catalogue/ListXmlBuild.h"
#include "core/io/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <sys/resource.h>

#include <array>
#include <cstdio>
#include <memory>

namespace {

void printRuns(const char* what, const QList<double>& times) {
    std::printf("  %-28s median %8.1f ms   runs:", what, bench::median(times));
    for (double time : times)
        std::printf(" %.1f", time);
    std::printf("\n");
}

// Today's emulator in the directory, or the stand-in answering a generated document there.
bool prepareEmulator(QString& directory, const QTemporaryDir& work) {
    QProcess help;
    help.start(directory + QStringLiteral("mame"), {QStringLiteral("-help")});
    if (help.waitForFinished(20000) && help.readAllStandardOutput().startsWith("MAME v"))
        return true;
    directory = work.filePath(QStringLiteral("mame/"));
    QDir().mkpath(directory);
    QFile document(directory + QStringLiteral("standin-listxml.txt"));
    if (!document.open(QIODevice::WriteOnly) || !QFile::copy(QStringLiteral(STANDIN_MAME), directory + "mame") ||
        !QFile::copy(QStringLiteral(STANDIN_DEMO_DIR "/standin-games.dat"), directory + "standin-games.dat") ||
        !io::writeText(directory + QStringLiteral("standin-today"), QString()))
        return false;
    const bench::ListXml generated = bench::writeListXml(document, 45000, 1981);
    std::printf("no emulator of today's kind there: a generated document of %d machines, %.1f MB, from the "
                "stand-in\n",
                generated.machines, double(generated.bytes) / (1 << 20));
    return true;
}

// The processor time of the children waited for so far, user and system, in milliseconds.
double childrenProcessorMs() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& time) {
        return double(time.tv_sec) * 1e3 + double(time.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double loadMedian(const catalogue::LoadSettings& settings, int runs) {
    bench::SilentProgress progress;
    std::array<std::unique_ptr<catalogue::GameListModel>, 3> models;
    const QList<double> times = bench::timeRuns(
        runs,
        [&](int) {
            catalogue::GameLists lists = catalogue::loadGames(config::ListChoice::All, settings, progress);
            models[0]->setGames(std::move(lists.all));
            models[1]->setGames(std::move(lists.installed));
            models[2]->setGames(std::move(lists.uninstalled));
        },
        [&](int) {
            for (auto& model : models)
                model = std::make_unique<catalogue::GameListModel>();
        });
    printRuns("loading", times);
    return bench::median(times);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int runs = bench::intArgument(1, 5);
    QString directory = arguments.size() > 2 ? arguments[2] : QStringLiteral("/usr/games/");
    const QString asked = directory;
    QTemporaryDir work;
    // The emulator's own files go to a scratch home, never the user's.
    qputenv("HOME", work.filePath(QStringLiteral("home")).toLocal8Bit());
    if (runs < 1 || !work.isValid() || !prepareEmulator(directory, work)) {
        std::fprintf(stderr, "usage: bench-listxml [runs=5] [emulator directory=/usr/games/]\n");
        return 2;
    }

    config::AppState state;
    state.setAppPath(work.filePath(QStringLiteral("app")));
    QDir().mkpath(state.reportsPath());
    state.directories.mame = directory;
    state.directories.retroRoms = work.filePath(QStringLiteral("roms/"));
    QDir().mkpath(state.directories.retroRoms);

    // The floor: the emulator writing the whole document to nowhere. Its runs alternate with the
    // builds' (one, two and four listing runs at once, and as many as this machine makes), so that
    // all meet the same weather on a shared machine. The stand-in's generated document knows no
    // patterns: there only the single run is timed.
    bench::SilentProgress progress;
    exec::CommandRunner runner;
    exec::Emulator emulator(state, exec::Interface::Today);
    catalogue::CatalogueBuild build;
    const bool real = directory == asked;
    const QList<int> shardCounts = real ? QList<int>{1, 2, 4} : QList<int>{1};
    QList<double> floor;
    QList<double> floorProcessor; // the emulator's own processor time in those runs
    QMap<int, QList<double>> building;
    QByteArray whole;
    for (int run = 0; run < runs; ++run) {
        const double processorBefore = childrenProcessorMs();
        floor += bench::timeRuns(1, [&](int) {
            QProcess mame;
            mame.setStandardOutputFile(QProcess::nullDevice());
            mame.setStandardErrorFile(QProcess::nullDevice());
            mame.setWorkingDirectory(directory);
            mame.start(directory + QStringLiteral("mame"), {QStringLiteral("-listxml"), QStringLiteral("-nodtd")});
            mame.waitForFinished(-1);
        });
        floorProcessor += childrenProcessorMs() - processorBefore;
        for (int shards : shardCounts) {
            building[shards] += bench::timeRuns(
                1, [&](int) { build = catalogue::buildCatalogue(runner, emulator, state, progress, shards); });
            if (build.extraction.outcome != catalogue::Extraction::Outcome::Written) {
                std::fprintf(stderr, "the build failed: %s\n",
                             qPrintable(catalogue::extractionProblem(build.extraction)));
                return 1;
            }
            // However many runs at once, the catalogue of one whole run.
            QFile written(state.cataloguePath());
            const QByteArray catalogue = written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
            if (whole.isEmpty())
                whole = catalogue;
            if (catalogue != whole) {
                std::fprintf(stderr, "%d runs at once gave another catalogue than one\n", shards);
                return 1;
            }
        }
    }
    std::printf("catalogue from -listxml (%s), %d cores:\n", qPrintable(directory), QThread::idealThreadCount());
    printRuns("emulator > /dev/null", floor);
    // Every build has the emulator write the whole document (more with more runs: each starts up
    // and lists the devices its machines hold), so no build is done before the emulator's
    // processor time spread over every processor.
    const double processor = bench::median(floorProcessor);
    const int cores = QThread::idealThreadCount();
    printRuns("  its processor time", floorProcessor);
    std::printf("  %-28s no build can take less than %.1f ms here: ratio %.2f at best\n", "", processor / cores,
                processor / cores / bench::median(floor));
    for (int shards : shardCounts) {
        const QByteArray what = QStringLiteral("building, %1 run(s) at once").arg(shards).toLatin1();
        printRuns(what.constData(), building[shards]);
        std::printf("  %-28s ratio %.2f\n", "", bench::median(building[shards]) / bench::median(floor));
    }
    const int usual = real ? std::clamp(catalogue::defaultShards(), 2, 4) : 1;
    const double ratio = bench::median(building[usual]) / bench::median(floor);
    std::printf("  %d games; ratio with %d run(s) at once %.2f (goal <= 0.65: %s); peak memory VmHWM %.1f MB "
                "(goal < 150 MB)\n",
                build.extraction.games, usual, ratio, ratio <= 0.65 ? "ok" : "MISSED",
                bench::processMemoryMb("VmHWM").value_or(-1));

    // Loading the catalogue it gave, a set installed for every third game.
    const QStringList lines = io::readLines(state.cataloguePath()).value_or(QStringList());
    for (qsizetype i = 0; i < lines.size(); i += 3)
        io::writeText(state.directories.retroRoms + lines[i].section(u'"', -2, -2) + ".zip", QString());
    std::printf("loading the %lld-game catalogue into the three lists:\n", qlonglong(lines.size()));
    const double loaded = loadMedian(
        {state.cataloguePath(), state.directories.retroRoms, QString(), false, &emulator, build.info.neoGeoFrom}, 7);
    std::printf("  goal < 100 ms: %s\n", loaded < 100 ? "ok" : "MISSED");

    // 45,000 games: the same records again under other names.
    QStringList many;
    for (int copy = 0; many.size() < 45000; ++copy) {
        for (const QString& line : lines) {
            if (many.size() == 45000)
                break;
            const QString rom = line.section(u'"', -2, -2);
            many << QString(line).replace(u'"' + rom + u'"', u'"' + rom + QString::number(copy) + u'"');
        }
    }
    io::writeLines(state.cataloguePath(), many);
    std::printf("loading 45,000 games:\n");
    std::printf("  goal < 200 ms: %s\n",
                loadMedian({state.cataloguePath(), state.directories.retroRoms, QString(), false, &emulator, -1}, 7) <
                        200
                    ? "ok"
                    : "MISSED");
    return 0;
}

// bench-startup [runs=7] [emulator directory=/usr/games/]: times Marqueon's start, from starting
// the program (offscreen) to its game list painted with today's whole catalogue. The program's
// first start in a fresh installation builds the catalogue (not timed); the timed starts find
// it current. Without today's emulator in the directory, the stand-in answers a generated
// document of today's size.

#include "ListXmlGenerator.h"
#include "Measure.h"

#include "core/config/AppState.h"
#include "core/io/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

namespace {

// A start's mark: the games the list shows and the program's own milliseconds since main().
struct Shown {
    double milliseconds = 0; // from QProcess::start to the mark line
    int games = 0;
    qint64 sinceMain = 0;
};

// The emulator in the directory when it is today's (its files go to the sandbox's home); else
// the stand-in in the work directory answering a generated document of today's size. Gives the
// directory used.
std::optional<QString> prepareEmulator(const QString& directory, const QTemporaryDir& work) {
    QProcess help;
    help.start(directory + config::mameFileName(), {QStringLiteral("-help")});
    if (help.waitForFinished(20000) && help.readAllStandardOutput().startsWith("MAME v"))
        return directory;
    const QString standIn = work.filePath(QStringLiteral("mame/"));
    QDir().mkpath(standIn);
    QFile document(standIn + QStringLiteral("standin-listxml.txt"));
    if (!document.open(QIODevice::WriteOnly) ||
        !QFile::copy(QStringLiteral(STANDIN_MAME), standIn + config::mameFileName()) ||
        !QFile::copy(QStringLiteral(STANDIN_DEMO_DIR "/standin-games.dat"), standIn + "standin-games.dat") ||
        !io::writeText(standIn + QStringLiteral("standin-today"), QString()))
        return std::nullopt;
    // About as many games as today's catalogue of 17,590.
    const bench::ListXml generated = bench::writeListXml(document, 41500, 1981);
    std::printf("no emulator of today's kind in %s: the stand-in answers a generated document of %d machines "
                "(%d games), %.1f MB\n",
                qPrintable(directory), generated.machines, generated.games, double(generated.bytes) / (1 << 20));
    return standIn;
}

// Ends the program as a desktop's log-out does (it saves its view), killed when it lingers.
void stop(QProcess& program) {
    program.terminate();
    if (!program.waitForFinished(10000)) {
        program.kill();
        program.waitForFinished();
    }
}

// Starts the program and waits for its mark; nothing when it ends or says nothing in time.
std::optional<Shown> start(const QString& log, int timeoutMs) {
    QProcess program;
    program.setStandardErrorFile(log);
    QElapsedTimer clock;
    clock.start();
    program.start(QStringLiteral(MARQUEON_PROGRAM), {});
    QByteArray out;
    while (!out.contains('\n')) {
        if (!program.waitForReadyRead(int(std::max<qint64>(1, timeoutMs - clock.elapsed())))) {
            stop(program);
            return std::nullopt;
        }
        out += program.readAllStandardOutput();
    }
    Shown shown;
    shown.milliseconds = double(clock.nsecsElapsed()) / 1e6;
    const QList<QByteArray> words = out.left(out.indexOf('\n')).split(' ');
    stop(program);
    if (words.size() != 3 || words[0] != "shown")
        return std::nullopt;
    shown.games = words[1].toInt();
    shown.sinceMain = words[2].toLongLong();
    return shown;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int runs = bench::intArgument(1, 7);
    QString asked = arguments.size() > 2 ? arguments[2] : QStringLiteral("/usr/games/");
    if (!asked.endsWith(u'/'))
        asked += u'/';
    QTemporaryDir work;
    if (runs < 1 || !work.isValid()) {
        std::fprintf(stderr, "usage: bench-startup [runs=7] [emulator directory=/usr/games/]\n");
        return 2;
    }

    // A home, XDG folders and an application directory of the sandbox's own, for this process,
    // the program and every emulator run: the user's files are never reached.
    const QDir root(work.path());
    const QString home = root.filePath(QStringLiteral("home"));
    const std::pair<const char*, QString> environment[] = {
        {"HOME", home},
        {"XDG_CONFIG_HOME", home + QStringLiteral("/.config")},
        {"XDG_DATA_HOME", home + QStringLiteral("/.local/share")},
        {"XDG_STATE_HOME", home + QStringLiteral("/.local/state")},
        {"XDG_CACHE_HOME", home + QStringLiteral("/.cache")},
        {"XDG_RUNTIME_DIR", root.filePath(QStringLiteral("runtime"))},
        {"MARQUEON_HOME", root.filePath(QStringLiteral("app"))},
        {"QT_QPA_PLATFORM", QStringLiteral("offscreen")},
        {"MARQUEON_STARTUP_MARK", QStringLiteral("1")},
    };
    root.mkpath(QStringLiteral("home"));
    root.mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const auto& [name, value] : environment)
        qputenv(name, QFile::encodeName(value));

    const std::optional<QString> directory = prepareEmulator(asked, work);
    if (!directory) {
        std::fprintf(stderr, "bench-startup: cannot lay out the stand-in emulator\n");
        return 1;
    }

    // The options a finished setup leaves, all games in the list: the first start goes straight to
    // building the catalogue, and saves the emulator's date when it ends, so that the later starts
    // build nothing.
    config::AppState state;
    state.setAppPath(root.filePath(QStringLiteral("app")));
    QByteArray folders;
    for (const auto& [key, folder] : {std::pair{"RetroROMs", "roms"}, std::pair{"NeoGeoROMs", "neogeo"},
                                      std::pair{"Samples", "samples"}, std::pair{"Snapshots", "snap"}}) {
        root.mkpath(QLatin1String(folder));
        folders += QByteArray(key) + '=' + QFile::encodeName(config::directoryText(root.filePath(folder))) + "\r\n";
    }
    root.mkpath(state.settingsPath());
    if (!io::writeText(
            state.optionsFile(),
            QStringLiteral("[Preferences]\r\nGameList=RetroP\r\nHideClones=False\r\n[Directories]\r\nMAME=") +
                config::directoryText(*directory) + QStringLiteral("\r\n") + QString::fromLocal8Bit(folders))) {
        std::fprintf(stderr, "bench-startup: cannot write the options file\n");
        return 1;
    }

    const QString log = root.filePath(QStringLiteral("stderr.txt"));
    const auto failed = [&](const char* what) {
        std::fprintf(stderr, "bench-startup: %s; the program's errors:\n", what);
        QFile errors(log);
        if (errors.open(QIODevice::ReadOnly))
            std::fprintf(stderr, "%s\n", errors.readAll().constData());
        return 1;
    };

    // The first start builds the catalogue from the emulator.
    QElapsedTimer building;
    building.start();
    const std::optional<Shown> built = start(log, 30 * 60 * 1000);
    if (!built)
        return failed("the first start showed no list");
    const int catalogued = int(io::readLines(state.cataloguePath()).value_or(QStringList()).size());
    std::printf("catalogue built by the program's first start from %s in %.1f s: %d games, %d shown\n",
                qPrintable(*directory), double(building.elapsed()) / 1000.0, catalogued, built->games);

    QList<double> times;
    QList<double> sinceMain;
    int games = 0;
    for (int run = 0; run < runs; ++run) {
        const std::optional<Shown> shown = start(log, 60000);
        if (!shown)
            return failed("a start showed no list within a minute");
        if (shown->games != catalogued)
            return failed(qPrintable(
                QStringLiteral("a start showed %1 games, not the catalogue's %2").arg(shown->games).arg(catalogued)));
        games = shown->games;
        times.append(shown->milliseconds);
        sinceMain.append(double(shown->sinceMain));
    }

    const double median = bench::median(times);
    std::printf("start to the list shown with %d games (each start a new process, offscreen):\n", games);
    std::printf("  first start %.1f ms (the catalogue just written: its files in the page cache)\n", times.first());
    std::printf("  median %.1f ms of %d starts, of which %.1f ms from main() on   runs:", median, runs,
                bench::median(sinceMain));
    for (double time : times)
        std::printf(" %.1f", time);
    std::printf("\n  goal < 300 ms: %s\n", median < 300.0 ? "ok" : "MISSED");
    return 0;
}

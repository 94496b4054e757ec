#include "core/catalogue/CatalogueBuild.h"
#include "core/catalogue/ListXmlBuild.h"

#include "support/RecordedProgress.h"
#include "support/TableRows.h"
#include <QFile>
#include <QProcess>

using Outcome = catalogue::Extraction::Outcome;
using Status = exec::RunResult::Status;

namespace {
// One game block as the emulator prints it; the keyword lines are given whole.
QByteArray block(const QByteArrayList& lines) {
    return "game (\n\t" + lines.join("\n\t") + "\n)\n\n";
}

const QByteArray Raster = "video ( screen raster orientation vertical x 224 y 288 colors 16 freq 60.0 )";
const QByteArray Good = "driver ( status good color good sound good )";

QByteArray game(const QByteArray& name, const QByteArray& extra = {}, const QByteArray& video = Raster,
                const QByteArray& driver = Good) {
    QByteArrayList lines = {"name " + name, "description \"Game " + name + "\"", "year 1981", "manufacturer \"Maker\""};
    if (!extra.isEmpty())
        lines << extra;
    return block(lines << "rom ( name a.1 size 4096 crc 01234567 region cpu1 offs 0 )" << video << driver);
}

// The catalogue line of game(name).
QByteArray entry(const QByteArray& name) {
    return lineOf("Game " + name + "|1981|Good|Good|Good|Maker|Raster|224x288   V|Original|" + name);
}
} // namespace

class TestCatalogueBuild : public QObject {
    Q_OBJECT
private slots:
    // What the emulator lists, then the catalogue (there before when nothing is extracted; "/": a folder).
    void build_data() {
        columns<QByteArray, QByteArray, Status, Outcome>({"listing", "catalogue", "run", "outcome"});
        const Status ran = Status::Finished;
        const Outcome written = Outcome::Written;
        row("vertical raster", game("galx"), entry("galx"), ran, written);
        // The positions do not move with the number of digits.
        row("horizontal, two-digit sizes",
            game("tiny", {}, "video ( screen raster orientation horizontal x 64 y 64 colors 2 )"),
            lineOf("Game tiny|1981|Good|Good|Good|Maker|Raster|64 x4 c   H|Original|tiny"), ran, written);
        row("vector, statuses",
            game("st", {}, "video ( screen vector orientation horizontal colors 256 freq 40.0 )",
                 "driver ( status preliminary color imperfect sound preliminary )"),
            lineOf("Game st|1981|Preliminary|Imperfect|Preliminary|Maker|Vector|Unknown H|Original|st"), ran, written);
        // Without the words the letter at position 6 of the line ("e" of "driver") is read.
        row("driver line without colour and sound", game("nocol", {}, Raster, "driver ( status good )"),
            lineOf("Game nocol|1981|Good|||Maker|Raster|224x288   V|Original|nocol"), ran, written);
        row("description without closing quote", block({"name open", "description \"Open End", Good}),
            lineOf("Open En||Good|Good|Good||||Original|open"), ran, written);
        row("clone, then an original", game("par") + game("clo", "cloneof par") + game("nxt"),
            entry("par") + lineOf("Game clo|1981|Good|Good|Good|Maker|Raster|224x288   V|Clone of par|clo") +
                entry("nxt"),
            ran, written);
        row("missing lines carry the previous game's values",
            game("first") + block({"name second", "description \"Second\"", Good}),
            entry("first") + lineOf("Second|1981|Good|Good|Good|Maker|Raster|224x288   V|Original|second"), ran,
            written);
        row("the Neo-Geo system and a block without name after it",
            game("before") + game("neogeo") + block({"description \"Nameless\"", "driver ( status good )"}) +
                game("after"),
            entry("before") + entry("after"), ran, written);
        row("no driver line", block({"name nodrv", "description \"No Driver\""}) + game("ok"), entry("ok"), ran,
            written);
        row("lines cut short", game("cut") + block({"name short", "video", "manufacturer", "description", Good}),
            entry("cut") + lineOf("|1981|Good|Good|Good|||224x288   V|Original|short"), ran, written);
        const QByteArray none, folder = "/";
        row("no games, catalogue kept", QByteArray("failed\n"), entry("a"), ran, Outcome::NoGames);
        row("no listing, catalogue kept", folder, entry("a"), Status::NotStarted, Outcome::ListingUnreadable);
        row("no games and no catalogue yet", none, none, ran, Outcome::NoGames);
        row("no listing and no catalogue yet", folder, none, Status::NotStarted, Outcome::ListingUnreadable);
        row("catalogue unwritable", game("a"), folder, ran, Outcome::CatalogueUnwritable);
        // An emulator that cannot be run in its directory leaves nothing to extract.
        row("no MAME directory", game("a"), entry("a"), Status::NoDirectory, written);
    }
    void build() {
        const QByteArray &listing = cell<QByteArray>("listing"), &catalogue = cell<QByteArray>("catalogue");
        const Status run = cell<Status>("run");
        const Outcome outcome = cell<Outcome>("outcome");
        TestSandbox sandbox;
        const config::AppState& state = sandbox.state();
        sandbox.setCatalogue(listing);
        place(state.listingPath(), listing == "/" ? "/" : "<none>");
        const bool replaced = outcome == Outcome::Written && run == Status::Finished;
        place(state.cataloguePath(), replaced ? "old" : catalogue.isEmpty() ? "<none>" : catalogue);
        if (run == Status::NoDirectory)
            QDir(sandbox.mamePath()).removeRecursively();
        RecordedProgress progress;
        exec::CommandRunner runner;
        exec::Emulator emulator(state);
        const catalogue::CatalogueBuild build = catalogue::buildCatalogue(runner, emulator, state, progress);
        QCOMPARE(build.run.status, run);
        QCOMPARE(build.extraction.outcome, outcome);
        QCOMPARE(catalogue::extractionProblem(build.extraction).isEmpty(), outcome == Outcome::Written);
        QCOMPARE(contents(state.cataloguePath()), catalogue);
        if (run != Status::NoDirectory)
            QCOMPARE(progress.messages,
                     QStringList({"Creating listinfo.txt...", "Creating gameinfo.txt...", QString()}));
    }

    // The classic emulator failing or writing nonsense: the former catalogue stays whole where it
    // failed, and odd output never stops the extraction.
    void buildClassicFaults_data() {
        columns<QByteArray, QByteArray, Outcome>({"control", "listing", "outcome"});
        row("dies half-way", QByteArray("-listinfo die"), game("a") + game("b"), Outcome::EmulatorFailed);
        row("error status, whole listing", QByteArray("-listinfo exit 3"), game("a"), Outcome::Written);
        row("binary garbage", QByteArray(), QByteArray("\x01\xff\0\x7f(\n\0\0", 8).repeated(1000), Outcome::NoGames);
        row("a 50 MB line", QByteArray(), QByteArray(50 << 20, 'x'), Outcome::NoGames);
        row("no final newline", QByteArray(), game("a").chopped(2), Outcome::Written);
    }
    void buildClassicFaults() {
        const Outcome outcome = cell<Outcome>("outcome");
        TestSandbox sandbox;
        const config::AppState& state = sandbox.state();
        sandbox.setCatalogue(cell<QByteArray>("listing"));
        writeFile(sandbox.mamePath() + "standin-control.txt", cell<QByteArray>("control"));
        writeFile(state.listingPath(), "the former listing\n");
        writeFile(state.cataloguePath(), entry("old"));
        RecordedProgress progress;
        exec::CommandRunner runner;
        exec::Emulator emulator(state);
        QCOMPARE(catalogue::buildCatalogue(runner, emulator, state, progress).extraction.outcome, outcome);
        QCOMPARE(readFile(state.cataloguePath()), outcome == Outcome::Written ? entry("a") : entry("old"));
        if (QByteArray(QTest::currentDataTag()).startsWith("dies")) // half a listing is never kept
            QCOMPARE(readFile(state.listingPath()), QByteArray("the former listing\n"));
    }

    // Today's emulator: its banner chooses -listxml, and a bad run keeps the former catalogue and
    // what stands beside it, byte for byte.
    void buildToday_data() {
        columns<QByteArray, QByteArray, QByteArray, Outcome>({"help", "control", "listxml", "outcome"});
        row("listed", QByteArray(), QByteArray(), QByteArray(), Outcome::Written);
        row("error status", QByteArray(), QByteArray("-listxml exit 3"), QByteArray(), Outcome::EmulatorFailed);
        row("dies half-way", QByteArray(), QByteArray("-listxml die"), QByteArray(), Outcome::EmulatorFailed);
        row("not XML", QByteArray(), QByteArray(), QByteArray("\x01\x02 binary garbage\n"), Outcome::BadDocument);
        row("cut short", QByteArray(), QByteArray(), QByteArray("<?xml version=\"1.0\"?>\n<mame>\n\t<machine"),
            Outcome::BadDocument);
        row("no game", QByteArray(), QByteArray(), QByteArray("<mame build=\"0\"></mame>\n"), Outcome::NoGames);
        row("a 50 MB line", QByteArray(), QByteArray(), QByteArray(50 << 20, '<'), Outcome::BadDocument);
        row("another program", QByteArray("usage: frobnicate [files]\n"), QByteArray(), QByteArray(),
            Outcome::UnknownEmulator);
    }
    void buildToday() {
        TestSandbox sandbox;
        const config::AppState& state = sandbox.state();
        writeFile(sandbox.mamePath() + "standin-today", "");
        for (const char* file : {"help", "control", "listxml"}) // the stand-in's answers
            place(sandbox.mamePath() + "standin-" + file + ".txt",
                  cell<QByteArray>(file).isEmpty() ? "<none>" : cell<QByteArray>(file));
        writeFile(state.cataloguePath(), entry("old"));
        writeFile(state.catalogueInfoPath(), "interface MAME\r\n");
        RecordedProgress progress;
        exec::CommandRunner runner;
        exec::Emulator emulator(state);
        const catalogue::CatalogueBuild build = catalogue::buildCatalogue(runner, emulator, state, progress);
        QTEST(build.extraction.outcome, "outcome");
        const QString problem = catalogue::extractionProblem(build.extraction);
        if (build.extraction.outcome != Outcome::Written) {
            QVERIFY(problem.endsWith("  The game list was not updated."));
            QCOMPARE(readFile(state.cataloguePath()), entry("old"));
            QCOMPARE(readFile(state.catalogueInfoPath()), QByteArray("interface MAME\r\n"));
            return;
        }
        QVERIFY(problem.isEmpty());
        QCOMPARE(emulator.interface(), exec::Interface::Today);
        // The demo catalogue's games, the Neo-Geo run last, as the stand-in lists them today.
        const QByteArray catalogue = readFile(state.cataloguePath());
        QVERIFY(catalogue.startsWith("\"") && catalogue.count("\r\n") > 40 && !catalogue.contains("\"neogeo\""));
        const std::optional<catalogue::CatalogueInfo> info = catalogue::readCatalogueInfo(state.catalogueInfoPath());
        QVERIFY(info && info->interface == exec::Interface::Today && info->neoGeoFrom > 0);
        QCOMPARE(*info, build.info);
        // The run begins with the Neo-Geo game first by name, as the emulator lists its machines.
        QVERIFY(catalogue.split('\n').value(info->neoGeoFrom).contains("\"blazkick\""));
        QVERIFY(!QFile::exists(state.listingPath()));
    }

    // Several listing runs at once give the catalogue, facts and information of one whole run,
    // byte for byte, however many; one of them failing keeps the former catalogue.
    void shards() {
        TestSandbox sandbox;
        const config::AppState& state = sandbox.state();
        writeFile(sandbox.mamePath() + "standin-today", "");
        exec::CommandRunner runner;
        const auto files = [&] {
            return QByteArrayList{readFile(state.cataloguePath()), readFile(state.gameFactsPath()),
                                  readFile(state.catalogueInfoPath())};
        };
        QByteArrayList whole;
        for (int shards : {1, 2, 3, 40}) {
            if (shards == 3)
                QFile::remove(state.cataloguePath()); // no former catalogue to balance by
            RecordedProgress progress;
            exec::Emulator emulator(state);
            const catalogue::CatalogueBuild build =
                catalogue::buildCatalogue(runner, emulator, state, progress, shards);
            QCOMPARE(build.extraction.outcome, Outcome::Written);
            if (whole.isEmpty())
                whole = files();
            QVERIFY2(files() == whole, qPrintable(QString::number(shards)));
        }
        // An emulator that knows no patterns, printing its whole list in every run, gives it too.
        QProcess listing;
        listing.start(sandbox.mamePath() + "mame", {"-listxml", "-nodtd"});
        QVERIFY(listing.waitForFinished());
        writeFile(sandbox.mamePath() + "standin-listxml.txt", listing.readAllStandardOutput());
        RecordedProgress ignoring;
        exec::Emulator unaware(state);
        QCOMPARE(catalogue::buildCatalogue(runner, unaware, state, ignoring, 3).extraction.outcome, Outcome::Written);
        QVERIFY(files() == whole);
        QFile::remove(sandbox.mamePath() + "standin-listxml.txt");
        const QStringList last = catalogue::shardPatterns(3, catalogue::nameStartCounts(state.cataloguePath())).last();
        writeFile(sandbox.mamePath() + "standin-control.txt", "-listxml@" + last.last().toLatin1() + " die\n");
        RecordedProgress progress;
        exec::Emulator emulator(state);
        QCOMPARE(catalogue::buildCatalogue(runner, emulator, state, progress, 3).extraction.outcome,
                 Outcome::EmulatorFailed);
        QVERIFY(files() == whole);
    }

    // Every name is asked for once, in order, in runs of about equal weight; a first character
    // too large for one run is split by the second.
    void shardPatterns() {
        const QHash<QString, qint64> counts{{"a", 50}, {"aa", 30}, {"ab", 20}, {"b", 50}, {"ba", 50}};
        const QList<QStringList> two = catalogue::shardPatterns(2, counts);
        QCOMPARE(two.size(), 2);
        QCOMPARE(two[0].first(), QStringLiteral("0*"));
        QCOMPARE(two[1].first(), QStringLiteral("ba*"));
        QCOMPARE(two[1].last(), QStringLiteral("z*"));
        QCOMPARE(two[0].size() + two[1].size(), 35 + 2 * 38);
        for (int shards : {1, 2, 8, 100}) {
            QStringList all;
            for (const QStringList& each : catalogue::shardPatterns(shards))
                all += each;
            QCOMPARE(all.size(), QSet<QString>(all.cbegin(), all.cend()).size());
            QVERIFY(all.contains("m*") != all.contains("m") && all.contains("z*") && all.contains("0*") &&
                    all.contains("_*"));
        }
    }
};

QTEST_GUILESS_MAIN(TestCatalogueBuild)
#include "TestCatalogueBuild.moc"

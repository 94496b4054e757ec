#include "core/catalogue/CatalogueLoader.h"
#include "core/catalogue/CommunityLists.h"
#include "support/RecordedProgress.h"
#include "support/TableRows.h"

using config::ListChoice;

namespace {
QByteArray line(const QByteArray& description, const QByteArray& rom, const QByteArray& origin = "Original") {
    return lineOf(description + "|1990|Good|Good|Good|Maker|Raster|224x288   V|" + origin + "|" + rom);
}

QString names(const QList<catalogue::GameRecord>& games) {
    QStringList result;
    for (const catalogue::GameRecord& game : games)
        result << game.romName();
    return result.join(u' ');
}
} // namespace

class TestCatalogueLoader : public QObject {
    Q_OBJECT
    TestSandbox m_sandbox;
private slots:
    void parsesRecords_data() {
        columns<QByteArray, QString>({"text", "fields"}); // fields joined by "|"; "-": damaged
        row("quoted", lineOf("A|1981|Good||Imperfect|M, Inc.|Raster|224x288   V|Original|a"),
            "A|1981|Good||Imperfect|M, Inc.|Raster|224x288   V|Original|a");
        row("unquoted fields are trimmed", QByteArray("A , 1981,x,x,x,x,x,x,x, a "), "A|1981|x|x|x|x|x|x|x|a");
        // An unescaped quote inside a field ends it; the rest up to the comma is dropped.
        row("quote inside a field", lineOf("Say \"Hi\" now|2||||||||z"), "Say |2||||||||z");
        row("doubled quotes are one", lineOf("Say \"\"Hi\"\" now|2||||||||z"), "Say \"Hi\" now|2||||||||z");
        row("nine fields", lineOf("A|1|||||||Original"), "-");
        row("eleven fields", lineOf("A|1|||||||Original|a|b"), "-");
        row("quote left open", lineOf("A|1|||||||Original|a").chopped(3), "-");
        row("empty line", QByteArray(), "-");
    }
    void parsesRecords() {
        const std::optional<catalogue::GameRecord> record = catalogue::RecordReader().parse(cell<QByteArray>("text"));
        QString fields = QStringLiteral("-");
        if (record) {
            const auto all = record->fields();
            fields = QStringList(all.begin(), all.end()).join(u'|');
        }
        QTEST(fields, "fields");
    }
    // The games of each list, and of damaged catalogues.
    void loads_data() {
        columns<ListChoice, bool, QByteArray, QString, QString, bool>(
            {"choice", "hideClones", "catalogue", "all", "installed", "damaged"});
        const QByteArray games = line("Alpha", "a1") + line("Alpha II", "a2", "Clone of a1") +
                                 line("Test", "sentetst") + line("Zero Champ", "sfzch") + line("Beta", "b") +
                                 line("NAM-1975", "nam1975") + line("Neo Two", "neo2", "Clone of nam1975") +
                                 line("Neo Three", "neo3");
        const auto R = ListChoice::Retro, A = ListChoice::All, N = ListChoice::NeoGeo;
        row("Retro", R, false, games, "a1 a2 b", "a1", false);
        row("Retro without clones", R, true, games, "a1 b", "a1", false);
        row("all", A, false, games, "a1 a2 sentetst sfzch b nam1975 neo2 neo3", "a1 b nam1975 neo3", false);
        row("all without clones", A, true, games, "a1 sentetst sfzch b nam1975 neo3", "a1 b nam1975 neo3", false);
        row("Neo-Geo", N, false, games, "nam1975 neo2 neo3", "nam1975", false);
        row("Neo-Geo without clones", N, true, games, "nam1975 neo3", "nam1975", false);
        row("no list", ListChoice::None, false, games, "", "", false);
        const QByteArray alpha = line("Alpha", "a1"), beta = line("Beta", "b");
        row("Retro without Neo-Geo games", R, false, alpha + beta, "a1 b", "a1", false);
        row("Neo-Geo without Neo-Geo games", N, false, alpha + beta, "", "", false);
        row("record with fewer fields", A, false, alpha + "\"Broken\",\"1\"\r\n" + beta, "a1 b", "a1 b", true);
        row("last line cut short", A, false, alpha + beta.chopped(2), "a1 b", "a1 b", true);
        row("cut inside the last line", A, false, alpha + beta.left(20), "a1", "a1", true);
        row("no catalogue", A, false, QByteArray("<none>"), "", "", false);
    }
    void loads() {
        const config::AppState& state = m_sandbox.state();
        TestSandbox::addArchive(state.directories.retroRoms, "a1");
        TestSandbox::addArchive(state.directories.neoGeoRoms, "b"); // a Retro game with the Neo-Geo games
        TestSandbox::addArchive(state.directories.neoGeoRoms, "nam1975");
        TestSandbox::addArchive(state.directories.retroRoms, "neo3"); // a Neo-Geo game with the Retro games
        TestSandbox::addArchive(state.directories.retroRoms, "A2");   // names are compared as they are
        const QByteArray& catalogue = cell<QByteArray>("catalogue");
        place(state.cataloguePath(), catalogue);
        RecordedProgress progress;
        const catalogue::GameLists lists =
            catalogue::loadGames(cell<ListChoice>("choice"),
                                 {state.cataloguePath(), state.directories.retroRoms, state.directories.neoGeoRoms,
                                  cell<bool>("hideClones")},
                                 progress);
        QTEST(names(lists.all), "all");
        QTEST(names(lists.installed), "installed");
        QStringList uninstalled = names(lists.all).split(u' ', Qt::SkipEmptyParts);
        for (const QString& name : cell<QString>("installed").split(u' ', Qt::SkipEmptyParts))
            uninstalled.removeOne(name);
        QCOMPARE(names(lists.uninstalled), uninstalled.join(u' '));
        QCOMPARE(progress.count, lists.all.size());
        QTEST(lists.damaged, "damaged");
        QCOMPARE(lists.missing, catalogue == "<none>");
    }

    // Today's catalogue says where its Neo-Geo run begins; its sets may be 7z files or folders,
    // and a game that needs no ROM file is installed without one.
    void loadsToday_data() {
        columns<ListChoice, QString, QString>({"choice", "all", "installed"});
        row("Retro", ListChoice::Retro, "a1 pong b", "a1 pong");
        row("all", ListChoice::All, "a1 pong b nam1975 neo2", "a1 pong b nam1975");
        row("Neo-Geo", ListChoice::NeoGeo, "nam1975 neo2", "nam1975");
    }
    void loadsToday() {
        const config::AppState& state = m_sandbox.state();
        writeFile(state.directories.retroRoms + "a1.7z", "");
        writeFile(state.directories.neoGeoRoms + "b/b.1", "");
        writeFile(state.directories.neoGeoRoms + "nam1975/n.1", "");
        place(state.cataloguePath(), line("Alpha", "a1") + line("Pong", "pong") + line("Beta", "b") +
                                         line("NAM-1975 (NGM-001 ~ NGH-001)", "nam1975") +
                                         line("Neo Two", "neo2", "Clone of nam1975"));
        exec::Emulator emulator(state, exec::Interface::Today);
        emulator.setRomless({"pong"});
        RecordedProgress progress;
        const catalogue::GameLists lists = catalogue::loadGames(
            cell<ListChoice>("choice"),
            {state.cataloguePath(), state.directories.retroRoms, state.directories.neoGeoRoms, false, &emulator, 3},
            progress);
        QTEST(names(lists.all), "all");
        QTEST(names(lists.installed), "installed");
    }

    // Each game meets its own facts, wherever the facts file has them and whatever it lacks; the
    // user's lists add genres and players (theirs first), and may leave mature games out.
    void joinsFactsAndLists_data() {
        columns<bool, QString>({"hideMature", "games"});
        row("all shown", false, "a1:2:Shooter b:1:Mahjong! c:3: d:0:");
        row("mature hidden", true, "a1:2:Shooter c:3: d:0:");
    }
    void joinsFactsAndLists() {
        const config::AppState& state = m_sandbox.state();
        place(state.cataloguePath(), line("Alpha", "a1") + line("Beta", "b") + line("Gamma", "c") + line("D", "d"));
        const QString factsPath = m_sandbox.root() + "/gamedata.txt";
        place(factsPath, "a1\tgood\t1\t2\t4\t1\t0\tjoy8\nc\tgood\t1\t2\t1\t1\t0\tdial\n"
                         "b\tpreliminary\t0\tx\t1\t1\t0\t\nb\tpreliminary\t0\t1\t1\t1\t0\tmahjong\n");
        catalogue::CommunityLists lists;
        lists.genres = {{"a1", {"Shooter", false}}, {"b", {"Mahjong", true}}};
        lists.players = {{"c", 3}};
        RecordedProgress progress;
        const catalogue::GameLists loaded =
            catalogue::loadGames(ListChoice::All,
                                 {state.cataloguePath(), state.directories.retroRoms, state.directories.neoGeoRoms,
                                  false, nullptr, -1, factsPath, &lists, cell<bool>("hideMature")},
                                 progress);
        QStringList games;
        for (const catalogue::GameRecord& game : loaded.all)
            games << QStringLiteral("%1:%2:%3%4")
                         .arg(game.romName())
                         .arg(game.facts().players)
                         .arg(game.facts().genre, game.facts().mature ? "!" : "");
        QTEST(games.join(u' '), "games");
        QCOMPARE(loaded.all.first().facts().controls, quint32(catalogue::Joystick | catalogue::Joystick8Way));
        QVERIFY(loaded.abilities.details && loaded.abilities.genres && loaded.abilities.players);
    }
};

QTEST_GUILESS_MAIN(TestCatalogueLoader)
#include "TestCatalogueLoader.moc"

#include "catalogue/CatalogueLoader.h"
#include "support/NullProgress.h"
#include "support/TestSandbox.h"

#include <QTest>

using catalogue::GameLists;
using catalogue::GameRecord;
using catalogue::LoadSettings;

namespace {

QByteArray line(const QByteArray& description, const QByteArray& rom, const QByteArray& origin = "Original") {
    return "\"" + description + "\",\"1990\",\"Good\",\"Good\",\"Good\",\"Maker\",\"Raster\",\"224x288   V\",\"" +
           origin + "\",\"" + rom + "\"\r\n";
}

QStringList names(const QList<GameRecord>& games) {
    QStringList result;
    for (const GameRecord& game : games)
        result << game.romName();
    return result;
}

} // namespace

class TestCatalogueLoader : public QObject {
    Q_OBJECT

private slots:
    void parsesRecords_data();
    void parsesRecords();
    void loadsByListChoice_data();
    void loadsByListChoice();
    void withoutNeoGeoBoundary();
    void damagedCatalogue_data();
    void damagedCatalogue();
    void listChoices();

private:
    GameLists load(const QString& choice, const QByteArray& catalogue, bool hideClones = false);
    TestSandbox m_sandbox;
};

void TestCatalogueLoader::parsesRecords_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("fields"); // empty: damaged

    QTest::newRow("quoted") << QByteArray("\"A\",\"1981\",\"Good\",\"\",\"Imperfect\",\"M, Inc.\",\"Raster\","
                                          "\"224x288   V\",\"Original\",\"a\"")
                            << QStringList{"A",       "1981",   "Good",        "",         "Imperfect",
                                           "M, Inc.", "Raster", "224x288   V", "Original", "a"};
    QTest::newRow("unquoted fields are trimmed")
        << QByteArray("A , 1981,x,x,x,x,x,x,x, a ") << QStringList{"A", "1981", "x", "x", "x", "x", "x", "x", "x", "a"};
    // An unescaped quote inside a field ends it; the rest up to the comma is dropped.
    QTest::newRow("quote inside a field")
        << QByteArray("\"Say \"Hi\" now\",\"2\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"z\"")
        << QStringList{"Say ", "2", "", "", "", "", "", "", "", "z"};
    QTest::newRow("nine fields") << QByteArray("\"A\",\"1\",\"\",\"\",\"\",\"\",\"\",\"\",\"Original\"")
                                 << QStringList();
    QTest::newRow("eleven fields") << QByteArray("\"A\",\"1\",\"\",\"\",\"\",\"\",\"\",\"\",\"Original\",\"a\",\"b\"")
                                   << QStringList();
    QTest::newRow("quote left open") << QByteArray("\"A\",\"1\",\"\",\"\",\"\",\"\",\"\",\"\",\"Original\",\"a")
                                     << QStringList();
    QTest::newRow("empty line") << QByteArray() << QStringList();
}

void TestCatalogueLoader::parsesRecords() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, fields);
    const std::optional<GameRecord> record = catalogue::parseRecord(text);
    QCOMPARE(record.has_value(), !fields.isEmpty());
    if (record)
        QCOMPARE(QStringList(record->fields.begin(), record->fields.end()), fields);
}

GameLists TestCatalogueLoader::load(const QString& choice, const QByteArray& catalogue, bool hideClones) {
    const QString path = m_sandbox.reportsPath() + "gameinfo.txt";
    writeFile(path, catalogue);
    RecordedProgress progress;
    const LoadSettings settings{path, m_sandbox.state().ROMPath, m_sandbox.state().NeoROMPath, hideClones};
    GameLists lists = catalogue::listChoice(choice).load(settings, progress);
    if (progress.count != lists.all.size())
        qWarning("the count shown was %d for %lld games", progress.count, qint64(lists.all.size()));
    return lists;
}

void TestCatalogueLoader::loadsByListChoice_data() {
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("hideClones");
    QTest::addColumn<QStringList>("all");
    QTest::addColumn<QStringList>("installed");

    QTest::newRow("Retro") << "Retro" << false << QStringList{"a1", "a2", "b"} << QStringList{"a1"};
    QTest::newRow("Retro without clones") << "Retro" << true << QStringList{"a1", "b"} << QStringList{"a1"};
    QTest::newRow("all") << "RetroP" << false
                         << QStringList{"a1", "a2", "sentetst", "sfzch", "b", "nam1975", "neo2", "neo3"}
                         << QStringList{"a1", "b", "nam1975", "neo3"};
    QTest::newRow("all without clones") << "RetroP" << true
                                        << QStringList{"a1", "sentetst", "sfzch", "b", "nam1975", "neo3"}
                                        << QStringList{"a1", "b", "nam1975", "neo3"};
    QTest::newRow("Neo-Geo") << "NeoOnly" << false << QStringList{"nam1975", "neo2", "neo3"} << QStringList{"nam1975"};
    QTest::newRow("Neo-Geo without clones")
        << "NeoOnly" << true << QStringList{"nam1975", "neo3"} << QStringList{"nam1975"};
}

void TestCatalogueLoader::loadsByListChoice() {
    QFETCH(QString, choice);
    QFETCH(bool, hideClones);
    QFETCH(QStringList, all);
    QFETCH(QStringList, installed);

    const app::AppState& state = m_sandbox.state();
    TestSandbox::addArchive(state.ROMPath, "a1");
    TestSandbox::addArchive(state.NeoROMPath, "b"); // a Retro game whose archive lies with the Neo-Geo games
    TestSandbox::addArchive(state.NeoROMPath, "nam1975");
    TestSandbox::addArchive(state.ROMPath, "neo3"); // a Neo-Geo game whose archive lies with the Retro games
    TestSandbox::addArchive(state.ROMPath, "A2");   // names are compared as they are
    const QByteArray catalogue = line("Alpha", "a1") + line("Alpha II", "a2", "Clone of a1") +
                                 line("Test", "sentetst") + line("Zero Champ", "sfzch") + line("Beta", "b") +
                                 line("NAM-1975", "nam1975") + line("Neo Two", "neo2", "Clone of nam1975") +
                                 line("Neo Three", "neo3");

    const GameLists lists = load(choice, catalogue, hideClones);
    QCOMPARE(names(lists.all), all);
    QCOMPARE(names(lists.installed), installed);
    QStringList uninstalled = all;
    for (const QString& name : installed)
        uninstalled.removeOne(name);
    QCOMPARE(names(lists.uninstalled), uninstalled);
    QVERIFY(!lists.damaged);
}

void TestCatalogueLoader::withoutNeoGeoBoundary() {
    const QByteArray catalogue = line("Alpha", "a1") + line("Beta", "b");
    QCOMPARE(names(load("Retro", catalogue).all), QStringList({"a1", "b"}));
    QCOMPARE(names(load("NeoOnly", catalogue).all), QStringList());
}

void TestCatalogueLoader::damagedCatalogue_data() {
    QTest::addColumn<QByteArray>("catalogue");
    QTest::addColumn<QStringList>("readable");
    QTest::newRow("record with fewer fields")
        << line("Alpha", "a1") + "\"Broken\",\"1\"\r\n" + line("Beta", "b") << QStringList{"a1", "b"};
    QTest::newRow("quote left open") << line("Alpha", "a1") + "\"Broken,\"1\r\n" + line("Beta", "b")
                                     << QStringList{"a1", "b"};
    QTest::newRow("last line cut short") << line("Alpha", "a1") + line("Beta", "b").chopped(2)
                                         << QStringList{"a1", "b"};
    QTest::newRow("cut inside the last line") << line("Alpha", "a1") + line("Beta", "b").left(20) << QStringList{"a1"};
}

void TestCatalogueLoader::damagedCatalogue() {
    QFETCH(QByteArray, catalogue);
    QFETCH(QStringList, readable);
    const GameLists lists = load("RetroP", catalogue);
    QVERIFY(lists.damaged);
    QCOMPARE(names(lists.all), readable);
}

void TestCatalogueLoader::listChoices() {
    QCOMPARE(catalogue::listChoice("Retro").caption, QStringLiteral("Retro Games"));
    QCOMPARE(catalogue::listChoice("RetroP").caption, QStringLiteral("All Games"));
    QCOMPARE(catalogue::listChoice("NeoOnly").caption, QStringLiteral("Neo-Geo Games"));
    QVERIFY(!catalogue::listChoice("retro").load);
    QVERIFY(!catalogue::listChoice("").load);
    RecordedProgress progress;
    QVERIFY(catalogue::LoadAllList({m_sandbox.reportsPath() + "none.txt", {}, {}, false}, progress).missing);
}

QTEST_GUILESS_MAIN(TestCatalogueLoader)
#include "TestCatalogueLoader.moc"

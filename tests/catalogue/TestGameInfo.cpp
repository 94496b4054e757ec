#include "catalogue/GameInfo.h"
#include "exec/CommandRunner.h"
#include "exec/MameCommands.h"
#include "support/NullProgress.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSandbox.h"

#include <QFile>
#include <QTest>

using catalogue::Extraction;

namespace {

// One game block as the emulator prints it; the keyword lines are given whole.
QByteArray block(const QByteArrayList& lines) {
    QByteArray text = "game (\n";
    for (const QByteArray& line : lines)
        text += '\t' + line + '\n';
    return text + ")\n\n";
}

QByteArray
game(const QByteArray& name, const QByteArray& extra = {},
     const QByteArray& video = "video ( screen raster orientation vertical x 224 y 288 colors 16 freq 60.0 )",
     const QByteArray& driver = "driver ( status good color good sound good )") {
    QByteArrayList lines = {"name " + name, "description \"Game " + name + "\"", "year 1981", "manufacturer \"Maker\""};
    if (!extra.isEmpty())
        lines << extra;
    lines << "rom ( name a.1 size 4096 crc 01234567 region cpu1 offs 0 )" << video << driver;
    return block(lines);
}

} // namespace

class TestGameInfo : public QObject {
    Q_OBJECT

private slots:
    void extractsFromTheEmulatorListing_data();
    void extractsFromTheEmulatorListing();
    void failedExtractionKeepsTheCatalogue_data();
    void failedExtractionKeepsTheCatalogue();
};

void TestGameInfo::extractsFromTheEmulatorListing_data() {
    QTest::addColumn<QByteArray>("listing");
    QTest::addColumn<QByteArray>("catalogue");

    QTest::newRow("vertical raster") << game("galx")
                                     << QByteArray("\"Game galx\",\"1981\",\"Good\",\"Good\",\"Good\",\"Maker\","
                                                   "\"Raster\",\"224x288   V\",\"Original\",\"galx\"\r\n");
    QTest::newRow("horizontal raster")
        << game("hor", {}, "video ( screen raster orientation horizontal x 256 y 224 colors 16 freq 60.0 )")
        << QByteArray("\"Game hor\",\"1981\",\"Good\",\"Good\",\"Good\",\"Maker\",\"Raster\",\"256x224   H\","
                      "\"Original\",\"hor\"\r\n");
    // The positions do not move with the number of digits.
    QTest::newRow("two-digit sizes")
        << game("tiny", {}, "video ( screen raster orientation vertical x 64 y 64 colors 2 freq 60.0 )")
        << QByteArray("\"Game tiny\",\"1981\",\"Good\",\"Good\",\"Good\",\"Maker\",\"Raster\",\"64 x4 c   V\","
                      "\"Original\",\"tiny\"\r\n");
    QTest::newRow("vector") << game("vec", {}, "video ( screen vector orientation horizontal colors 256 freq 40.0 )")
                            << QByteArray("\"Game vec\",\"1981\",\"Good\",\"Good\",\"Good\",\"Maker\",\"Vector\","
                                          "\"Unknown H\",\"Original\",\"vec\"\r\n");
    QTest::newRow("statuses") << game("st", {}, "video ( screen vector orientation vertical colors 256 freq 40.0 )",
                                      "driver ( status preliminary color imperfect sound preliminary )")
                              << QByteArray("\"Game st\",\"1981\",\"Preliminary\",\"Imperfect\",\"Preliminary\","
                                            "\"Maker\",\"Vector\",\"Unknown V\",\"Original\",\"st\"\r\n");
    // Without the words the letter at position 6 of the line ("e" of "driver") is read.
    QTest::newRow("driver line without colour and sound")
        << game("nocol", {}, "video ( screen raster orientation vertical x 224 y 288 colors 16 freq 60.0 )",
                "driver ( status good )")
        << QByteArray("\"Game nocol\",\"1981\",\"Good\",\"\",\"\",\"Maker\",\"Raster\",\"224x288   V\","
                      "\"Original\",\"nocol\"\r\n");
    QTest::newRow("description without closing quote")
        << block({"name open", "description \"Open End", "driver ( status good color good sound good )"})
        << QByteArray("\"Open En\",\"\",\"Good\",\"Good\",\"Good\",\"\",\"\",\"\",\"Original\",\"open\"\r\n");
    QTest::newRow("clone, then an original") << game("par") + game("clo", "cloneof par") + game("nxt")
                                             << QByteArray("\"Game par\",\"1981\",\"Good\",\"Good\",\"Good\","
                                                           "\"Maker\",\"Raster\",\"224x288   V\",\"Original\","
                                                           "\"par\"\r\n"
                                                           "\"Game clo\",\"1981\",\"Good\",\"Good\",\"Good\","
                                                           "\"Maker\",\"Raster\",\"224x288   V\",\"Clone of par\","
                                                           "\"clo\"\r\n"
                                                           "\"Game nxt\",\"1981\",\"Good\",\"Good\",\"Good\","
                                                           "\"Maker\",\"Raster\",\"224x288   V\",\"Original\","
                                                           "\"nxt\"\r\n");
    QTest::newRow("missing lines carry the previous game's values")
        << game("first") +
               block({"name second", "description \"Second\"", "driver ( status good color good sound good )"})
        << QByteArray("\"Game first\",\"1981\",\"Good\",\"Good\",\"Good\",\"Maker\",\"Raster\",\"224x288   V\","
                      "\"Original\",\"first\"\r\n"
                      "\"Second\",\"1981\",\"Good\",\"Good\",\"Good\",\"Maker\",\"Raster\",\"224x288   V\","
                      "\"Original\",\"second\"\r\n");
    QTest::newRow("the Neo-Geo system and a block without name after it")
        << game("before") + game("neogeo") + block({"description \"Nameless\"", "driver ( status good )"}) +
               game("after")
        << QByteArray("\"Game before\",\"1981\",\"Good\",\"Good\",\"Good\",\"Maker\",\"Raster\",\"224x288   V\","
                      "\"Original\",\"before\"\r\n"
                      "\"Game after\",\"1981\",\"Good\",\"Good\",\"Good\",\"Maker\",\"Raster\",\"224x288   V\","
                      "\"Original\",\"after\"\r\n");
    QTest::newRow("block without driver line") << block({"name nodrv", "description \"No Driver\""}) + game("ok")
                                               << QByteArray("\"Game ok\",\"1981\",\"Good\",\"Good\",\"Good\","
                                                             "\"Maker\",\"Raster\",\"224x288   V\",\"Original\","
                                                             "\"ok\"\r\n");
    QTest::newRow("lines cut short") << game("cut") + block({"name short", "video", "manufacturer", "description",
                                                             "driver ( status good color good sound good )"})
                                     << QByteArray("\"Game cut\",\"1981\",\"Good\",\"Good\",\"Good\",\"Maker\","
                                                   "\"Raster\",\"224x288   V\",\"Original\",\"cut\"\r\n"
                                                   "\"\",\"1981\",\"Good\",\"Good\",\"Good\",\"\",\"\","
                                                   "\"224x288   V\",\"Original\",\"short\"\r\n");
}

void TestGameInfo::extractsFromTheEmulatorListing() {
    QFETCH(QByteArray, listing);
    QFETCH(QByteArray, catalogue);
    TestSandbox sandbox;
    sandbox.setCatalogue(listing);
    ScriptedDialogs dialogs;
    exec::CommandRunner runner(dialogs);
    RecordedProgress progress;
    QCOMPARE(catalogue::CreateListInfo(runner, exec::MameCommands(sandbox.state()), progress), exec::RunResult::Ran);
    const Extraction result = catalogue::CreateGameInfo(sandbox.reportsPath() + "listinfo.txt",
                                                        sandbox.reportsPath() + "gameinfo.txt", progress);
    QCOMPARE(result.outcome, Extraction::Outcome::Written);
    QCOMPARE(readFile(sandbox.reportsPath() + "gameinfo.txt"), catalogue);
    QCOMPARE(progress.messages, QStringList({"Creating listinfo.txt...", "Creating gameinfo.txt...", QString()}));
}

void TestGameInfo::failedExtractionKeepsTheCatalogue_data() {
    QTest::addColumn<QByteArray>("listing"); // "<none>": the listing cannot be read
    QTest::addColumn<bool>("hadCatalogue");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QByteArray>("catalogue"); // "<none>": no file

    const QByteArray good = "\"A\",\"1\",\"\",\"\",\"\",\"\",\"\",\"\",\"Original\",\"a\"\r\n";
    QTest::newRow("no games, catalogue kept")
        << QByteArray("emulator failed\n") << true << int(Extraction::Outcome::NoGames) << good;
    QTest::newRow("no listing, catalogue kept")
        << QByteArray("<none>") << true << int(Extraction::Outcome::ListingUnreadable) << good;
    QTest::newRow("no games and no catalogue yet")
        << QByteArray() << false << int(Extraction::Outcome::NoGames) << QByteArray();
    QTest::newRow("no listing and no catalogue yet")
        << QByteArray("<none>") << false << int(Extraction::Outcome::ListingUnreadable) << QByteArray();
}

void TestGameInfo::failedExtractionKeepsTheCatalogue() {
    QFETCH(QByteArray, listing);
    QFETCH(bool, hadCatalogue);
    QFETCH(int, outcome);
    QFETCH(QByteArray, catalogue);
    TestSandbox sandbox;
    const QString listInfo = sandbox.reportsPath() + "listinfo.txt";
    const QString gameInfo = sandbox.reportsPath() + "gameinfo.txt";
    if (listing != "<none>")
        writeFile(listInfo, listing);
    if (hadCatalogue)
        writeFile(gameInfo, catalogue);
    RecordedProgress progress;
    const Extraction result = catalogue::CreateGameInfo(listInfo, gameInfo, progress);
    QCOMPARE(int(result.outcome), outcome);
    QVERIFY(!catalogue::extractionProblem(result).isEmpty());
    QVERIFY(QFile::exists(gameInfo));
    QCOMPARE(readFile(gameInfo), catalogue);
}

QTEST_GUILESS_MAIN(TestGameInfo)
#include "TestGameInfo.moc"

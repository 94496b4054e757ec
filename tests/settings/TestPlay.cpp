#include "support/MainWindowSession.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>

namespace {

const QList<ListedGame> PlayGames = {
    {"galx", "Galaxy Raid"},
    {"galxb", "Galaxy Raid (bootleg)", "galx"},
    {"vecx", "Vector Blast", {}, "1980", "video ( screen vector orientation horizontal colors 256 freq 40.0 )"},
    {"nam1975", "NAM-1975", {}, "1990"},
};

} // namespace

class TestPlay : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_session.reset(); }

    void playsWithTheRightSettings_data();
    void playsWithTheRightSettings();
    void refusesUninstalledGames_data();
    void refusesUninstalledGames();
    void shiftShowsTheCommandLine_data();
    void shiftShowsTheCommandLine();
    void parametersAreNeverACommand();
    void shortSettingsFileWarnsAndPlays();

private:
    bool startOn(const QByteArray& view);
    void selectRom(const char* list, const QString& rom);
    QStringList play();
    std::unique_ptr<Session> m_session;
};

void TestPlay::init() {
    m_session = std::make_unique<Session>();
    m_session->sandbox.setCatalogue(listing(PlayGames));
    TestSandbox::addArchive(m_session->sandbox.state().ROMPath, "vecx");
}

bool TestPlay::startOn(const QByteArray& view) {
    m_session->sandbox.writeOptions("RetroP", "[ShutDown]\r\nGameView=" + view + "\r\n");
    return m_session->start();
}

void TestPlay::selectRom(const char* list, const QString& rom) {
    GameListView* view = m_session->list(list);
    for (int row = 0; row < view->count(); ++row) {
        if (view->games()->game(row).romName() == rom)
            m_session->clickRow(view, row);
    }
}

QStringList TestPlay::play() {
    QFile::remove(m_session->sandbox.mamePath() + "standin-lastrun.txt");
    QTest::mouseClick(m_session->child<QPushButton>("cmdPlay"), Qt::LeftButton);
    return m_session->sandbox.lastRunArguments();
}

void TestPlay::playsWithTheRightSettings_data() {
    QTest::addColumn<QString>("rom");
    QTest::addColumn<QByteArray>("raster"); // raster.cfg, empty for none
    QTest::addColumn<QByteArray>("vector"); // vector.cfg
    QTest::addColumn<QByteArray>("custom"); // <rom>.cfg
    QTest::addColumn<QStringList>("arguments");

    QByteArray raster;
    const QByteArrayList rasterRecords = {"\"-auto\",0",
                                          "\"-vgafreq 0\",0",
                                          "\"-monitor standard\",0",
                                          "\"-gamma 1.20\",14",
                                          "\"-depth auto\",0",
                                          "\"-vesamode auto\",0",
                                          "\"-skipcolumns 0\",25",
                                          "\"-skiplines 0\",25",
                                          "\"none\",0",
                                          "\"none\",0",
                                          "\"-centerx 0\",8",
                                          "\"-centery 0\",16",
                                          "\"Ask\",0",
                                          "\"-sr 22050\",1",
                                          "\"-sb 8\",0",
                                          "\"-volume 0\",32",
                                          "\"none\"",
                                          "\"-joy 4Button\",4",
                                          "\"none\",0",
                                          "\"-frameskip auto\",1",
                                          "\"-notweak\"",
                                          "\"-noscanlines\"",
                                          "\"-noalwayssynced\"",
                                          "\"-stretch\"",
                                          "\"-novsync\"",
                                          "\"none\"",
                                          "\"-notriplebuffer\"",
                                          "\"none\"",
                                          "\"none\"",
                                          "\"-artwork\"",
                                          "\"-nowaitvsync\"",
                                          "\"-samples\"",
                                          "\"-stereo\"",
                                          "\"-noym3812opl\"",
                                          "\"-mouse\"",
                                          "\"none\"",
                                          "\"none\""};
    for (const QByteArray& record : rasterRecords)
        raster += record + "\r\n";
    const QByteArray vector =
        raster + "\"-beam 2.5\",15\r\n\"-flicker 0\",0\r\n\"-noantialias\"\r\n\"-translucency\"\r\n";
    QByteArray custom = raster;
    custom.replace("\"-gamma 1.20\",14", "\"-GAMMA 0.80\",6");

    QTest::newRow("no settings file") << "galx" << QByteArray() << QByteArray() << QByteArray() << QStringList{"galx"};
    QTest::newRow("raster defaults") << "galx" << raster << vector << QByteArray()
                                     << QStringList{"galx", "-gamma", "1.20", "-joy", "4button", "-noscanlines"};
    QTest::newRow("custom settings, capitals lowered")
        << "galx" << raster << QByteArray() << custom
        << QStringList{"galx", "-gamma", "0.80", "-joy", "4button", "-noscanlines"};
    QTest::newRow("vector options come last")
        << "vecx" << raster << vector << QByteArray()
        << QStringList{"vecx", "-gamma", "1.20", "-joy", "4button", "-noscanlines", "-beam", "2.5", "-noantialias"};
    QTest::newRow("a vector game without vector defaults")
        << "vecx" << raster << QByteArray() << QByteArray() << QStringList{"vecx"};
    QTest::newRow("archive only in the Neo-Geo folder")
        << "nam1975" << QByteArray() << QByteArray() << QByteArray() << QStringList{"nam1975"};
}

void TestPlay::playsWithTheRightSettings() {
    QFETCH(QString, rom);
    QFETCH(QByteArray, raster);
    QFETCH(QByteArray, vector);
    QFETCH(QByteArray, custom);
    QFETCH(QStringList, arguments);
    const QString settings = m_session->sandbox.appPath() + "settings/";
    if (!raster.isEmpty())
        writeFile(settings + "raster.cfg", raster);
    if (!vector.isEmpty())
        writeFile(settings + "vector.cfg", vector);
    if (!custom.isEmpty())
        writeFile(settings + rom + ".cfg", custom);
    QVERIFY(startOn("All Games"));
    selectRom("lvAll", rom);
    QCOMPARE(play(), arguments);
    QVERIFY(m_session->dialogs.shown.isEmpty());

    // The same game from the installed list starts the same way.
    m_session->window->mnuViewInstalled_Click();
    selectRom("lvInstalled", rom);
    QCOMPARE(play(), arguments);
    QCOMPARE(m_session->selectedRom("lvInstalled"), rom); // the selection is kept
}

void TestPlay::refusesUninstalledGames_data() {
    QTest::addColumn<QByteArray>("view");
    QTest::addColumn<QString>("list");
    QTest::newRow("all games") << QByteArray("All Games") << "lvAll";
    QTest::newRow("uninstalled games") << QByteArray("Uninstalled Games") << "lvUninstalled";
}

void TestPlay::refusesUninstalledGames() {
    QFETCH(QByteArray, view);
    QFETCH(QString, list);
    QVERIFY(startOn(view));
    selectRom(qPrintable(list), "galxb");
    m_session->window->cmdPlay_Click(); // the button is disabled: the menu or a double click get here
    QCOMPARE(m_session->dialogs.texts(), QStringList{"This game is not installed."});
    QCOMPARE(m_session->dialogs.shown.first().icon, app::Dialogs::Icon::Information);
    QVERIFY(!QFile::exists(m_session->sandbox.mamePath() + "standin-lastrun.txt"));
}

void TestPlay::shiftShowsTheCommandLine_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestPlay::shiftShowsTheCommandLine() {
    QFETCH(bool, yes);
    QVERIFY(startOn("All Games"));
    auto* button = m_session->child<QPushButton>("cmdPlay");
    QTest::keyPress(button, Qt::Key_Shift, Qt::ShiftModifier);
    m_session->dialogs.answers << yes;
    QCOMPARE(play(), yes ? QStringList{"galx"} : QStringList());
    QCOMPARE(m_session->dialogs.texts(), QStringList{"Command Line: mame galx\rLength: 9 characters\r\r"
                                                     "Do you want to play the game with these settings?"});
    QCOMPARE(m_session->dialogs.shown.first().icon, app::Dialogs::Icon::Exclamation);

    // One question per Shift: the next Play asks nothing.
    QCOMPARE(play(), QStringList{"galx"});
    QCOMPARE(m_session->dialogs.shown.size(), 1);
}

void TestPlay::parametersAreNeverACommand() {
    QVERIFY(startOn("All Games"));
    // Typed into the panel's parameters box and saved as custom settings.
    m_session->child<QAction>("mnuToolsCustom")->trigger();
    m_session->child<QLineEdit>("txtAddPar")->setText("; rm -rf ~ && touch pwned");
    QTest::mouseClick(m_session->child<QPushButton>("cmdOK"), Qt::LeftButton);
    QCOMPARE(play(), QStringList({"galx", ";", "rm", "-rf", "~", "&&", "touch", "pwned"}));
    QVERIFY(!QFile::exists(m_session->sandbox.mamePath() + "pwned"));
}

void TestPlay::shortSettingsFileWarnsAndPlays() {
    writeFile(m_session->sandbox.appPath() + "settings/raster.cfg", "\"-1024x768\",12\r\n\"-vgafreq 0\",0\r\n");
    QVERIFY(startOn("All Games"));
    QCOMPARE(play(), QStringList({"galx", "-1024x768"}));
    QCOMPARE(m_session->dialogs.texts(),
             QStringList{"Options have changed with this version of M.A.M.E.!\r"
                         "Check over your settings and press OK to recreate your defaults."});
}

QTEST_MAIN(TestPlay)
#include "TestPlay.moc"

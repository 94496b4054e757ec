#include "app/IniFile.h"
#include "app/Options.h"
#include "support/TestSandbox.h"

#include <QTemporaryDir>
#include <QTest>

class TestOptions : public QObject {
    Q_OBJECT

private slots:
    void booleans_data();
    void booleans();
    void defaultsForMissingKeys();
    void readsStoredValues();
    void damagedValues_data();
    void damagedValues();
    void writesShutDownInOrder();

private:
    QString path() const { return m_dir.filePath(QStringLiteral("options.ini")); }
    QTemporaryDir m_dir;
};

void TestOptions::booleans_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: does not convert

    QTest::newRow("True") << "True" << 1;
    QTest::newRow("false in small letters") << "false" << 0;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("minus one") << "-1" << 1;
    QTest::newRow("any other number") << "2" << 1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("other word") << "Yes" << -1;
}

void TestOptions::booleans() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<bool> value = app::toBoolean(text);
    QCOMPARE(value.has_value(), expected >= 0);
    if (value)
        QCOMPARE(int(*value), expected);
}

void TestOptions::defaultsForMissingKeys() {
    writeFile(path(), "[Preferences]\r\n");
    app::AppState state;
    app::ShutDownState shutDown;
    QVERIFY(app::readOptions(path(), state, shutDown));
    QCOMPARE(state.GameList, QStringLiteral("Retro"));
    QCOMPARE(state.HideClones, false);
    QCOMPARE(state.DisableHotKeys, true);
    QCOMPARE(state.UseStarfield, true);
    QCOMPARE(state.MAMEPath, QString());
    QCOMPARE(shutDown.GameView, QStringLiteral("All Games"));
    QCOMPARE(shutDown.AllIndex, 1);
    QCOMPARE(shutDown.UninstalledIndex, 1);
    QCOMPARE(shutDown.ScreenShots, false);
}

void TestOptions::readsStoredValues() {
    TestSandbox sandbox;
    const QString mame = sandbox.mamePath();
    writeFile(path(), "[Preferences]\r\nGameList=NeoOnly\r\nHideClones=True\r\nCloneShots=-1\r\n"
                      "DisableHotKeys=False\r\nUseStarfield=False\r\nBackColor=16777215\r\nForeColor=255\r\n"
                      "[Directories]\r\nMAME=" +
                          mame.toLatin1() +
                          "\r\nRetroROMs=/r/\r\nNeoGeoROMs=/n/\r\nSamples=/s/\r\nSnapshots=/p/\r\n"
                          "[ShutDown]\r\nMAMEDate=2026-12-06T10:00:00\r\nGameView=Installed Games\r\n"
                          "AllIndex=1000000\r\nAllSortKey=9\r\nAllSortOrder=1\r\nInstalledIndex=32767\r\n"
                          "UninstalledIndex=-5\r\nScreenShots=True\r\n");
    app::AppState state;
    app::ShutDownState shutDown;
    QVERIFY(app::readOptions(path(), state, shutDown));
    QCOMPARE(state.GameList, QStringLiteral("NeoOnly"));
    QCOMPARE(state.HideClones, true);
    QCOMPARE(state.CloneShots, true);
    QCOMPARE(state.DisableHotKeys, false);
    QCOMPARE(state.UseStarfield, false);
    QCOMPARE(state.BackColor, 0xFFFFFFu);
    QCOMPARE(state.ForeColor, 0xFFu);
    QCOMPARE(state.MAMEPath, mame);
    QCOMPARE(state.ShortMAMEPath, mame); // short names exist only on Windows
    QCOMPARE(state.SnapPath, QStringLiteral("/p/"));
    QCOMPARE(shutDown.MAMEDate, QStringLiteral("2026-12-06T10:00:00"));
    QCOMPARE(shutDown.GameView, QStringLiteral("Installed Games"));
    QCOMPARE(shutDown.AllIndex, 1000000); // past what a 16-bit index held
    QCOMPARE(shutDown.AllSortKey, 9);
    QCOMPARE(shutDown.AllSortOrder, 1);
    QCOMPARE(shutDown.InstalledIndex, 32767);
    QCOMPARE(shutDown.UninstalledIndex, -5);
    QCOMPARE(shutDown.ScreenShots, true);
}

void TestOptions::damagedValues_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty Boolean") << QByteArray("[Preferences]\r\nHideClones=\r\n");
    QTest::newRow("Boolean holding other text") << QByteArray("[Preferences]\r\nUseStarfield=maybe\r\n");
    QTest::newRow("index holding letters") << QByteArray("[ShutDown]\r\nAllIndex=first\r\n");
    QTest::newRow("colour holding letters") << QByteArray("[Preferences]\r\nBackColor=red\r\n");
    QTest::newRow("index past 32 bits") << QByteArray("[ShutDown]\r\nInstalledIndex=99999999999\r\n");
}

void TestOptions::damagedValues() {
    QFETCH(QByteArray, content);
    writeFile(path(), content);
    app::AppState state;
    app::ShutDownState shutDown;
    QVERIFY(!app::readOptions(path(), state, shutDown));
}

void TestOptions::writesShutDownInOrder() {
    writeFile(path(), "[Preferences]\r\nGameList=Retro\r\n[Directories]\r\nMAME=/m/\r\n");
    app::ShutDownState shutDown;
    shutDown.MAMEDate = QStringLiteral("2026-01-02T03:04:05");
    shutDown.GameView = QStringLiteral("Uninstalled Games");
    shutDown.AllIndex = 40000;
    shutDown.UninstalledSortKey = 3;
    shutDown.ScreenShots = true;
    app::writeShutDown(path(), shutDown);
    QCOMPARE(readFile(path()), QByteArray("[Preferences]\r\nGameList=Retro\r\n[Directories]\r\nMAME=/m/\r\n"
                                          "[ShutDown]\r\nMAMEDate=2026-01-02T03:04:05\r\n"
                                          "GameView=Uninstalled Games\r\nAllIndex=40000\r\nAllSortKey=0\r\n"
                                          "AllSortOrder=0\r\nInstalledIndex=1\r\nInstalledSortKey=0\r\n"
                                          "InstalledSortOrder=0\r\nUninstalledIndex=1\r\nUninstalledSortKey=3\r\n"
                                          "UninstalledSortOrder=0\r\nScreenShots=True\r\n"));

    // A second exit replaces the values in place.
    shutDown.AllIndex = 2;
    app::writeShutDown(path(), shutDown);
    app::AppState state;
    app::ShutDownState reread;
    QVERIFY(app::readOptions(path(), state, reread));
    QCOMPARE(reread.AllIndex, 2);
    QCOMPARE(readFile(path()).count("[ShutDown]"), 1);
}

QTEST_GUILESS_MAIN(TestOptions)
#include "TestOptions.moc"

#include "support/MainWindowSession.h"

#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QStatusBar>

class TestHelpAndAbout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_session.reset(); }

    void pathInformation();
    void textViewers_data();
    void textViewers();
    void aboutBoxAsksTheEmulatorsVersion_data();
    void aboutBoxAsksTheEmulatorsVersion();
    void history_data();
    void history();
    void historyNeedsItsFile();

private:
    QString text() const { return m_session->child<QPlainTextEdit>("txtVerify")->toPlainText(); }
    std::unique_ptr<Session> m_session;
};

void TestHelpAndAbout::init() {
    m_session = std::make_unique<Session>();
    QList<ListedGame> games = Games;
    games[0].history = "A raid from \\\"beyond\\\" the stars.\\n\\nFirst seen in 1981.";
    m_session->sandbox.setCatalogue(listing(games));
    m_session->sandbox.writeOptions();
    QVERIFY(m_session->start());
}

void TestHelpAndAbout::pathInformation() {
    QTest::mouseClick(m_session->child<QLabel>("Picture1"), Qt::LeftButton);
    QCOMPARE(m_session->dialogs.shown.size(), 1);
    const auto& shown = m_session->dialogs.shown.first();
    QCOMPARE(shown.title, QStringLiteral("Path Information"));
    QCOMPARE(shown.icon, app::Dialogs::Icon::Information);
    const QStringList lines = shown.text.split('\r');
    QCOMPARE(lines.size(), 18);
    const app::AppState& state = m_session->sandbox.state();
    QCOMPARE(lines[0], "Application Path:\t\t" + state.AppPath.toLower());
    QCOMPARE(lines[3], "M.A.M.E. Path:\t\t" + state.MAMEPath);
    QCOMPARE(lines[5], QStringLiteral("Temp M.A.M.E. Path:\t"));
    QCOMPARE(lines[10], "Neo-Geo ROMs Path:\t" + state.NeoROMPath);
    QCOMPARE(lines[17], QStringLiteral("Temp Snap Path:\t\t"));
    for (int empty : {2, 6, 9, 12, 15})
        QVERIFY(lines[empty].isEmpty());
}

void TestHelpAndAbout::textViewers_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("file"); // relative to the MAME ("m:") or application ("a:") directory
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("missing");
    QTest::newRow("readme") << "mnuHelpReadme"
                            << "m:readme.txt"
                            << "M.A.M.E. Readme File"
                            << "Cannot find readme.txt!";
    QTest::newRow("guide") << "mnuHelpRetro"
                           << "a:retro.txt"
                           << "Marqueon File"
                           << "Cannot find retro.txt!";
}

void TestHelpAndAbout::textViewers() {
    QFETCH(QString, item);
    QFETCH(QString, file);
    QFETCH(QString, caption);
    QFETCH(QString, missing);
    const QString path =
        (file.startsWith("m:") ? m_session->sandbox.mamePath() : m_session->sandbox.appPath()) + file.mid(2);
    if (item == "mnuHelpReadme") { // the guide ships beside the program, so it is never missing
        m_session->child<QAction>(item)->trigger();
        QCOMPARE(m_session->dialogs.texts(), QStringList{missing});
        QCOMPARE(m_session->dialogs.shown.first().icon, app::Dialogs::Icon::Exclamation);
        QVERIFY(!m_session->window->PanelOpen);
        QVERIFY(m_session->child<QGroupBox>("fraList")->isEnabled());
    }
    writeFile(path, "Line one\r\nLine two\r\n");
    m_session->child<QAction>(item)->trigger();
    QCOMPARE(m_session->child<QGroupBox>("fraVerify")->title(), caption);
    QCOMPARE(text(), QStringLiteral("Line one\nLine two\n"));
    QVERIFY(m_session->window->PanelOpen);
    QVERIFY(m_session->child<QStatusBar>("StatusBar2")->isVisible());
    QVERIFY(m_session->child<QPushButton>("cmdGameList")->hasFocus());
    m_session->window->cmdGameList_Click();
    QVERIFY(!m_session->window->PanelOpen);
}

void TestHelpAndAbout::aboutBoxAsksTheEmulatorsVersion_data() {
    QTest::addColumn<QByteArray>("help"); // the emulator's -help output; empty: its own
    QTest::addColumn<QString>("version");
    QTest::newRow("banner") << QByteArray() << "M.A.M.E. Version 0.37 BETA 5";
    QTest::newRow("no banner") << QByteArray("usage: mame [game] [options]\n") << "Unknown";
}

void TestHelpAndAbout::aboutBoxAsksTheEmulatorsVersion() {
    QFETCH(QByteArray, help);
    QFETCH(QString, version);
    if (!help.isEmpty())
        writeFile(m_session->sandbox.mamePath() + "standin-help.txt", help);
    onNextModal([&](QDialog* about) {
        QCOMPARE(about->windowTitle(), QStringLiteral("About Marqueon"));
        QVERIFY(about->findChild<QLabel*>("lblVersion")->text().startsWith("Version "));
        auto* button = about->findChild<QPushButton*>("cmdVersion");
        QCOMPARE(button->toolTip(), QStringLiteral("Show current version of M.A.M.E."));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(about->findChild<QLabel*>("lblMAMEVersion")->text(), version);
        QVERIFY(!button->isEnabled());
        QVERIFY(about->findChild<QPushButton*>("cmdOK")->isEnabled());
        QVERIFY(!QFile::exists(m_session->sandbox.reportsPath() + "version.txt"));
        QTest::mouseClick(about->findChild<QLabel*>("lblAuthor"), Qt::LeftButton);
        QVERIFY(!about->findChild<QLabel*>("Image1")->isVisible());
        QVERIFY(about->findChild<QLabel*>("Image2")->isVisible());
        QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    m_session->child<QAction>("mnuHelpAbout")->trigger();
    QVERIFY(!QApplication::activeModalWidget());
}

void TestHelpAndAbout::history_data() {
    QTest::addColumn<QString>("rom");
    QTest::addColumn<QString>("shown");
    QTest::newRow("with history") << "galx"
                                  << "A raid from \"beyond\" the stars.First seen in 1981.";
    QTest::newRow("without history") << "zoom"
                                     << "There is no history information for this game.";
}

void TestHelpAndAbout::history() {
    QFETCH(QString, rom);
    QFETCH(QString, shown);
    writeFile(m_session->sandbox.mamePath() + "history.dat", "$info=galx\n");
    GameListView* all = m_session->list("lvAll");
    for (int row = 0; row < all->count(); ++row) {
        if (all->games()->game(row).romName() == rom)
            m_session->clickRow(all, row);
    }
    QTest::mouseClick(m_session->child<QPushButton>("cmdHistory"), Qt::LeftButton);
    QCOMPARE(m_session->child<QGroupBox>("fraVerify")->title(), QStringLiteral("Game History"));
    QCOMPARE(text(), shown);
    QVERIFY(m_session->child<QPushButton>("cmdGameList")->isEnabled());
    QVERIFY(m_session->enabled("cmdExit"));
    m_session->window->cmdGameList_Click();
    QCOMPARE(m_session->selectedRom("lvAll"), rom);
}

void TestHelpAndAbout::historyNeedsItsFile() {
    m_session->child<QAction>("mnuFileHistory")->trigger();
    QCOMPARE(m_session->dialogs.texts(),
             QStringList{"Cannot find history.dat file.  Download and install this file in your M.A.M.E. "
                         "directory.\rOnce this file exists, refresh the Game List to initialize the history "
                         "database."});
    QCOMPARE(m_session->dialogs.shown.first().icon, app::Dialogs::Icon::Information);
    QVERIFY(!m_session->window->PanelOpen);
}

QTEST_MAIN(TestHelpAndAbout)
#include "TestHelpAndAbout.moc"

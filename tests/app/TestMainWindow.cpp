#include "app/MainWindow.h"
#include "catalogue/GameListModel.h"
#include "catalogue/GameListView.h"
#include "support/MainWindowSession.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using catalogue::GameListView;

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void restoresTheSavedView_data();
    void restoresTheSavedView();
    void firstRunWithCancelWritesNothing();
    void firstRunThroughTheWizard();
    void damagedOptionsFileIsTreatedAsAFirstRun();
    void missingEmulatorEndsTheStart();
    void changedEmulatorRebuildsTheCatalogueOnce();
    void damagedCatalogueIsRebuiltWithoutLosingTheOptions();
    void exitQuestion_data();
    void exitQuestion();
    void switchingLists_data();
    void switchingLists();
    void emptyList();
    void sortingByColumn();
    void clickingSelects();
    void doubleClickOnAnUninstalledGame();
    void listLoadTime();
    void viewMenu();
    void screenShots_data();
    void screenShots();
};

void TestMainWindow::restoresTheSavedView_data() {
    QTest::addColumn<QByteArray>("shutDown");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("panel1");

    QTest::newRow("no saved view") << QByteArray() << "All Games"
                                   << "galx"
                                   << "Total Games: 5";
    QTest::newRow("installed list, second game")
        << QByteArray("[ShutDown]\r\nGameView=Installed Games\r\nInstalledIndex=2\r\n") << "Installed Games"
        << "nam1975"
        << "Total Games: 2";
    QTest::newRow("uninstalled list sorted by year, descending")
        << QByteArray("[ShutDown]\r\nGameView=Uninstalled Games\r\nUninstalledSortKey=1\r\nUninstalledSortOrder=1\r\n")
        << "Uninstalled Games"
        << "neob"
        << "Total Games: 3";
    QTest::newRow("saved position past the end selects the first game")
        << QByteArray("[ShutDown]\r\nGameView=All Games\r\nAllIndex=40000\r\n") << "All Games"
        << "galx"
        << "Total Games: 5";
    QTest::newRow("unknown view shows all games") << QByteArray("[ShutDown]\r\nGameView=Favourites\r\n") << "All Games"
                                                  << "galx"
                                                  << "Total Games: 5";
}

void TestMainWindow::restoresTheSavedView() {
    QFETCH(QByteArray, shutDown);
    QFETCH(QString, caption);
    QFETCH(QString, selected);
    QFETCH(QString, panel1);
    Session session;
    session.sandbox.writeOptions("RetroP", shutDown);
    QVERIFY(session.start());
    QCOMPARE(session.shownCaption(), caption);
    QCOMPARE(session.child<QLabel>("lblList")->text(), QStringLiteral("All Games"));
    QCOMPARE(session.panel(1), panel1);
    QCOMPARE(session.panel(3), selected);
    QVERIFY(session.dialogs.shown.isEmpty());
    QVERIFY(!session.child<QWidget>("frmSplash"));
}

void TestMainWindow::firstRunWithCancelWritesNothing() {
    Session session;
    onNextModal([](QDialog* wizard) {
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Options"));
        QTest::mouseClick(wizard->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    });
    QVERIFY(!session.start());
    QVERIFY(session.state.SetupCancelled);
    QVERIFY(QFile::exists(session.sandbox.appPath() + "settings"));
    QVERIFY(QFile::exists(session.sandbox.appPath() + "reports"));
    QCOMPARE(QDir(session.sandbox.appPath() + "settings").entryList(QDir::Files), QStringList());
    QVERIFY(!QFile::exists(session.sandbox.mamePath() + "mame.cfg"));
    QVERIFY(session.dialogs.shown.isEmpty());
    QVERIFY(session.window->close()); // no question once the start was cancelled
}

void TestMainWindow::firstRunThroughTheWizard() {
    Session session;
    session.dialogs.folders << session.sandbox.mamePath();
    onNextModal([](QDialog* wizard) {
        QTest::mouseClick(wizard->findChild<QPushButton*>("cmdNext"), Qt::LeftButton);
        QTest::mouseClick(wizard->findChild<QPushButton*>("cmdSelectMAME"), Qt::LeftButton);
        QTest::mouseClick(wizard->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    QVERIFY(session.start());
    QVERIFY(session.dialogs.texts().isEmpty());
    const QByteArray mame = session.sandbox.mamePath().toLatin1();
    QCOMPARE(readFile(session.sandbox.optionsFile()),
             "[Preferences]\r\nGameList=Retro\r\nHideClones=False\r\nCloneShots=False\r\nDisableHotKeys=True\r\n"
             "UseStarfield=True\r\nBackColor=0\r\nForeColor=0\r\n[Directories]\r\nMAME=" +
                 mame + "\r\nRetroROMs=" + mame + "roms/\r\nNeoGeoROMs=\r\nSamples=" + mame +
                 "samples/\r\nSnapshots=" + mame + "snap/\r\n");
    QCOMPARE(readFile(session.sandbox.mamePath() + "mame.cfg"), "[directory]\r\nrompath = " + mame +
                                                                    "roms/\r\nsamplepath = " + mame +
                                                                    "samples/\r\nsnap = " + mame + "snap/\r\n");
    QCOMPARE(session.child<QLabel>("lblList")->text(), QStringLiteral("Retro Games"));
    QCOMPARE(session.panel(1), QStringLiteral("Total Games: 3"));
    QCOMPARE(session.shownCaption(), QStringLiteral("All Games"));

    // The emulator's date was stored with the setup: no rebuild message on exit and restart.
    session.dialogs.answers << true;
    QVERIFY(session.window->close());
    QVERIFY(session.start());
    QCOMPARE(session.dialogs.texts(), QStringList{"Do you want to exit?"});
}

void TestMainWindow::damagedOptionsFileIsTreatedAsAFirstRun() {
    Session session;
    session.sandbox.writeOptions("RetroP", "[ShutDown]\r\nScreenShots=maybe\r\n");
    bool wizardShown = false;
    onNextModal([&](QDialog* wizard) {
        wizardShown = true;
        wizard->reject();
    });
    QVERIFY(!session.start());
    QVERIFY(wizardShown);
    QVERIFY(!QFile::exists(session.sandbox.optionsFile()));
    QVERIFY(session.dialogs.shown.isEmpty());
}

void TestMainWindow::missingEmulatorEndsTheStart() {
    Session session;
    session.sandbox.writeOptions();
    QFile::remove(session.sandbox.state().mameExecutable());
    QVERIFY(!session.start());
    QCOMPARE(session.dialogs.texts(), QStringList{"Error: File not found"});
    QCOMPARE(session.dialogs.shown.first().icon, app::Dialogs::Icon::Critical);
    QVERIFY(QFile::exists(session.sandbox.optionsFile()));
}

void TestMainWindow::changedEmulatorRebuildsTheCatalogueOnce() {
    Session session;
    session.sandbox.writeOptions();
    QVERIFY(session.start()); // an empty stored date triggers nothing
    QVERIFY(session.dialogs.shown.isEmpty());
    session.dialogs.answers << true;
    QVERIFY(session.window->close());

    // A new emulator: same file, another date, one more game.
    QList<ListedGame> more = Games;
    more.append(ListedGame{"newg", "New Game"});
    session.sandbox.setCatalogue(listing(more));
    QFile mame(session.sandbox.state().mameExecutable());
    QVERIFY(mame.open(QIODevice::ReadWrite));
    QVERIFY(mame.setFileTime(QDateTime::currentDateTime().addDays(1), QFileDevice::FileModificationTime));
    mame.close();

    session.dialogs.shown.clear();
    QVERIFY(session.start());
    QCOMPARE(session.dialogs.texts(),
             QStringList{"A new version of M.A.M.E. was detected.  Marqueon will now update the game list."});
    QCOMPARE(session.dialogs.shown.first().icon, app::Dialogs::Icon::Information);
    QCOMPARE(session.panel(1), QStringLiteral("Total Games: 6"));
    session.dialogs.answers << true;
    QVERIFY(session.window->close());

    session.dialogs.shown.clear();
    QVERIFY(session.start());
    QVERIFY(session.dialogs.shown.isEmpty());
}

void TestMainWindow::damagedCatalogueIsRebuiltWithoutLosingTheOptions() {
    Session session;
    session.sandbox.writeOptions();
    QVERIFY(session.start());
    session.window.reset();

    const QString catalogue = session.sandbox.reportsPath() + "gameinfo.txt";
    QByteArray damaged = readFile(catalogue);
    damaged.insert(damaged.indexOf("\r\n") + 2, "\"Broken\",\"1981\r\n");
    writeFile(catalogue, damaged.chopped(5));
    const QByteArray options = readFile(session.sandbox.optionsFile());

    QVERIFY(session.start());
    QCOMPARE(session.panel(1), QStringLiteral("Total Games: 5"));
    QCOMPARE(readFile(session.sandbox.optionsFile()), options);
    QVERIFY(readFile(catalogue).endsWith("\"neob\"\r\n"));
}

void TestMainWindow::exitQuestion_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestMainWindow::exitQuestion() {
    QFETCH(bool, yes);
    Session session;
    session.sandbox.writeOptions();
    QVERIFY(session.start());
    session.window->mnuViewInstalled_Click();
    session.clickRow(session.list("lvInstalled"), 1);
    session.clickColumn(session.list("lvInstalled"), 1);
    const QByteArray before = readFile(session.sandbox.optionsFile());

    session.dialogs.answers << yes;
    QCOMPARE(session.window->close(), yes);
    QCOMPARE(session.dialogs.texts(), QStringList{"Do you want to exit?"});
    QCOMPARE(session.dialogs.shown.first().icon, app::Dialogs::Icon::Exclamation);
    if (!yes) {
        QVERIFY(session.window->isVisible());
        QCOMPARE(readFile(session.sandbox.optionsFile()), before);
        return;
    }
    const QString date = QFileInfo(session.sandbox.state().mameExecutable()).lastModified().toString(Qt::ISODateWithMs);
    QCOMPARE(session.shutDownSection(), "[ShutDown]\r\nMAMEDate=" + date.toLatin1() +
                                            "\r\nGameView=Installed Games\r\nAllIndex=1\r\nAllSortKey=0\r\n"
                                            "AllSortOrder=0\r\nInstalledIndex=2\r\nInstalledSortKey=1\r\n"
                                            "InstalledSortOrder=1\r\nUninstalledIndex=1\r\nUninstalledSortKey=0\r\n"
                                            "UninstalledSortOrder=0\r\nScreenShots=False\r\n");
}

void TestMainWindow::switchingLists_data() {
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("panel1");
    QTest::addColumn<QString>("panel6");
    QTest::addColumn<bool>("play");

    QTest::newRow("all games, installed") << "mnuViewAll"
                                          << "All Games"
                                          << "Total Games: 5"
                                          << "Default Settings" << true;
    QTest::newRow("installed") << "mnuViewInstalled"
                               << "Installed Games"
                               << "Total Games: 2"
                               << "Default Settings" << true;
    QTest::newRow("uninstalled") << "mnuViewUninstalled"
                                 << "Uninstalled Games"
                                 << "Total Games: 3"
                                 << "Not Installed" << false;
}

void TestMainWindow::switchingLists() {
    QFETCH(QString, view);
    QFETCH(QString, caption);
    QFETCH(QString, panel1);
    QFETCH(QString, panel6);
    QFETCH(bool, play);
    Session session;
    session.sandbox.writeOptions("RetroP", "[ShutDown]\r\nGameView=Uninstalled Games\r\n");
    QVERIFY(session.start());
    session.child<QAction>(view)->trigger();
    QCOMPARE(session.shownCaption(), caption);
    QCOMPARE(session.panel(1), panel1);
    QCOMPARE(session.panel(6), panel6);
    QCOMPARE(session.enabled("cmdPlay"), play);
    QVERIFY(session.enabled("cmdVerify"));
    QVERIFY(session.enabled("cmdHistory"));
    QVERIFY(session.enabled("cmdRaster"));
}

void TestMainWindow::emptyList() {
    Session session;
    QFile::remove(session.sandbox.state().ROMPath + "galx.zip");
    session.sandbox.writeOptions("Retro");
    QVERIFY(session.start());
    QCOMPARE(session.child<QLabel>("lblList")->text(), QStringLiteral("Retro Games"));
    QCOMPARE(session.panel(1), QStringLiteral("Total Games: 3")); // galx, galxb, zoom
    session.window->mnuViewInstalled_Click();
    QCOMPARE(session.panel(1), QStringLiteral("Total Games: 0"));
    for (int panel = 2; panel <= 6; ++panel)
        QCOMPARE(session.panel(panel), QString());
    QVERIFY(!session.enabled("cmdPlay"));
    QVERIFY(!session.enabled("cmdVerify"));
    QVERIFY(!session.enabled("cmdHistory"));
}

void TestMainWindow::sortingByColumn() {
    Session session;
    session.sandbox.writeOptions("RetroP", "[ShutDown]\r\nAllSortKey=1\r\nAllSortOrder=1\r\n");
    QVERIFY(session.start());
    GameListView* all = session.list("lvAll");
    const auto first = [&] {
        return all->games()->game(0).romName();
    };
    QCOMPARE(first(), QStringLiteral("neob")); // year, descending, as saved
    session.clickColumn(all, 1);
    QCOMPARE(first(), QStringLiteral("zoom")); // the opposite of the saved order
    session.clickColumn(all, 1);
    QCOMPARE(first(), QStringLiteral("neob"));
    session.clickColumn(all, 9);
    QCOMPARE(first(), QStringLiteral("galx")); // from descending to ascending
    QCOMPARE(session.window->View.AllSortKey, 9);
    QCOMPARE(session.window->View.AllSortOrder, 0);
    QCOMPARE(session.selectedRom("lvAll"), QStringLiteral("neob")); // the selection stays on its game
}

void TestMainWindow::clickingSelects() {
    Session session;
    session.sandbox.writeOptions();
    QVERIFY(session.start());
    GameListView* all = session.list("lvAll");
    session.clickRow(all, 1); // the clone, not installed
    QCOMPARE(session.window->View.AllIndex, 2);
    QCOMPARE(session.panel(2), QStringLiteral("Galaxy Raid (bootleg)"));
    QCOMPARE(session.panel(3), QStringLiteral("galxb"));
    QCOMPARE(session.panel(4), QStringLiteral("Clone"));
    QCOMPARE(session.panel(5), QStringLiteral("V"));
    QCOMPARE(session.panel(6), QStringLiteral("Not Installed"));
    QVERIFY(!session.enabled("cmdPlay"));

    writeFile(session.sandbox.appPath() + "settings/zoom.cfg", "custom");
    session.clickRow(all, 4);
    QCOMPARE(session.panel(5), QStringLiteral("H"));
    QCOMPARE(session.panel(6), QStringLiteral("Custom Settings"));
}

void TestMainWindow::doubleClickOnAnUninstalledGame() {
    Session session;
    session.sandbox.writeOptions("RetroP", "[ShutDown]\r\nGameView=Uninstalled Games\r\n");
    QVERIFY(session.start());
    session.clickRow(session.list("lvUninstalled"), 2, true);
    QCOMPARE(session.dialogs.texts(), QStringList{"This game is not installed."});
    QCOMPARE(session.dialogs.shown.first().icon, app::Dialogs::Icon::Information);
    QVERIFY(!QFile::exists(session.sandbox.mamePath() + "standin-lastrun.txt"));
}

void TestMainWindow::listLoadTime() {
    Session session;
    session.sandbox.writeOptions();
    QVERIFY(session.start());
    QTest::mouseClick(session.child<QLabel>("lblList"), Qt::LeftButton);
    QCOMPARE(session.dialogs.shown.size(), 1);
    QCOMPARE(session.dialogs.shown.first().title, QStringLiteral("List Load Time"));
    QCOMPARE(session.dialogs.shown.first().text, QStringLiteral("0 Seconds"));
}

void TestMainWindow::viewMenu() {
    Session session;
    session.sandbox.writeOptions("RetroP", "[ShutDown]\r\nGameView=Installed Games\r\n");
    QVERIFY(session.start());
    QMenu* menu = session.child<QMenu>("mnuView");
    const auto item = [&](const char* name) {
        return session.child<QAction>(QLatin1String(name));
    };
    emit menu->aboutToShow();
    QVERIFY(item("mnuViewInstalled")->isChecked());
    QVERIFY(!item("mnuViewAll")->isChecked());
    QVERIFY(item("mnuViewShots")->isEnabled());

    session.window->PanelOpen = true;
    emit menu->aboutToShow();
    for (const char* name : {"mnuViewAll", "mnuViewInstalled", "mnuViewUninstalled", "mnuViewShots"})
        QVERIFY(!item(name)->isEnabled());
}

void TestMainWindow::screenShots_data() {
    QTest::addColumn<bool>("cloneShots");
    QTest::addColumn<QStringList>("pictures"); // snapshots on disk
    QTest::addColumn<int>("row");              // in the all-games list
    QTest::addColumn<bool>("picture");

    QTest::newRow("original, own picture") << false << QStringList{"galx"} << 0 << true;
    QTest::newRow("original without picture") << true << QStringList{"zoom"} << 0 << false;
    QTest::newRow("clone, own picture") << false << QStringList{"galxb"} << 1 << true;
    QTest::newRow("clone, only the parent's picture") << false << QStringList{"galx"} << 1 << false;
    QTest::newRow("clone shows its parent's") << true << QStringList{"galx"} << 1 << true;
    QTest::newRow("clone with its own but no parent's") << true << QStringList{"galxb"} << 1 << false;
}

void TestMainWindow::screenShots() {
    QFETCH(bool, cloneShots);
    QFETCH(QStringList, pictures);
    QFETCH(int, row);
    QFETCH(bool, picture);
    Session session;
    QImage image(32, 24, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (const QString& name : pictures)
        QVERIFY(image.save(session.sandbox.state().SnapPath + name + ".png"));
    session.sandbox.writeOptions("RetroP", "[ShutDown]\r\nScreenShots=True\r\n");
    QByteArray options = readFile(session.sandbox.optionsFile());
    options.replace("CloneShots=False", cloneShots ? "CloneShots=True" : "CloneShots=False");
    writeFile(session.sandbox.optionsFile(), options);
    QVERIFY(session.start());

    session.clickRow(session.list("lvAll"), row);
    QLabel* notice = session.child<QLabel>("lblShots");
    QLabel* shot = session.child<QLabel>("imgShots");
    QCOMPARE(notice->isVisible(), !picture);
    QCOMPARE(!shot->pixmap().isNull(), picture);
    QCOMPARE(notice->text(), QStringLiteral("THERE IS NO SCREEN SHOT FOR THIS GAME"));

    // Narrow lists leave room for the picture; switching the pane off widens them.
    GameListView* all = session.list("lvAll");
    const int narrow = all->width();
    session.child<QAction>("mnuViewShots")->trigger();
    QVERIFY(all->width() > narrow);
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"

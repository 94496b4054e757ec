#include "core/io/AtomicFile.h"
#include "gui/common/PictureView.h"
#include "gui/common/QtDialogs.h"
#include "support/Session.h"
#include "support/TableRows.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSplitter>

#include <sys/stat.h>

using gui::GameListView;

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { m_session = std::make_unique<Session>(); }
    void cleanup() { m_session.reset(); }

    void restoresTheSavedView_data() {
        columns<QByteArray, QString, QString, QString>({"shutDown", "caption", "selected", "total"});
        row("no saved view", QByteArray(), "All Games", "galx", "Total Games: 5");
        row("installed list, second game", QByteArray("GameView=Installed Games\r\nInstalledIndex=2"),
            "Installed Games", "nam1975", "Total Games: 2");
        row("uninstalled list sorted by year, descending",
            QByteArray("GameView=Uninstalled Games\r\nUninstalledSortKey=1\r\nUninstalledSortOrder=1"),
            "Uninstalled Games", "neob", "Total Games: 3");
        row("saved position past the end selects the first game", QByteArray("AllIndex=40000"), "All Games", "galx",
            "Total Games: 5");
    }

    void restoresTheSavedView() {
        QVERIFY(s().startWith("RetroP", cell<QByteArray>("shutDown")));
        QTEST(s().shownCaption(), "caption");
        QCOMPARE(s().listCaption(), QStringLiteral("All Games"));
        QTEST(s().panel(1), "total");
        QTEST(s().panel(3), "selected");
        QVERIFY(s().dialogs.shown.isEmpty());
        QVERIFY(!s().child<QWidget>("splashWindow"));
    }

    // The first start, cancelled, writes nothing; through the setup, the choices and the emulator's date.
    void firstRun() {
        onNextModal([](QDialog* setup) {
            QCOMPARE(setup->windowTitle(), QStringLiteral("Options"));
            QTest::keyClick(setup, Qt::Key_Escape);
        });
        QVERIFY(!s().start());
        QVERIFY(QFile::exists(s().sandbox.appPath() + "settings"));
        QVERIFY(QFile::exists(s().sandbox.appPath() + "reports"));
        QCOMPARE(QDir(s().sandbox.appPath() + "settings").entryList(QDir::Files), QStringList());
        QVERIFY(!QFile::exists(s().sandbox.mamePath() + "mame.cfg"));
        QVERIFY(s().dialogs.shown.isEmpty());
        QVERIFY(s().window->close()); // no question once the start was cancelled

        s().dialogs.folders << s().sandbox.mamePath();
        onNextModal([](QDialog* setup) {
            QTest::mouseClick(setup->findChild<QPushButton*>("nextButton"), Qt::LeftButton);
            QTest::mouseClick(setup->findChild<QPushButton*>("mameBrowseButton"), Qt::LeftButton);
            QTest::mouseClick(setup->findChild<QPushButton*>("okButton"), Qt::LeftButton);
        });
        QVERIFY(s().start());
        QVERIFY(s().dialogs.texts().isEmpty());
        const QByteArray mame = s().sandbox.mamePath().toLatin1();
        QCOMPARE(readFile(s().sandbox.optionsFile()),
                 "[Preferences]\r\nGameList=Retro\r\nHideClones=False\r\nCloneShots=False\r\nDisableHotKeys=True\r\n"
                 "UseStarfield=True\r\nBackColor=0\r\nForeColor=0\r\n[Directories]\r\nMAME=" +
                     mame + "\r\nRetroROMs=" + mame + "roms/\r\nNeoGeoROMs=\r\nSamples=" + mame +
                     "samples/\r\nSnapshots=" + mame + "snap/\r\n");
        QCOMPARE(s().listCaption(), QStringLiteral("Retro Games"));
        QCOMPARE(s().panel(1), QStringLiteral("Total Games: 3"));

        // The emulator's date was stored with the setup: no rebuild message on exit and restart.
        QVERIFY(s().exit());
        QVERIFY(s().start());
        QCOMPARE(s().dialogs.texts(), QStringList{"Do you want to exit?"});
    }

    void noEmulatorEndsTheStart() {
        s().sandbox.writeOptions("RetroP");
        QFile::remove(s().sandbox.state().mameExecutable());
        QVERIFY(!s().start());
        QCOMPARE(s().dialogs.texts(), QStringList{"Error: File not found"});
        QCOMPARE(s().dialogs.shown.first().icon, gui::Dialogs::Icon::Critical);
        QVERIFY(QFile::exists(s().sandbox.optionsFile()));
    }

    // A value of the wrong type starts the setup again, proposing the damaged file's directories;
    // the file is kept as options.ini.bad until a setup is accepted.
    void damagedOptionsAreKeptUntilANewSetup() {
        s().sandbox.writeOptions("RetroP", "[ShutDown]\r\nScreenShots=<b>maybe</b>\r\n");
        const QByteArray damaged = readFile(s().sandbox.optionsFile());
        const QString bad = s().sandbox.optionsFile() + ".bad";
        QString proposed;
        for (bool accept : {false, true}) {
            onNextModal([&](QDialog* setup) {
                proposed = setup->findChild<QLineEdit*>("mameEdit")->text();
                if (accept)
                    setup->accept();
                else
                    setup->reject();
            });
            QCOMPARE(s().start(), accept);
            QCOMPARE(proposed, s().sandbox.mamePath());
            QCOMPARE(readFile(bad), accept ? QByteArray() : damaged);
        }
        QCOMPARE(
            s().dialogs.texts(),
            QStringList{"The options file options.ini holds a value Marqueon cannot read (ScreenShots=<b>maybe</b>).  "
                        "It was kept as options.ini.bad, and Marqueon will now ask for your choices again."});
        QVERIFY(!readFile(s().sandbox.optionsFile()).contains("maybe"));
    }

    void changedEmulatorRebuildsTheCatalogueOnce() {
        QVERIFY(s().startWith()); // an empty stored date triggers nothing
        QVERIFY(s().dialogs.shown.isEmpty());
        QVERIFY(s().exit());

        // A new emulator: same file, another date, one more game.
        QList<ListedGame> more = Games;
        more.append(ListedGame{"newg", "New Game"});
        s().sandbox.setCatalogue(listing(more));
        touchEmulator();

        s().dialogs.shown.clear();
        QVERIFY(s().start());
        QCOMPARE(s().dialogs.texts(),
                 QStringList{"A new version of M.A.M.E. was detected.  Marqueon will now update the game list."});
        QCOMPARE(s().dialogs.shown.first().icon, gui::Dialogs::Icon::Information);
        QCOMPARE(s().panel(1), QStringLiteral("Total Games: 6"));
        QVERIFY(s().exit());

        s().dialogs.shown.clear();
        QVERIFY(s().start());
        QVERIFY(s().dialogs.shown.isEmpty());

        // A newer one that lists nothing: the catalogue is kept, and not rebuilt again until the next.
        s().sandbox.setCatalogue(QByteArray());
        touchEmulator();
        s().trigger("refreshAction");
        QCOMPARE(s().dialogs.texts(), QStringList{"M.A.M.E. listed no games.  The game list was not updated."});
        QCOMPARE(s().panel(1), QStringLiteral("Total Games: 6"));
        s().dialogs.shown.clear();
        s().trigger("refreshAction");
        QVERIFY(s().dialogs.shown.isEmpty());
    }

    void damagedCatalogueIsRebuiltWithoutLosingTheOptions() {
        QVERIFY(s().startWith());
        s().window.reset();

        const QString catalogue = s().sandbox.reportsPath() + "gameinfo.txt";
        QByteArray damaged = readFile(catalogue);
        damaged.insert(damaged.indexOf("\r\n") + 2, "\"Broken\",\"1981\r\n");
        writeFile(catalogue, damaged.chopped(5));
        const QByteArray options = readFile(s().sandbox.optionsFile());

        QVERIFY(s().start());
        QCOMPARE(s().panel(1), QStringLiteral("Total Games: 5"));
        QCOMPARE(readFile(s().sandbox.optionsFile()), options);
        QVERIFY(readFile(catalogue).endsWith("\"neob\"\r\n"));
    }

    // No leaves the window and the options file as they were; Yes saves the view.
    void exitQuestion() {
        QVERIFY(s().startWith());
        s().trigger("viewInstalledAction");
        s().clickRow(s().list("installedList"), 1);
        s().clickColumn(s().list("installedList"), 1);
        const QByteArray before = readFile(s().sandbox.optionsFile());

        s().dialogs.answers << false << true;
        s().click("exitButton");
        QVERIFY(s().window->isVisible());
        QCOMPARE(readFile(s().sandbox.optionsFile()), before);
        s().click("exitButton");
        QCOMPARE(s().dialogs.texts(), QStringList(2, "Do you want to exit?"));
        QCOMPARE(s().dialogs.shown.first().icon, gui::Dialogs::Icon::Exclamation);
        QVERIFY(!s().window->isVisible());
        const QString date = QFileInfo(s().sandbox.state().mameExecutable()).lastModified().toString(Qt::ISODateWithMs);
        QCOMPARE(s().shutDownSection(), "[ShutDown]\r\nMAMEDate=" + date.toLatin1() +
                                            "\r\nGameView=Installed Games\r\nAllIndex=1\r\nAllSortKey=0\r\n"
                                            "AllSortOrder=0\r\nInstalledIndex=2\r\nInstalledSortKey=1\r\n"
                                            "InstalledSortOrder=1\r\nUninstalledIndex=1\r\nUninstalledSortKey=0\r\n"
                                            "UninstalledSortOrder=0\r\nScreenShots=False\r\n");
    }

    // A disk that is full at exit: the former options stay, and the user hears of it.
    void exitOnAFullDisk() {
        QVERIFY(s().startWith());
        const QByteArray before = readFile(s().sandbox.optionsFile());
        io::failWritesAfter(100);
        const auto room = qScopeGuard([] { io::failWritesAfter(-1); });
        s().dialogs.answers << true;
        s().click("exitButton");
        QCOMPARE(s().dialogs.texts().last(),
                 "Cannot write the options file in " + s().sandbox.settingsPath() + "!  The last view was not saved.");
        QCOMPARE(readFile(s().sandbox.optionsFile()), before);
    }

    // From the uninstalled games, where Play is not the default button, to the others.
    void switchingLists() {
        QVERIFY(s().startWith("RetroP", "GameView=Uninstalled Games"));
        QVERIFY(!s().child<QPushButton>("playButton")->isDefault());
        for (const auto& [view, caption, total] :
             {std::tuple{"viewInstalledAction", "Installed Games", "Total Games: 2"},
              {"viewAllAction", "All Games", "Total Games: 5"}}) {
            s().trigger(view);
            QCOMPARE(s().shownCaption(), caption);
            QCOMPARE(s().panel(1), total);
            QCOMPARE(s().panel(6), QStringLiteral("Default Settings"));
            for (const char* button : {"playButton", "auditButton", "historyButton", "rasterButton"})
                QVERIFY(s().enabled(button));
            QVERIFY(s().child<QPushButton>("playButton")->isDefault());
            emit s().child<QMenu>("viewMenu")->aboutToShow();
            QVERIFY(s().child<QAction>(view)->isChecked());
        }
    }

    void emptyList() {
        QFile::remove(s().sandbox.state().directories.retroRoms + "galx.zip");
        QVERIFY(s().startWith("Retro"));
        QCOMPARE(s().listCaption(), QStringLiteral("Retro Games"));
        QCOMPARE(s().panel(1), QStringLiteral("Total Games: 3")); // galx, galxb, zoom
        s().trigger("viewInstalledAction");
        QCOMPARE(s().panel(1), QStringLiteral("Total Games: 0"));
        for (int panel = 2; panel <= 6; ++panel)
            QCOMPARE(s().panel(panel), QString());
        for (const char* button : {"playButton", "auditButton", "historyButton"})
            QVERIFY(!s().enabled(button));
    }

    void sortingAndSelecting() {
        QVERIFY(s().startWith("RetroP", "AllSortKey=1\r\nAllSortOrder=1"));
        GameListView* all = s().list("allList");
        const auto first = [&] {
            return all->games()->game(0).romName();
        };
        QCOMPARE(first(), QStringLiteral("neob")); // year, descending, as saved
        s().clickColumn(all, 1);
        QCOMPARE(first(), QStringLiteral("zoom")); // the opposite of the saved order
        s().clickColumn(all, 1);
        QCOMPARE(first(), QStringLiteral("neob"));
        s().clickColumn(all, 9);
        QCOMPARE(first(), QStringLiteral("galx"));                    // from descending to ascending
        QCOMPARE(s().selectedRom("allList"), QStringLiteral("neob")); // the selection stays on its game

        s().select("galxb"); // the clone, not installed
        QCOMPARE(s().panel(2), QStringLiteral("Galaxy Raid (bootleg)"));
        QCOMPARE(s().panel(3), QStringLiteral("galxb"));
        QCOMPARE(s().panel(4), QStringLiteral("Clone"));
        QCOMPARE(s().panel(5), QStringLiteral("V"));
        QCOMPARE(s().panel(6), QStringLiteral("Not Installed"));
        QVERIFY(!s().enabled("playButton"));
        writeFile(s().sandbox.settingsPath() + "zoom.cfg", "custom");
        s().select("zoom");
        QCOMPARE(s().panel(5), QStringLiteral("H"));
        QCOMPARE(s().panel(6), QStringLiteral("Custom Settings"));

        QVERIFY(s().exit());
        // The saved keys are replaced where they stand; the others follow.
        QVERIFY(s().shutDownSection().startsWith("[ShutDown]\r\nAllSortKey=9\r\nAllSortOrder=0\r\n"));
        QVERIFY(s().shutDownSection().contains("\r\nAllIndex=5\r\n"));
    }

    void screenShots_data() {
        columns<bool, QStringList, QString, bool>({"cloneShots", "pictures", "rom", "picture"});
        row("clone shows its parent's", true, QStringList{"galx"}, "galxb", true);
        row("clone with its own but no parent's", true, QStringList{"galxb"}, "galxb", false);
        row("a named pipe in the picture's place", false, QStringList{"|galx"}, "galx", false);
    }

    void screenShots() {
        const bool picture = cell<bool>("picture");
        QImage image(32, 24, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QString& snapshots = s().sandbox.state().directories.snapshots;
        for (const QString& name : cell<QStringList>("pictures")) {
            if (name.startsWith(u'|')) // a named pipe would never answer a reader
                QCOMPARE(::mkfifo(QFile::encodeName(snapshots + name.mid(1) + ".png").constData(), 0600), 0);
            else
                QVERIFY(image.save(snapshots + name + ".png"));
        }
        s().sandbox.writeOptions("RetroP", "[ShutDown]\r\nScreenShots=True\r\n");
        QByteArray options = readFile(s().sandbox.optionsFile());
        options.replace("CloneShots=False", cell<bool>("cloneShots") ? "CloneShots=True" : "CloneShots=False");
        writeFile(s().sandbox.optionsFile(), options);
        QVERIFY(s().start());

        s().select(cell<QString>("rom"));
        auto* notice = s().child<QLabel>("noScreenShotLabel");
        QCOMPARE(notice->isVisible(), !picture);
        QCOMPARE(s().child<gui::PictureView>("screenShot")->hasPicture(), picture);
        QCOMPARE(notice->text(), QStringLiteral("THERE IS NO SCREEN SHOT FOR THIS GAME"));

        // Narrow lists leave room for the picture; switching the pane off widens them.
        GameListView* all = s().list("allList");
        const int narrow = all->width();
        s().trigger("screenShotsAction");
        QTRY_VERIFY(all->width() > narrow);
    }

    // A description is shown as it is, never read as markup: in the status bar and in a message.
    void outsideTextIsShownAsItIs() {
        const QByteArray markup = "<h1>Big</h1><img src=x>";
        m_session = std::make_unique<Session>(QList<ListedGame>{{"galx", markup}});
        QVERIFY(s().startWith());
        const auto shownWhole = [&](const QLabel* label) {
            return label->text() == markup &&
                   label->sizeHint().width() >= label->fontMetrics().horizontalAdvance(markup);
        };
        QVERIFY(shownWhole(s().child<QLabel>("nameLabel")));
        bool messageWhole = false;
        onNextModal([&](QDialog* box) {
            messageWhole = shownWhole(box->findChild<QLabel*>("qt_msgbox_label"));
            box->reject();
        });
        gui::QtDialogs().message(markup, gui::Dialogs::Icon::Information);
        QVERIFY(messageWhole);
    }

    void refresh_data() {
        columns<QByteArray, QString, QString, QString>({"view", "list", "first", "total"});
        row("all games", QByteArray("All Games"), "allList", "added", "Total Games: 6");
        row("installed", QByteArray("Installed Games"), "installedList", "galx", "Total Games: 2");
    }

    // A refresh with an unchanged emulator reloads the catalogue without running the emulator and
    // selects the first game of the list shown before.
    void refresh() {
        const QByteArray list = cell<QString>("list").toLatin1();
        QVERIFY(s().startWith("RetroP", "GameView=" + cell<QByteArray>("view") + "\r\nAllIndex=3"));
        QVERIFY(s().exit()); // stores the emulator's date
        QVERIFY(s().start());
        s().clickRow(s().list(list.constData()), 1);
        const QString reports = s().sandbox.reportsPath();
        QFile::remove(reports + "listinfo.txt");
        QByteArray catalogue = readFile(reports + "gameinfo.txt");
        catalogue.prepend("\"Added Game\",\"1999\",\"Good\",\"Good\",\"Good\",\"Maker\",\"Raster\",\"224x288   V\","
                          "\"Original\",\"added\"\r\n");
        writeFile(reports + "gameinfo.txt", catalogue);
        s().trigger("refreshAction");
        QVERIFY(!QFile::exists(reports + "listinfo.txt"));
        QTEST(s().selectedRom(list.constData()), "first");
        QTEST(s().panel(1), "total");
        QCOMPARE(s().listCaption(), QStringLiteral("All Games"));
        for (const char* button : {"exitButton", "rasterButton", "vectorButton", "maintenanceButton"})
            QVERIFY(s().enabled(button));
        QVERIFY(!s().child<QWidget>("waitWindow"));
    }

    void options_data() {
        columns<QString, bool, QString, QByteArray>({"change", "ok", "total", "stored"});
        row("hide clones: the lists are refreshed", "hideClonesBox", true, "Total Games: 4",
            QByteArray("HideClones=True"));
        row("cancelled: nothing changes", "hideClonesBox", false, "Total Games: 5", QByteArray("HideClones=False"));
        row("colours instead of the star field", "starFieldBox", true, "Total Games: 5",
            QByteArray("UseStarfield=False\r\nBackColor=255\r\nForeColor=16777215"));
    }

    void options() {
        const QString &change = cell<QString>("change"), &total = cell<QString>("total");
        const bool ok = cell<bool>("ok");
        QVERIFY(s().startWith());
        s().dialogs.colours << 0x0000FFu << 0xFFFFFFu;
        onNextModal([&](QDialog* setup) {
            setup->findChild<QAbstractButton*>(change)->click();
            if (change == "starFieldBox") {
                setup->findChild<QPushButton*>("backColourButton")->click();
                setup->findChild<QPushButton*>("foreColourButton")->click();
            }
            QTest::mouseClick(setup->findChild<QPushButton*>("nextButton"), Qt::LeftButton);
            QTest::mouseClick(setup->findChild<QPushButton*>(ok ? "okButton" : "cancelButton"), Qt::LeftButton);
        });
        s().trigger("optionsAction");
        const bool refreshed = total != "Total Games: 5";
        QCOMPARE(s().dialogs.texts(), refreshed ? QStringList{"Marqueon will now refresh the Game List to update your "
                                                              "changes."}
                                                : QStringList());
        QCOMPARE(s().panel(1), total);
        QVERIFY(readFile(s().sandbox.optionsFile()).contains(cell<QByteArray>("stored")));
        if (change == "starFieldBox")
            QCOMPARE(s().list("allList")->palette().color(QPalette::Base), QColor(255, 0, 0));
        QVERIFY(s().window->isVisible());
    }

    // The window's place and size, the split beside the lists and each list's columns come back
    // as they were left; a place off every screen gives the first size again.
    void layoutIsRemembered() {
        QVERIFY(s().startWith("RetroP", "ScreenShots=True"));
        const QSize first = s().window->size();
        s().window->setGeometry(QRect(20, 30, first.width() + 100, first.height() + 50));
        QHeaderView* header = s().list("allList")->header();
        header->moveSection(header->visualIndex(5), 0); // the maker first
        header->resizeSection(0, 300);
        header->setSectionHidden(3, true);
        s().child<QSplitter>("pictureSplitter")->setSizes({400, 200});
        const QList<int> split = s().child<QSplitter>("pictureSplitter")->sizes();
        const QString columns = s().list("allList")->columnLayout();
        s().dialogs.answers << true;
        QVERIFY(s().window->close());
        QVERIFY(s().start());
        QCOMPARE(s().window->geometry(), QRect(20, 30, first.width() + 100, first.height() + 50));
        QCOMPARE(s().list("allList")->columnLayout(), columns);
        QVERIFY(columns.startsWith("5:") && columns.contains(",3:0h"));
        QCOMPARE(s().child<QSplitter>("pictureSplitter")->sizes(), split);

        QByteArray options = readFile(s().sandbox.optionsFile());
        options.replace(QRegularExpression("Geometry=[^\r]*").match(options).captured().toLatin1(),
                        "Geometry=9000,9000,900,700");
        writeFile(s().sandbox.optionsFile(), options);
        QVERIFY(s().start());
        QCOMPARE(s().window->size(), first);
        QVERIFY(s().window->screen()->availableGeometry().contains(s().window->geometry().topLeft()));
    }

    // The marquee shows the directories, the list's caption how long it took to load.
    void pathInformationAndLoadTime() {
        QVERIFY(s().startWith());
        QTest::mouseClick(s().child<QWidget>("marquee"), Qt::LeftButton);
        QTest::mouseClick(s().child<QLabel>("listLabel"), Qt::LeftButton);
        QCOMPARE(s().dialogs.shown.size(), 2);
        const QStringList lines = s().dialogs.shown.first().text.split('\r');
        QCOMPARE(lines.size(), 18);
        QCOMPARE(lines[10], "Neo-Geo ROMs Path:\t" + s().sandbox.state().directories.neoGeoRoms);
        QCOMPARE(s().dialogs.shown.last().text, QStringLiteral("0 Seconds"));
    }

private:
    Session& s() { return *m_session; }
    void touchEmulator() {
        QFile mame(s().sandbox.state().mameExecutable());
        QVERIFY(mame.open(QIODevice::ReadWrite));
        QVERIFY(mame.setFileTime(QDateTime::currentDateTime().addDays(1), QFileDevice::FileModificationTime));
    }
    std::unique_ptr<Session> m_session;
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"

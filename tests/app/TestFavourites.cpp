#include "core/catalogue/MameFavourites.h"
#include "support/Session.h"
#include "support/TableRows.h"

#include <QMenu>
#include <QToolButton>

// Favourites, play history and filter terms, as a user meets them: keys, menus, the next start.
class TestFavourites : public QObject {
    Q_OBJECT
    std::unique_ptr<Session> m_session;
    Session& s() { return *m_session; }

private slots:
    void init() { m_session = std::make_unique<Session>(); }
    void cleanup() { m_session.reset(); }

    // Ctrl+D stars the selected game and again takes the star away; the marks outlive the
    // program, and the database is made only when there is a mark to keep.
    void marksFavourites() {
        QVERIFY(s().startWith("RetroP", "GameView=All Games"));
        const QString database = s().sandbox.appPath() + "marqueon.db";
        QVERIFY(!s().child<QAction>("exportFavouritesAction")->isEnabled()); // the classic emulator keeps none
        QVERIFY(!QFile::exists(database));
        gui::GameListView* all = s().list("allList");
        QVERIFY(QTest::qWaitForWindowActive(s().window.get()));
        for (const char* rom : {"zoom", "galx", "nam1975"}) {
            s().select(rom);
            QTest::keyClick(all, Qt::Key_D, Qt::ControlModifier);
        }
        s().select("nam1975");
        QVERIFY(s().child<QAction>("favouriteAction")->isChecked());
        QTest::keyClick(all, Qt::Key_D, Qt::ControlModifier);
        QVERIFY(!s().child<QAction>("favouriteAction")->isChecked());
        QCOMPARE(all->model()->index(all->currentIndex().row(), 0).data(catalogue::GameListModel::FavouriteRole),
                 false);
        s().type("is:favourite");
        QCOMPARE(s().shownRoms("allList"), QStringLiteral("galx zoom"));
        QVERIFY(s().exit());
        QVERIFY(QFile::exists(database));

        QVERIFY(s().start());
        s().type("-is:favorite");
        QCOMPARE(s().shownRoms("allList"), QStringLiteral("galxb nam1975 neob"));
        s().trigger("viewInstalledAction"); // one search for every list
        QCOMPARE(s().shownRoms("installedList"), QStringLiteral("nam1975"));
    }

    // The Filters menu and its button add the term they show and take it away again; what the
    // catalogue cannot answer is said under the box.
    void filtersMenu() {
        writeFile(s().sandbox.appPath() + "catver.ini", "[Category]\r\ngalx=Shooter / Space\r\nzoom=Driving\r\n");
        QVERIFY(s().startWith("RetroP", "GameView=All Games"));
        auto* box = s().child<QLineEdit>("searchEdit");
        auto* menu = s().child<QMenu>("filtersMenu");
        QVERIFY(s().child<QToolButton>("filtersButton")->menu() == menu);
        QAction* noClones = s().child<QAction>("filter:-is:clone");
        QCOMPARE(noClones->text(), QStringLiteral("No Clones\t-is:clone"));
        s().type("raid");
        noClones->trigger();
        QCOMPARE(box->text(), QStringLiteral("raid -is:clone"));
        QCOMPARE(s().shownRoms("allList"), QStringLiteral("galx"));
        QVERIFY(noClones->isChecked());
        noClones->trigger();
        QCOMPARE(box->text(), QStringLiteral("raid"));
        QCOMPARE(s().shownRoms("allList"), QStringLiteral("galx galxb"));

        auto* problem = s().child<QLabel>("searchProblemLabel");
        QVERIFY(!problem->isVisible());
        s().child<QAction>("filter:players:2")->trigger();
        QVERIFY(problem->isVisible());
        QCOMPARE(problem->text(), QStringLiteral("players: is not known for this emulator"));
        QCOMPARE(s().shownRoms("allList"), QStringLiteral("galx galxb"));

        // The genre list users keep, found in Marqueon's own folder.
        box->clear();
        s().type("genre:shooter");
        QVERIFY(!problem->isVisible());
        QCOMPARE(s().shownRoms("allList"), QStringLiteral("galx"));
        QCOMPARE(s().shownText("allList", "galx", catalogue::GameListModel::GenreColumn),
                 QStringLiteral("Shooter / Space"));
    }

    // A game played to its end is counted, timed and dated; the columns are there for the
    // asking, and is:played finds it.
    void keepsPlayHistory() {
        QVERIFY(s().startWith("RetroP", "GameView=All Games"));
        QHeaderView* header = s().list("allList")->header();
        using Model = catalogue::GameListModel;
        for (int column : {Model::LastPlayedColumn, Model::PlayCountColumn, Model::TimePlayedColumn})
            QVERIFY(header->isSectionHidden(column));
        const QDateTime before = QDateTime::currentDateTime().addSecs(-60);
        s().select("galx");
        s().click("playButton");
        s().select("galx");
        s().click("playButton");
        QCOMPARE(s().shownText("allList", "galx", Model::PlayCountColumn), QStringLiteral("2"));
        QCOMPARE(s().shownText("allList", "zoom", Model::PlayCountColumn), QString());
        const QDateTime last =
            QDateTime::fromString(s().shownText("allList", "galx", Model::LastPlayedColumn), "yyyy-MM-dd hh:mm");
        QVERIFY(last >= before && last <= QDateTime::currentDateTime());
        s().type("is:played");
        QCOMPARE(s().shownRoms("allList"), QStringLiteral("galx"));
    }

    // With today's emulator, favourites go to its own file and come back from it: the file
    // dialog starts where its menu keeps them, and what else the file holds stays.
    void movesFavouritesToTheEmulator() {
        writeFile(s().sandbox.mamePath() + "standin-today", "");
        QVERIFY(s().startWith("RetroP", "GameView=All Games"));
        // A catalogue of today's emulator built before its facts were kept is built again.
        const QString facts = s().sandbox.reportsPath() + "gamedata.txt";
        QVERIFY(QFile::remove(facts));
        QVERIFY(s().start());
        QVERIFY(readFile(facts).startsWith("galx\t"));
        QVERIFY(s().child<QAction>("exportFavouritesAction")->isEnabled());
        for (const char* rom : {"galx", "zoom"}) {
            s().select(rom);
            s().trigger("favouriteAction");
        }
        // No file yet: where the emulator writes it when started from the home folder.
        s().dialogs.files << QString();
        s().trigger("exportFavouritesAction");
        QCOMPARE(s().dialogs.shown.last().text, s().sandbox.home() + "/ui/favorites.ini");
        const QString file = s().sandbox.mamePath() + "ui/favorites.ini";
        const QByteArray software = "smb\nSuper Mario Bros.\n\n1985\nNintendo\n0\ncart\nnes\nnes\nnes_cart\n"
                                    "cart\n0\n\n\n\n1\n";
        const QByteArray galx = "galx\nGalaxy Raid\n\n1980\nMaker\n0\n\ngalx\n\n\n\n1\n\n\n\n1\n";
        writeFile(file, "[ROOT_FOLDER]\r\n[Favorite]\r\n\r\n" + QByteArray(software + galx).replace("\n", "\r\n"));
        s().dialogs.files << file;
        s().trigger("exportFavouritesAction");
        QCOMPARE(s().dialogs.shown.at(s().dialogs.shown.size() - 2).text, file);
        QCOMPARE(s().dialogs.texts().last(), "1 favourite was added to " + file + ".");
        const auto written = catalogue::readMameFavourites(readFile(file));
        QVERIFY(written && written->size() == 3);
        QCOMPARE(written->at(0).lines.at(0), QByteArray("smb"));
        QCOMPARE(written->at(2).machine(), QStringLiteral("zoom"));
        QVERIFY(readFile(file).startsWith("[ROOT_FOLDER]\n[Favorite]\n\nsmb\n"));

        // The emulator's ui.ini may put its folder elsewhere; names that are no game's are passed over.
        writeFile(s().sandbox.home() + "/.mame/ui.ini", "ui_path                   \"$HOME/my ui\"\n");
        const QString mine = s().sandbox.home() + "/my ui/favorites.ini";
        writeFile(mine, "[ROOT_FOLDER]\n[Favorite]\n\n" + galx + QByteArray(galx).replace("galx", "neob") +
                            QByteArray(galx).replace("galx", "../x"));
        s().dialogs.files << mine;
        s().trigger("importFavouritesAction");
        QCOMPARE(s().dialogs.shown.at(s().dialogs.shown.size() - 2).text, mine);
        QCOMPARE(s().dialogs.texts().last(), "1 favourite was added from " + mine + ".");
        s().type("is:favourite");
        QCOMPARE(s().shownRoms("allList"), QStringLiteral("galx neob zoom"));
    }
};

QTEST_MAIN(TestFavourites)
#include "TestFavourites.moc"

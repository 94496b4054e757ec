#include "core/catalogue/CatalogueLoader.h"
#include "core/catalogue/CommunityLists.h"
#include "core/catalogue/MameFavourites.h"
#include "support/TableRows.h"

// The files Marqueon shares with other programs: the genre and player lists users keep beside the
// emulator, and the emulator's own favourites.
class TestSharedLists : public QObject {
    Q_OBJECT
private slots:
    void readsGenres_data() {
        columns<QByteArray, QString>({"bytes", "genres"}); // name=genre, "!" after a mature one
        row("sections, comments, case and blanks",
            crlf(";; catver.ini|[FOLDER_SETTINGS]|RootFolderIcon mame|[Category]|PacMan=Maze / Collect|"
                 " mjqueen = Mahjong * Mature *|; galaga=Shooter|[VerAdded]|galaga=0.36|[category]|"
                 "tron=Action|"),
            QString("mjqueen=Mahjong! pacman=Maze / Collect tron=Action"));
        row("only the mark, no genre, no name, no equals", QByteArray("[Category]\nx=* Mature *\ny=\n=Maze\nz\n"),
            QString("x=!"));
        row("no section", QByteArray("pacman=Maze\n"), QString());
    }
    void readsGenres() {
        QStringList genres;
        const auto read = catalogue::readCatver(cell<QByteArray>("bytes"));
        for (auto entry = read.cbegin(); entry != read.cend(); ++entry)
            genres << entry.key() + u'=' + entry->genre + (entry->mature ? QStringLiteral("!") : QString());
        genres.sort();
        QTEST(genres.join(u' '), "genres");
    }

    void readsPlayers_data() {
        columns<QByteArray, QString>({"value", "players"});
        row("one", QByteArray("1P"), QString("1"));
        row("simultaneous", QByteArray("2P sim"), QString("2"));
        row("the most of several", QByteArray("4P alt / 2P sim"), QString("4"));
        row("two digits", QByteArray("12P sim"), QString("12"));
        row("not known", QByteArray("???"), QString());
        row("a BIOS", QByteArray("BIOS"), QString());
        row("no number before the P", QByteArray("Pinball"), QString());
    }
    void readsPlayers() {
        const QHash<QString, int> players =
            catalogue::readNPlayers("[NPlayers]\r\nGame = " + cell<QByteArray>("value") + "\r\n");
        QTEST(players.contains("game") ? QString::number(players["game"]) : QString(), "players");
    }

    // Written as the emulator's menu writes them; read whatever line ends another program left.
    void writesEmulatorFavourites() {
        catalogue::GameRecord pacman = *catalogue::RecordReader().parse(
            "\"Pac-Man (Midway)\",\"1980\",\"Good\",\"Good\",\"Good\",\"Namco (Midway license)\",,,,\"pacman\"");
        const QByteArray file = catalogue::mameFavouritesFile({catalogue::mameFavourite(pacman)});
        QCOMPARE(file, QByteArray("[ROOT_FOLDER]\n[Favorite]\n\npacman\nPac-Man (Midway)\n\n1980\n"
                                  "Namco (Midway license)\n0\n\npacman\n\n\n\n1\n\n\n\n0\n"));
        const auto read = catalogue::readMameFavourites(file);
        QVERIFY(read && read->size() == 1);
        QCOMPARE(read->first().machine(), QString("pacman"));
    }
    void readsEmulatorFavourites_data() {
        columns<QByteArray, QString>({"bytes", "machines"}); // "-" for a software item; "none": not read
        const QByteArray machine = "tron\nTron\n\n1982\nBally Midway\n0\n\ntron\n\n\n\n1\n\n\n\n1\n";
        const QByteArray software = "smb\nSuper Mario Bros.\n\n1985\nNintendo\n0\ncart\nnes\nnes\nnes_cart\n"
                                    "cart\n0\n\n\n\n1\n";
        row("machine and software", "[ROOT_FOLDER]\n[Favorite]\n\n" + machine + software, QString("tron -"));
        row("CR LF, twice over, no final line end",
            QByteArray(machine + machine)
                .replace("\n", "\r\r\n")
                .chopped(3)
                .prepend("[ROOT_FOLDER]\r\n[Favorite]\r\n\r\n"),
            QString("tron tron"));
        row("no entries", QByteArray("[ROOT_FOLDER]\n[Favorite]\n\n"), QString(""));
        row("an entry cut short", "[ROOT_FOLDER]\n[Favorite]\n\n" + machine.chopped(2), QString("none"));
        row("no header", machine, QString("none"));
    }
    void readsEmulatorFavourites() {
        const auto read = catalogue::readMameFavourites(cell<QByteArray>("bytes"));
        QStringList machines;
        for (const catalogue::MameFavourite& entry : read.value_or(QList<catalogue::MameFavourite>{}))
            machines << (entry.machine().isEmpty() ? QString("-") : entry.machine());
        QTEST(read ? machines.join(u' ') : QString("none"), "machines");
    }
};

QTEST_GUILESS_MAIN(TestSharedLists)
#include "TestSharedLists.moc"

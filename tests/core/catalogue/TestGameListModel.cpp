#include "core/catalogue/CatalogueLoader.h"
#include "core/catalogue/GameListModel.h"
#include "support/TableRows.h"

#include <QPersistentModelIndex>

using catalogue::GameListModel;
using catalogue::GameRecord;

namespace {
// A game from its catalogue line.
GameRecord game(const char* line) {
    return *catalogue::RecordReader().parse(line);
}

// The ROM names of the whole list, or of the games the search shows.
QString romOrder(const GameListModel& model, bool shown = false) {
    QStringList roms;
    for (int row = 0; row < (shown ? model.rowCount() : model.count()); ++row)
        roms << model.game(shown ? model.listRow(row) : row).romName();
    return roms.join(u' ');
}

QList<GameRecord> searchedGames() {
    return {game("Pac-Man (Midway),1980,,,,Midway,,,,pacman"), game("Pok\xe9mon Stadium,1999,,,,Nintendo,,,,poke"),
            game("Galaxian,1979,,,,Namco,,,,galaxian"), game("Ms. PAC-MAN,1981,,,,Midway,,,,mspacman")};
}
} // namespace

class TestGameListModel : public QObject {
    Q_OBJECT
private slots:
    // Then a game added at its sorted place, and taken away again.
    void sorts_data() {
        columns<int, Qt::SortOrder, QString, QString>({"column", "order", "roms", "added"});
        row("game ascending, case ignored", 0, Qt::AscendingOrder, "a b1 b2 c d", "a b1 b2 c d e");
        row("game descending, equal keys keep their order", 0, Qt::DescendingOrder, "d c b1 b2 a", "e d c b1 b2 a");
        row("year ascending", 1, Qt::AscendingOrder, "c a b1 b2 d", "c e a b1 b2 d");
        row("ROM descending", 9, Qt::DescendingOrder, "d c b2 b1 a", "e d c b2 b1 a");
    }
    void sorts() {
        GameListModel model;
        model.sort(5); // a start from another column, so each row really sorts
        model.setGames({game("delta,1990,,,,,,,,d"), game("Bravo,1985,,,,,,,,b1"), game("alpha,1983,,,,,,,,a"),
                        game("bravo,1985,,,,,,,,b2"), game("Charlie,1979,,,,,,,,c")});
        const QPersistentModelIndex selected = model.index(2, 0);
        model.sort(cell<int>("column"), cell<Qt::SortOrder>("order"));
        QTEST(romOrder(model), "roms");
        QCOMPARE(model.game(selected.row()).romName(), QStringLiteral("a")); // the selection follows its game
        QCOMPARE(model.data(model.index(0, 9), Qt::DisplayRole).toString(), model.game(0).romName());
        QCOMPARE(model.headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Manufacturer"));
        const int added = model.addGame(game("Echo,1980,,,,,,,,e"));
        QTEST(romOrder(model), "added");
        QCOMPARE(model.game(added).romName(), QStringLiteral("e"));
        model.removeGame(added);
        QTEST(romOrder(model), "roms");
    }

    // Marks, accents and case: a sorted list and a game added to it agree on the order.
    void sortsAnyText() {
        GameListModel model;
        model.setGames({game("\xe9p\xe9"
                             "e,,,,,,,,,p"),
                        game("Zed,,,,,,,,,z"), game("alpha,,,,,,,,,a"), game("_under,,,,,,,,,u"),
                        game("\xc9"
                             "clair,,,,,,,,,E"),
                        game("[brack,,,,,,,,,b"), game("eclair,,,,,,,,,e")});
        QCOMPARE(romOrder(model), QStringLiteral("b u a e z E p"));
        model.addGame(game("Ebene,,,,,,,,,x"));
        model.addGame(game("\xc9"
                           "CLAIR,,,,,,,,,y"));
        QCOMPARE(romOrder(model), QStringLiteral("b u a x e z E y p"));
    }

    void searches_data() {
        columns<QString, QString>({"text", "roms"});
        row("case ignored", "pac-MAN", "mspacman pacman");
        row("every word, each anywhere", "pac 1980", "pacman");
        row("accent in the game", "pokemon", "poke");
        row("accent typed", QString::fromUtf8("GAL\u00c1XIAN"), "galaxian");
        row("ROM name", "mspac", "mspacman");
        row("manufacturer", "namco", "galaxian");
        row("year", "1999", "poke");
        row("no match", "pac 1979", "");
        row("no word across two fields", "stadiumpoke", "");
    }
    void searches() {
        const QString text = cell<QString>("text");
        GameListModel model;
        model.setGames(searchedGames());
        // Typed a letter at a time and deleted again, each search starting from the one before
        // finds what a search of the whole list finds.
        const auto searchFor = [&](qsizetype typed) {
            GameListModel whole;
            whole.setGames(searchedGames());
            whole.search(QStringView(text).first(typed));
            model.search(QStringView(text).first(typed));
            QCOMPARE(romOrder(model, true), romOrder(whole, true));
        };
        for (qsizetype typed = 1; typed <= text.size(); ++typed)
            searchFor(typed);
        QTEST(romOrder(model, true), "roms");
        for (qsizetype typed = text.size() - 1; typed >= 0; --typed)
            searchFor(typed);
    }

    // Sorted, added and removed behind a search, games keep their shown rows and whole-list places apart.
    void searchFollowsChanges() {
        GameListModel model;
        model.setGames(searchedGames());
        model.search(u"midway");
        model.sort(0, Qt::DescendingOrder);
        model.addGame(game("Bosconian,1981,,,,Namco,,,,bosco"));
        const int added = model.addGame(game("Ms. Pac-Man Plus,1981,,,,Midway,,,,mspacplus"));
        QCOMPARE(romOrder(model, true), QStringLiteral("pacman mspacplus mspacman"));
        QCOMPARE(romOrder(model), QStringLiteral("poke pacman mspacplus mspacman galaxian bosco"));
        QCOMPARE(model.shownRow(added), 1);
        model.removeGame(added);
        model.removeGame(0);
        QCOMPARE(romOrder(model, true), QStringLiteral("pacman mspacman"));
        QCOMPARE(model.shownRow(2), -1);
    }
};

QTEST_GUILESS_MAIN(TestGameListModel)
#include "TestGameListModel.moc"

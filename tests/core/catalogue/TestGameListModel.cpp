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

QString romOrder(const GameListModel& model) {
    QStringList roms;
    for (int row = 0; row < model.count(); ++row)
        roms << model.game(row).romName();
    return roms.join(u' ');
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
};

QTEST_GUILESS_MAIN(TestGameListModel)
#include "TestGameListModel.moc"

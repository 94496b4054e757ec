#include "catalogue/GameListModel.h"

#include <QPersistentModelIndex>
#include <QTest>

using catalogue::GameListModel;
using catalogue::GameRecord;

namespace {

GameRecord game(const QString& description, const QString& year, const QString& rom) {
    GameRecord record;
    record[GameRecord::Description] = description;
    record[GameRecord::Year] = year;
    record[GameRecord::RomName] = rom;
    return record;
}

QStringList romOrder(const GameListModel& model) {
    QStringList roms;
    for (int row = 0; row < model.count(); ++row)
        roms << model.game(row).romName();
    return roms;
}

} // namespace

class TestGameListModel : public QObject {
    Q_OBJECT

private slots:
    void sorts_data();
    void sorts();
    void selectionFollowsItsGame();
    void addsAtTheSortedPlace();
};

void TestGameListModel::sorts_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("roms");
    QTest::newRow("game ascending, case ignored")
        << 0 << int(Qt::AscendingOrder) << QStringList{"a", "b1", "b2", "c", "d"};
    QTest::newRow("game descending, equal keys keep their order")
        << 0 << int(Qt::DescendingOrder) << QStringList{"d", "c", "b1", "b2", "a"};
    QTest::newRow("year ascending") << 1 << int(Qt::AscendingOrder) << QStringList{"c", "a", "b1", "b2", "d"};
    QTest::newRow("ROM descending") << 9 << int(Qt::DescendingOrder) << QStringList{"d", "c", "b2", "b1", "a"};
}

void TestGameListModel::sorts() {
    QFETCH(int, column);
    QFETCH(int, order);
    QFETCH(QStringList, roms);
    GameListModel model;
    model.sort(5); // a start from another column, so each row really sorts
    model.setGames({game("delta", "1990", "d"), game("Bravo", "1985", "b1"), game("alpha", "1983", "a"),
                    game("bravo", "1985", "b2"), game("Charlie", "1979", "c")});
    model.sort(column, Qt::SortOrder(order));
    QCOMPARE(romOrder(model), roms);
    QCOMPARE(model.data(model.index(0, 9), Qt::DisplayRole).toString(), roms.first());
    QCOMPARE(model.headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Manufacturer"));
}

void TestGameListModel::selectionFollowsItsGame() {
    GameListModel model;
    model.setGames({game("a", "3", "a"), game("b", "2", "b"), game("c", "1", "c")});
    const QPersistentModelIndex selected = model.index(0, 0);
    model.sort(1);
    QCOMPARE(selected.row(), 2);
    QCOMPARE(model.game(selected.row()).romName(), QStringLiteral("a"));
}

void TestGameListModel::addsAtTheSortedPlace() {
    GameListModel model;
    model.sort(0, Qt::DescendingOrder);
    model.setGames({game("a", "", "a"), game("c", "", "c")});
    QCOMPARE(model.addGame(game("b", "", "b")), 1);
    QCOMPARE(romOrder(model), QStringList({"c", "b", "a"}));
    model.removeGame(0);
    QCOMPARE(romOrder(model), QStringList({"b", "a"}));
}

QTEST_GUILESS_MAIN(TestGameListModel)
#include "TestGameListModel.moc"

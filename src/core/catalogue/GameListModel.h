#pragma once

#include "core/catalogue/GameRecord.h"

#include <QAbstractTableModel>
#include <QList>

#include <vector>

namespace catalogue {

// One game list's rows, kept sorted by its own sort column and order. Texts compare without
// regard to case; games that compare equal keep their catalogue order.
class GameListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setGames(QList<GameRecord> games);
    void clear() { setGames({}); }
    int count() const { return int(m_games.size()); }
    const GameRecord& game(int row) const { return m_games.at(row); }

    // Adds a game at its sorted place; returns its row.
    int addGame(const GameRecord& game);
    void removeGame(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Sorts and keeps persistent indexes (the selection) on their games.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    bool before(const GameRecord& a, const GameRecord& b) const;
    QList<GameRecord> sortedRows(QList<GameRecord> games, std::vector<int>* newRow) const;

    QList<GameRecord> m_games;
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace catalogue

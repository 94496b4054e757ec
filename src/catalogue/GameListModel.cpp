#include "catalogue/GameListModel.h"

#include <algorithm>
#include <numeric>

namespace catalogue {

bool GameListModel::before(const GameRecord& a, const GameRecord& b) const {
    const int order = QString::compare(a.fields[m_sortColumn], b.fields[m_sortColumn], Qt::CaseInsensitive);
    return m_sortOrder == Qt::AscendingOrder ? order < 0 : order > 0;
}

void GameListModel::setGames(QList<GameRecord> games) {
    beginResetModel();
    m_games = std::move(games);
    std::stable_sort(m_games.begin(), m_games.end(), [this](const auto& a, const auto& b) { return before(a, b); });
    endResetModel();
}

int GameListModel::addGame(const GameRecord& game) {
    const auto at = std::upper_bound(m_games.cbegin(), m_games.cend(), game,
                                     [this](const auto& a, const auto& b) { return before(a, b); });
    const int row = int(at - m_games.cbegin());
    beginInsertRows({}, row, row);
    m_games.insert(row, game);
    endInsertRows();
    return row;
}

void GameListModel::removeGame(int row) {
    if (row < 0 || row >= count())
        return;
    beginRemoveRows({}, row, row);
    m_games.removeAt(row);
    endRemoveRows();
}

int GameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int GameListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : GameRecord::FieldCount;
}

QVariant GameListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return m_games.at(index.row()).fields[index.column()];
}

QVariant GameListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= GameRecord::FieldCount)
        return {};
    return columnHeadings()[section];
}

void GameListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= GameRecord::FieldCount)
        column = 0;
    if (column == m_sortColumn && order == m_sortOrder)
        return; // the rows are kept in this order already
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    m_sortColumn = column;
    m_sortOrder = order;
    std::vector<int> rows(m_games.size());
    std::iota(rows.begin(), rows.end(), 0);
    std::stable_sort(rows.begin(), rows.end(), [this](int a, int b) { return before(m_games[a], m_games[b]); });

    QList<GameRecord> sorted;
    sorted.reserve(m_games.size());
    std::vector<int> newRow(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        sorted.append(std::move(m_games[rows[i]]));
        newRow[size_t(rows[i])] = int(i);
    }
    m_games = std::move(sorted);

    const QModelIndexList persistent = persistentIndexList();
    QModelIndexList moved;
    moved.reserve(persistent.size());
    for (const QModelIndex& index : persistent)
        moved.append(createIndex(newRow[size_t(index.row())], index.column()));
    changePersistentIndexList(persistent, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace catalogue

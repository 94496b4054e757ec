#include "core/catalogue/GameListModel.h"

#include <algorithm>
#include <numeric>

namespace catalogue {

namespace {

// Case-insensitive comparison with a fast path for plain ASCII, which nearly all catalogue
// text is; anything else is left to Qt's case folding, which agrees with it on ASCII.
int compareText(const QString& a, const QString& b) {
    const qsizetype common = qMin(a.size(), b.size());
    const char16_t* x = reinterpret_cast<const char16_t*>(a.constData());
    const char16_t* y = reinterpret_cast<const char16_t*>(b.constData());
    for (qsizetype i = 0; i < common; ++i) {
        char16_t p = x[i];
        char16_t q = y[i];
        if (p >= 0x80 || q >= 0x80)
            return QString::compare(a, b, Qt::CaseInsensitive);
        if (p >= u'A' && p <= u'Z')
            p += 32;
        if (q >= u'A' && q <= u'Z')
            q += 32;
        if (p != q)
            return p < q ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

// The text as compareText sees it, for comparing as it is: plain ASCII folded here, anything
// else by Qt, which agrees with it on ASCII.
QString folded(const QString& text) {
    bool hasUpper = false;
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return text.toCaseFolded();
        hasUpper = hasUpper || (c >= u'A' && c <= u'Z');
    }
    if (!hasUpper)
        return text;
    QString lower = text;
    for (QChar& c : lower) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    }
    return lower;
}

} // namespace

bool GameListModel::before(const GameRecord& a, const GameRecord& b) const {
    const int order = compareText(a.fields[m_sortColumn], b.fields[m_sortColumn]);
    return m_sortOrder == Qt::AscendingOrder ? order < 0 : order > 0;
}

// Sorts an order of row numbers rather than the records themselves: moving ten strings per
// swap costs more than the comparisons. Each text is folded once, so that comparing two is a
// plain comparison, in the order compareText gives. newRow, when given, receives each old row's
// new place.
QList<GameRecord> GameListModel::sortedRows(QList<GameRecord> games, std::vector<int>* newRow) const {
    std::vector<int> rows(size_t(games.size()));
    std::iota(rows.begin(), rows.end(), 0);
    std::vector<QString> keys;
    keys.reserve(rows.size());
    for (const GameRecord& game : std::as_const(games))
        keys.push_back(folded(game.fields[m_sortColumn]));
    const bool ascending = m_sortOrder == Qt::AscendingOrder;
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        const int order = QString::compare(keys[size_t(a)], keys[size_t(b)], Qt::CaseSensitive);
        return ascending ? order < 0 : order > 0;
    });
    QList<GameRecord> sorted;
    sorted.reserve(games.size());
    if (newRow)
        newRow->resize(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        sorted.append(std::move(games[rows[i]]));
        if (newRow)
            (*newRow)[size_t(rows[i])] = int(i);
    }
    return sorted;
}

void GameListModel::setGames(QList<GameRecord> games) {
    beginResetModel();
    m_games = sortedRows(std::move(games), nullptr);
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
    std::vector<int> newRow;
    m_games = sortedRows(std::move(m_games), &newRow);

    const QModelIndexList persistent = persistentIndexList();
    QModelIndexList moved;
    moved.reserve(persistent.size());
    for (const QModelIndex& index : persistent)
        moved.append(createIndex(newRow[size_t(index.row())], index.column()));
    changePersistentIndexList(persistent, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace catalogue

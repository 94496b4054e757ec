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
    m_texts.clear();
    m_spans.clear();
    m_spans.reserve(size_t(m_games.size()));
    for (const GameRecord& game : std::as_const(m_games)) {
        const qsizetype start = m_texts.size();
        appendSearchText(m_texts, game);
        m_spans.push_back({start, m_texts.size() - start});
    }
    m_shown = matching(allRows());
    endResetModel();
}

int GameListModel::addGame(const GameRecord& game) {
    const auto at = std::upper_bound(m_games.cbegin(), m_games.cend(), game,
                                     [this](const auto& a, const auto& b) { return before(a, b); });
    const int row = int(at - m_games.cbegin());
    const qsizetype start = m_texts.size();
    appendSearchText(m_texts, game);
    const TextSpan span{start, m_texts.size() - start};
    const bool shown = matches(QByteArrayView(m_texts).sliced(start, span.length), m_words);
    const auto later = std::lower_bound(m_shown.begin(), m_shown.end(), row);
    const int shownAt = int(later - m_shown.begin());
    if (shown)
        beginInsertRows({}, shownAt, shownAt);
    m_games.insert(row, game);
    m_spans.insert(m_spans.begin() + row, span);
    std::for_each(later, m_shown.end(), [](int& each) { ++each; });
    if (shown) {
        m_shown.insert(m_shown.begin() + shownAt, row);
        endInsertRows();
    }
    return row;
}

void GameListModel::removeGame(int row) {
    if (row < 0 || row >= count())
        return;
    const int shownAt = shownRow(row);
    if (shownAt >= 0) {
        beginRemoveRows({}, shownAt, shownAt);
        m_shown.erase(m_shown.begin() + shownAt);
    }
    m_games.removeAt(row);
    m_spans.erase(m_spans.begin() + row);
    for (int& each : m_shown) {
        if (each > row)
            --each;
    }
    if (shownAt >= 0)
        endRemoveRows();
}

bool GameListModel::search(QStringView text) {
    SearchWords words = searchWords(text);
    if (words == m_words)
        return false;
    const bool narrower = narrows(words, m_words);
    m_words = std::move(words);
    std::vector<int> shown = matching(narrower ? m_shown : allRows());
    if (shown == m_shown)
        return false;
    beginResetModel();
    m_shown = std::move(shown);
    endResetModel();
    return true;
}

int GameListModel::shownRow(int listRow) const {
    const auto at = std::lower_bound(m_shown.cbegin(), m_shown.cend(), listRow);
    return at != m_shown.cend() && *at == listRow ? int(at - m_shown.cbegin()) : -1;
}

QByteArrayView GameListModel::searchText(int row) const {
    const TextSpan& span = m_spans[size_t(row)];
    return QByteArrayView(m_texts).sliced(span.start, span.length);
}

std::vector<int> GameListModel::matching(std::vector<int> rows) const {
    if (!m_words.isEmpty())
        std::erase_if(rows, [this](int row) { return !matches(searchText(row), m_words); });
    return rows;
}

std::vector<int> GameListModel::allRows() const {
    std::vector<int> rows(size_t(m_games.size()));
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

int GameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownCount();
}

int GameListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : GameRecord::FieldCount;
}

QVariant GameListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return m_games.at(listRow(index.row())).fields[index.column()];
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
    std::vector<TextSpan> spans(m_spans.size());
    for (size_t row = 0; row < spans.size(); ++row)
        spans[size_t(newRow[row])] = m_spans[row];
    m_spans = std::move(spans);
    // The same games stay shown, at their new places.
    std::vector<int> shown = m_shown;
    for (int& row : shown)
        row = newRow[size_t(row)];
    std::sort(shown.begin(), shown.end());
    std::swap(shown, m_shown);

    const QModelIndexList persistent = persistentIndexList();
    QModelIndexList moved;
    moved.reserve(persistent.size());
    for (const QModelIndex& index : persistent)
        moved.append(createIndex(shownRow(newRow[size_t(shown[size_t(index.row())])]), index.column()));
    changePersistentIndexList(persistent, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace catalogue

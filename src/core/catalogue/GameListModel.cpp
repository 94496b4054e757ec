#include "core/catalogue/GameListModel.h"

#include <algorithm>
#include <numeric>

namespace catalogue {

namespace {

// Case-insensitive comparison with a fast path for plain ASCII, which nearly all catalogue
// text is; anything else is left to Qt's case folding, which agrees with it on ASCII.
int compareText(const QString& a, const QString& b, qsizetype from = 0) {
    // Texts that recur (makers, years) are shared between records: the same text is equal.
    if (a.constData() == b.constData() && a.size() == b.size())
        return 0;
    const qsizetype common = qMin(a.size(), b.size());
    const char16_t* x = reinterpret_cast<const char16_t*>(a.constData());
    const char16_t* y = reinterpret_cast<const char16_t*>(b.constData());
    for (qsizetype i = from; i < common; ++i) {
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

// How long a game was played, as a clock shows it: "1:05:09".
QString playTime(qint64 seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString number(qint64 value) {
    return QStringLiteral("%1").arg(value, 12, 10, QLatin1Char('0'));
}

} // namespace

QString GameListModel::text(const GameRecord& game, int column) const {
    if (column < GameRecord::FieldCount)
        return game.field(column);
    if (column == GenreColumn)
        return game.facts().genre;
    const PlayRecord plays = m_marks ? m_marks->plays(game.romName()) : PlayRecord();
    switch (column) {
    case LastPlayedColumn:
        return plays.last.isValid() ? plays.last.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm")) : QString();
    case PlayCountColumn:
        return plays.count > 0 ? QString::number(plays.count) : QString();
    case TimePlayedColumn:
        return plays.seconds > 0 ? playTime(plays.seconds) : QString();
    default:
        return QString();
    }
}

// What a column sorts by: its text, but for the play history's numbers and moments.
QString GameListModel::sortKey(const GameRecord& game, int column) const {
    if (column < LastPlayedColumn)
        return folded(text(game, column));
    const PlayRecord plays = m_marks ? m_marks->plays(game.romName()) : PlayRecord();
    switch (column) {
    case LastPlayedColumn:
        return plays.last.isValid() ? number(plays.last.toSecsSinceEpoch()) : QString();
    case PlayCountColumn:
        return number(plays.count);
    default:
        return number(plays.seconds);
    }
}

bool GameListModel::before(const GameRecord& a, const GameRecord& b) const {
    const int order = m_sortColumn < GameRecord::FieldCount
                          ? compareText(a.field(m_sortColumn), b.field(m_sortColumn))
                          : QString::compare(sortKey(a, m_sortColumn), sortKey(b, m_sortColumn));
    return m_sortOrder == Qt::AscendingOrder ? order < 0 : order > 0;
}

// The first sixteen letters of a text, folded as compareText folds them, as two numbers that
// order as the texts do whenever they differ. Inexact when a letter among them is not ASCII:
// such a text is always compared whole.
struct SortPrefix {
    quint64 high = 0;
    quint64 low = 0;
    bool exact = true;
};
constexpr qsizetype SortPrefixLength = 16;

SortPrefix sortPrefix(const QString& text) {
    SortPrefix prefix;
    const qsizetype length = qMin(text.size(), SortPrefixLength);
    const char16_t* letters = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < length; ++i) {
        char16_t c = letters[i];
        if (c >= 0x80)
            return {0, 0, false};
        if (c >= u'A' && c <= u'Z')
            c += 32;
        (i < 8 ? prefix.high : prefix.low) |= quint64(c) << (56 - 8 * (i % 8));
    }
    return prefix;
}

// Sorts an order of row numbers rather than the records themselves: moving ten strings per
// swap costs more than the comparisons. A text column compares the texts' first letters as
// numbers, and the texts themselves only where those are the same; the other columns compare
// keys made once. newRow, when given, receives each old row's new place.
QList<GameRecord> GameListModel::sortedRows(QList<GameRecord> games, std::vector<int>* newRow) const {
    std::vector<int> rows(size_t(games.size()));
    std::iota(rows.begin(), rows.end(), 0);
    const bool ascending = m_sortOrder == Qt::AscendingOrder;
    const auto ordered = [ascending](int order) {
        return ascending ? order < 0 : order > 0;
    };
    if (m_sortColumn <= GenreColumn) {
        const int column = m_sortColumn;
        const auto textOf = [column](const GameRecord& game) -> const QString& {
            return column < GameRecord::FieldCount ? game.field(column) : game.facts().genre;
        };
        std::vector<SortPrefix> prefixes;
        prefixes.reserve(rows.size());
        for (const GameRecord& game : std::as_const(games))
            prefixes.push_back(sortPrefix(textOf(game)));
        const auto before = [&](int a, int b) {
            const SortPrefix& p = prefixes[size_t(a)];
            const SortPrefix& q = prefixes[size_t(b)];
            if (p.exact && q.exact) {
                if (p.high != q.high || p.low != q.low) {
                    const bool less = p.high != q.high ? p.high < q.high : p.low < q.low;
                    return ascending ? less : !less;
                }
                return ordered(compareText(textOf(games.at(a)), textOf(games.at(b)), SortPrefixLength));
            }
            return ordered(compareText(textOf(games.at(a)), textOf(games.at(b))));
        };
        std::stable_sort(rows.begin(), rows.end(), before);
    } else {
        std::vector<QString> keys;
        keys.reserve(rows.size());
        for (const GameRecord& game : std::as_const(games))
            keys.push_back(sortKey(game, m_sortColumn));
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
            return ordered(QString::compare(keys[size_t(a)], keys[size_t(b)], Qt::CaseSensitive));
        });
    }
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
    // Room for all the texts at once. A buffer grown by doubling is moved by the system as it
    // grows, and the first search after the load would meet its moved pages cold: over a
    // million games that first keystroke took 60 ms instead of 8.
    qsizetype size = 0;
    for (const GameRecord& game : std::as_const(m_games))
        size += searchTextSize(game) + game.facts().genre.size();
    m_texts.reserve(size);
    for (const GameRecord& game : std::as_const(m_games))
        appendTexts(game);
    // Accented texts may have taken more and grown it: what it did not use goes back.
    if (m_texts.capacity() > m_texts.size() + m_texts.size() / 8)
        m_texts.squeeze();
    m_shown = matching(allRows());
    endResetModel();
}

void GameListModel::takeGames(const GameListModel& list, const std::function<bool(const GameRecord&)>& wanted) {
    if (list.m_sortColumn != m_sortColumn || list.m_sortOrder != m_sortOrder) {
        QList<GameRecord> games;
        for (const GameRecord& game : list.m_games) {
            if (wanted(game))
                games.append(game);
        }
        setGames(std::move(games));
        return;
    }
    std::vector<int> taken;
    for (int row = 0; row < list.count(); ++row) {
        if (wanted(list.m_games.at(row)))
            taken.push_back(row);
    }
    beginResetModel();
    m_games.clear();
    m_games.reserve(qsizetype(taken.size()));
    // The texts stay in the other list's buffer, shared; this list's rows skip the others' texts.
    m_texts = list.m_texts;
    m_spans.clear();
    m_spans.reserve(taken.size());
    for (const int row : taken) {
        m_games.append(list.m_games.at(row));
        m_spans.push_back(list.m_spans[size_t(row)]);
    }
    m_shown = matching(allRows());
    endResetModel();
}

int GameListModel::addGame(const GameRecord& game) {
    const auto at = std::upper_bound(m_games.cbegin(), m_games.cend(), game,
                                     [this](const auto& a, const auto& b) { return before(a, b); });
    const int row = int(at - m_games.cbegin());
    // The game's text goes into the buffer where its row is, the later rows' after it.
    const qsizetype end = m_texts.size();
    appendTexts(game);
    TextSpan span = m_spans.back();
    m_spans.pop_back();
    if (row < count()) {
        const QByteArray text = m_texts.sliced(end);
        m_texts.truncate(end);
        span.start = m_spans[size_t(row)].start;
        m_texts.insert(span.start, text);
        for (size_t later = size_t(row); later < m_spans.size(); ++later)
            m_spans[later].start += quint32(text.size());
    }
    m_games.insert(row, game);
    m_spans.insert(m_spans.begin() + row, span);
    const bool shown = isShown(row);
    const auto later = std::lower_bound(m_shown.begin(), m_shown.end(), row);
    const int shownAt = int(later - m_shown.begin());
    if (shown)
        beginInsertRows({}, shownAt, shownAt);
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
    // Its text stays in the buffer, unreached, until the list is filled again.
    m_games.removeAt(row);
    m_spans.erase(m_spans.begin() + row);
    for (int& each : m_shown) {
        if (each > row)
            --each;
    }
    if (shownAt >= 0)
        endRemoveRows();
}

int GameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownCount();
}

int GameListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant GameListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const GameRecord& game = m_games.at(listRow(index.row()));
    if (role == FavouriteRole)
        return m_marks && m_marks->isFavourite(game.romName());
    if (role != Qt::DisplayRole)
        return {};
    return text(game, index.column());
}

QVariant GameListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    static const QString extra[] = {QStringLiteral("Genre"), QStringLiteral("Last Played"),
                                    QStringLiteral("Play Count"), QStringLiteral("Time Played")};
    return section < GameRecord::FieldCount ? columnHeadings()[section] : extra[section - GameRecord::FieldCount];
}

void GameListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= ColumnCount)
        column = 0;
    if (column == m_sortColumn && order == m_sortOrder)
        return; // the rows are kept in this order already
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    m_sortColumn = column;
    m_sortOrder = order;
    std::vector<int> newRow;
    m_games = sortedRows(std::move(m_games), &newRow);
    // The texts follow their rows into the new order.
    std::vector<int> oldRow(newRow.size());
    for (size_t row = 0; row < newRow.size(); ++row)
        oldRow[size_t(newRow[row])] = int(row);
    QByteArray texts;
    texts.reserve(m_texts.size());
    std::vector<TextSpan> spans(m_spans.size());
    for (size_t row = 0; row < spans.size(); ++row) {
        const TextSpan& span = m_spans[size_t(oldRow[row])];
        spans[row] = {quint32(texts.size()), span.length, span.genreLength};
        texts.append(QByteArrayView(m_texts).sliced(span.start, qsizetype(span.length) + span.genreLength));
    }
    m_texts = std::move(texts);
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

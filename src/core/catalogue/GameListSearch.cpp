// A game list's search: each game's folded text in one buffer, and the rows that match.
#include "core/catalogue/GameListModel.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <numeric>

namespace catalogue {

void GameListModel::appendTexts(const GameRecord& game) {
    const qsizetype start = m_texts.size();
    appendSearchText(m_texts, game);
    const qsizetype words = m_texts.size() - start;
    if (!game.facts().genre.isEmpty())
        m_texts += searchWords(game.facts().genre).join(' ');
    // Spans count in 32 bits: past 4 GB of text (tens of millions of games) rows find nothing.
    if (m_texts.size() > qsizetype(std::numeric_limits<quint32>::max())) {
        m_texts.truncate(start);
        m_spans.push_back({0, 0, 0});
        return;
    }
    m_spans.push_back({quint32(start), quint32(words), quint32(m_texts.size() - start - words)});
}

bool GameListModel::search(QStringView text) {
    SearchQuery query = parseSearch(text, m_abilities);
    if (query == m_query)
        return false;
    const bool narrower = narrows(query, m_query);
    m_query = std::move(query);
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

QByteArrayView GameListModel::genreText(int row) const {
    const TextSpan& span = m_spans[size_t(row)];
    return QByteArrayView(m_texts).sliced(span.start + span.length, span.genreLength);
}

bool GameListModel::isShown(int row, bool holdsWords) const {
    const QByteArrayView text = searchText(row);
    const auto holds = [text](const QByteArray& word) {
        return text.contains(word);
    };
    return (holdsWords || matches(text, m_query.words)) &&
           std::none_of(m_query.unwanted.cbegin(), m_query.unwanted.cend(), holds) &&
           meetsTerms(m_games.at(row), text, genreText(row), m_query.terms, m_marks);
}

namespace {

// Finds a word through a long text. Sixteen places are tried at once for the word's first and
// last letters, which together seldom stand apart from it (the first letter alone, often a
// common one, stood every few bytes); the rest is compared only there.
class WordFinder {
public:
    explicit WordFinder(QByteArrayView word)
        : m_word(word)
        , m_last(word.size() - 1) {
        for (int i = 0; i < 16; ++i) {
            m_firsts[i] = word[0];
            m_lasts[i] = word[m_last];
        }
    }

    // Where the word first stands in [from, end); nothing when it does not.
    const char* find(const char* from, const char* end) const {
        if (end - from <= m_last)
            return nullptr;
        const char* const stop = end - m_last; // the places the word may start at
        for (; stop - from >= 16; from += 16) {
            Bytes starting;
            Bytes ending;
            std::memcpy(&starting, from, sizeof starting);
            std::memcpy(&ending, from + m_last, sizeof ending);
            const Bytes both = Bytes((starting == m_firsts) & (ending == m_lasts));
            quint64 halves[2];
            std::memcpy(halves, &both, sizeof halves);
            if ((halves[0] | halves[1]) == 0)
                continue;
            for (int i = 0; i < 16; ++i) {
                if (both[i] && holdsWordAt(from + i))
                    return from + i;
            }
        }
        for (; from < stop; ++from) {
            if (*from == m_word[0] && holdsWordAt(from))
                return from;
        }
        return nullptr;
    }

private:
    using Bytes = char __attribute__((vector_size(16)));

    bool holdsWordAt(const char* at) const {
        return at[m_last] == m_word[m_last] && std::memcmp(at + 1, m_word.data() + 1, size_t(m_last)) == 0;
    }

    QByteArrayView m_word;
    qsizetype m_last;
    Bytes m_firsts;
    Bytes m_lasts;
};

} // namespace

// Which rows hold every word of the search: the longest word (the likeliest to be rare) looked
// for once through the whole buffer instead of once a row, a row found left at once; the other
// words only in the rows found. A word found in a genre, or in the text of a game removed,
// counts for no row.
std::vector<bool> GameListModel::rowsHoldingWords() const {
    const size_t rows = m_spans.size();
    std::vector<bool> holds(rows, false);
    const QByteArray& longest =
        *std::max_element(m_query.words.cbegin(), m_query.words.cend(),
                          [](const QByteArray& a, const QByteArray& b) { return a.size() < b.size(); });
    const WordFinder finder(longest);
    const char* texts = m_texts.constData();
    const char* end = texts + m_texts.size();
    size_t row = 0;
    const char* from = texts;
    while (row < rows) {
        const char* hit = finder.find(from, end);
        if (!hit)
            break;
        const qsizetype at = hit - texts;
        while (row + 1 < rows && m_spans[row + 1].start <= at)
            ++row;
        const TextSpan& span = m_spans[row];
        if (at < qsizetype(span.start) || at + longest.size() > qsizetype(span.start) + span.length) {
            from = hit + 1;
            continue;
        }
        const QByteArrayView text = searchText(int(row));
        holds[row] = std::all_of(m_query.words.cbegin(), m_query.words.cend(),
                                 [&](const QByteArray& word) { return &word == &longest || text.contains(word); });
        if (++row < rows)
            from = texts + m_spans[row].start;
    }
    return holds;
}

std::vector<int> GameListModel::matching(std::vector<int> rows) const {
    if (m_query.isEmpty())
        return rows;
    // Over much of the list the words are looked for through the whole buffer at once.
    if (!m_query.words.isEmpty() && rows.size() > m_spans.size() / 8) {
        const std::vector<bool> holds = rowsHoldingWords();
        const bool wordsOnly = m_query.unwanted.isEmpty() && m_query.terms.isEmpty();
        std::erase_if(rows, [&](int row) { return !holds[size_t(row)] || (!wordsOnly && !isShown(row, true)); });
        return rows;
    }
    std::erase_if(rows, [this](int row) { return !isShown(row); });
    return rows;
}

void GameListModel::marksChanged() {
    const bool asked = std::any_of(m_query.terms.cbegin(), m_query.terms.cend(), [](const SearchTerm& term) {
        return term.kind == SearchTerm::Kind::Favourite || term.kind == SearchTerm::Kind::Played;
    });
    if (asked) {
        std::vector<int> shown = matching(allRows());
        if (shown != m_shown) {
            beginResetModel();
            m_shown = std::move(shown);
            endResetModel();
        }
    }
    if (m_sortColumn >= LastPlayedColumn) {
        const int column = m_sortColumn;
        m_sortColumn = -1;
        sort(column, m_sortOrder);
    }
    if (shownCount() > 0)
        emit dataChanged(index(0, 0), index(shownCount() - 1, ColumnCount - 1));
}

std::vector<int> GameListModel::allRows() const {
    std::vector<int> rows(size_t(m_games.size()));
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

} // namespace catalogue

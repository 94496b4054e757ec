#pragma once

#include "core/catalogue/GameFilter.h"
#include "core/catalogue/GameRecord.h"
#include "core/catalogue/SearchQuery.h"

#include <QAbstractTableModel>
#include <QList>

#include <functional>
#include <vector>

namespace catalogue {

// One game list, kept sorted by its own sort column and order. Texts compare without regard to
// case; games that compare equal keep their catalogue order. A search narrows what is shown:
// the model's indexes address the games shown, in the list's order, while the rows taken and
// returned by count(), game(), addGame() and removeGame() are places in the whole list.
class GameListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Beyond the catalogue's ten fields: the genre (catver.ini) and the play history.
    enum ExtraColumn { GenreColumn = GameRecord::FieldCount, LastPlayedColumn, PlayCountColumn, TimePlayedColumn };
    static constexpr int ColumnCount = TimePlayedColumn + 1;
    // Whether a row's game is a favourite (the list marks it with a star).
    static constexpr int FavouriteRole = Qt::UserRole + 1;

    // What the search may ask and what the user's data says; the marks outlive the model.
    void setSearchAbilities(const SearchAbilities& abilities) { m_abilities = abilities; }
    void setMarks(const GameMarks* marks) { m_marks = marks; }
    // The marks changed (a favourite, a game played): the rows show them, a search that asks
    // them is made again, a list sorted by them sorted again.
    void marksChanged();

    // Fills the list; the search stays.
    void setGames(QList<GameRecord> games);
    // Fills the list with the games of another list that wanted() takes: in its order, sharing
    // its search texts, when the two sort alike; else sorted here, games that sort alike then in
    // the other list's order.
    void takeGames(const GameListModel& list, const std::function<bool(const GameRecord&)>& wanted);
    void clear() { setGames({}); }
    int count() const { return int(m_games.size()); }
    const GameRecord& game(int row) const { return m_games.at(row); }

    // Adds a game at its sorted place; returns its row.
    int addGame(const GameRecord& game);
    void removeGame(int row);

    // Shows only the games whose description, ROM name, manufacturer or year hold every word
    // of the text, letter case and accents aside; no words show every game. False when that
    // shows the same games as before, and nothing was reset.
    bool search(QStringView text);
    // What the search could not take ("Unknown filter: foo:"); empty when it took everything.
    QString searchProblem() const { return m_query.problem; }
    int shownCount() const { return int(m_shown.size()); }
    // The whole-list row of a shown row, and the shown row of a whole-list row (-1: hidden).
    int listRow(int shownRow) const { return m_shown[size_t(shownRow)]; }
    int shownRow(int listRow) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Sorts and keeps persistent indexes (the selection) on their games.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    bool before(const GameRecord& a, const GameRecord& b) const;
    QString sortKey(const GameRecord& game, int column) const;
    QString text(const GameRecord& game, int column) const;
    bool isShown(int row, bool holdsWords = false) const;
    void appendTexts(const GameRecord& game);
    std::vector<bool> rowsHoldingWords() const;
    QList<GameRecord> sortedRows(QList<GameRecord> games, std::vector<int>* newRow) const;
    QByteArrayView searchText(int row) const;
    std::vector<int> matching(std::vector<int> rows) const;
    std::vector<int> allRows() const;

    // Each game's search text is folded once, when it joins the list, into one buffer in the
    // rows' order (so that a word is looked for through all of it at once): the words' lines,
    // then its genre's. Between two rows' texts may lie others, unreached: those of a game
    // removed, or of another list's games when the buffer is shared with it.
    struct TextSpan {
        quint32 start;
        quint32 length;      // of the words' lines
        quint32 genreLength; // after them
    };
    QByteArrayView genreText(int row) const;

    QList<GameRecord> m_games;
    QByteArray m_texts;
    std::vector<TextSpan> m_spans; // per row
    SearchQuery m_query;
    SearchAbilities m_abilities;
    const GameMarks* m_marks = nullptr;
    std::vector<int> m_shown; // the rows shown, ascending
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace catalogue

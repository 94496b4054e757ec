#pragma once

#include <QTreeView>

class QLabel;

namespace catalogue {
class GameListModel;
class GameRecord;
} // namespace catalogue

namespace gui {

// One of the three game lists: the catalogue's ten columns, then the genre and the play
// history's (hidden until chosen from the heading's menu), whole rows selected one at a time,
// sorted by a click on a column heading, narrowed by a search; a favourite shows a star. Positions are places in the
// whole list, whatever the search shows, so that a saved position means the same game either way.
class GameListView : public QTreeView {
    Q_OBJECT
public:
    explicit GameListView(const QString& name, QWidget* parent = nullptr);

    catalogue::GameListModel* games() const { return m_model; }
    // The games in the whole list, and those the search shows.
    int count() const;
    int shownCount() const;

    // The 1-based position of the selected game in the whole list, or 0 when none is selected.
    int selectedIndex() const;
    // Selects the game at a 1-based position (the first game when past the end) and shows it;
    // the first game shown when the search hides it.
    void selectIndex(int index);
    // The selected game, or nothing.
    const catalogue::GameRecord* selectedGame() const;

    // Shows the games that hold every word of the text. The selected game stays selected while
    // shown; otherwise the first game shown is, or none when nothing is, and once games show
    // again the last one selected comes back when it can.
    void search(const QString& text);

    // The favourites or play history changed: the rows show them again, the selected game stays
    // selected where it is still shown.
    void marksChanged();

    // Sort column 0 to 13; order 0 ascending, 1 descending.
    void sortBy(int column, int order);
    void scrollToSelected();

    // The columns as the user left them (order, widths, hidden ones) as text for the options
    // file: "0:220,1:40,5:147h,..." in the order shown. A text that is no such layout is ignored.
    QString columnLayout() const;
    void setColumnLayout(const QString& text);

    // The star field (a picture behind white text) or plain colours (0x00BBGGRR).
    void showStarField(const QPixmap& picture);
    void showColours(quint32 background, quint32 text);

signals:
    void columnClicked(int column);
    // Another game became the selected one, by mouse, keyboard or search; or none, when the
    // search hides every game.
    void gameSelected();
    void returnPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void select(int shownRow);
    void showColumnMenu(const QPoint& position);

    catalogue::GameListModel* m_model;
    QLabel* m_noMatchLabel;
    QString m_keptRom;        // the game last selected, for when the search shows it again
    bool m_searching = false; // selection changes are told once the search is done
};

} // namespace gui

#pragma once

#include <QTreeView>

namespace catalogue {
class GameListModel;
struct GameRecord;
} // namespace catalogue

namespace gui {

// One of the three game lists: ten columns, whole rows selected one at a time, sorted by a
// click on a column heading.
class GameListView : public QTreeView {
    Q_OBJECT
public:
    explicit GameListView(const QString& name, QWidget* parent = nullptr);

    catalogue::GameListModel* games() const { return m_model; }
    int count() const;

    // The 1-based position of the selected row, or 0 when none is selected.
    int selectedIndex() const;
    // Selects the row at a 1-based position (the first row when past the end) and shows it.
    void selectIndex(int index);
    // The selected game, or nothing.
    const catalogue::GameRecord* selectedGame() const;

    // Sort column 0 to 9; order 0 ascending, 1 descending.
    void sortBy(int column, int order);
    void scrollToSelected();

    // The star field (a picture behind white text) or plain colours (0x00BBGGRR).
    void showStarField(const QPixmap& picture);
    void showColours(quint32 background, quint32 text);

signals:
    void columnClicked(int column);
    // A row became the selected one, by mouse or keyboard.
    void gameSelected();
    void returnPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    catalogue::GameListModel* m_model;
};

} // namespace gui

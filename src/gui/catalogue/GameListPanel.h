#pragma once

#include "core/config/SavedView.h"

#include <QGroupBox>

#include <array>

class QLabel;
class QLineEdit;

namespace gui {

class GameListView;

// The frame holding the three game lists, the search box above them that narrows the list shown
// (one search for all three), and beside them the selected game's screen shot. Its caption
// names the list shown. Ctrl+F anywhere in the window goes to the search box; Escape there
// empties it and Down goes back to the list.
class GameListPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit GameListPanel(QWidget* parent = nullptr);

    GameListView* list(config::GameView view) const { return m_lists[size_t(view)]; }
    const std::array<GameListView*, 3>& lists() const { return m_lists; }

    // Brings one list in front of the other two, narrowed by the search, and names it in the caption.
    void showList(config::GameView view);

    // Narrow lists leave room for the screen shot; wide ones cover it.
    void setScreenShotRoom(bool room);

    // The picture at the path, or the "no screen shot" notice when there is no such file.
    void showPicture(const QString& path);
    void hideNotice();
    // No picture and no notice: the search left no game to show one for.
    void clearPicture();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showMatches();
    void placeSearch(int countWidth);

    std::array<GameListView*, 3> m_lists;
    GameListView* m_shown = nullptr;
    QLineEdit* m_searchEdit;
    QLabel* m_matchCountLabel;
    QLabel* m_screenShot;
    QLabel* m_noScreenShotLabel;
    int m_listWidth = 0; // in twips
};

} // namespace gui

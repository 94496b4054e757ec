#pragma once

#include "core/config/SavedView.h"

#include <QGroupBox>

#include <array>

class QLabel;

namespace gui {

class GameListView;

// The frame holding the three game lists and, beside them, the selected game's screen shot.
// Its caption names the list shown.
class GameListPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit GameListPanel(QWidget* parent = nullptr);

    GameListView* list(config::GameView view) const { return m_lists[size_t(view)]; }
    const std::array<GameListView*, 3>& lists() const { return m_lists; }

    // Brings one list in front of the other two and names it in the caption.
    void showList(config::GameView view);

    // Narrow lists leave room for the screen shot; wide ones cover it.
    void setScreenShotRoom(bool room);

    // The picture at the path, or the "no screen shot" notice when there is no such file.
    void showPicture(const QString& path);
    void hideNotice();

private:
    std::array<GameListView*, 3> m_lists;
    QLabel* m_screenShot;
    QLabel* m_noScreenShotLabel;
};

} // namespace gui

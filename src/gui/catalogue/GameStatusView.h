#pragma once

#include <QStatusBar>

#include <array>

class QLabel;

namespace settings {
struct GameDetails;
}

namespace gui {

// The status bar under the lists: the shown list's game count and the selected game's name,
// ROM name, origin, orientation and settings. While some panels are open a blank bar covers it.
class GameStatusView : public QStatusBar {
    Q_OBJECT
public:
    explicit GameStatusView(QWidget* parent = nullptr);

    void showTotal(int count);
    void showGame(const settings::GameDetails& game);
    // Panel 6 alone, for the states the lists go through ("New ROM Found").
    void showSettings(const QString& text);
    // Empties the game's panels, or every panel.
    void clearGame();
    void clearAll();

    void setCovered(bool covered);
    bool isCovered() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::array<QLabel*, 6> m_panels;
    QWidget* m_cover;
};

} // namespace gui

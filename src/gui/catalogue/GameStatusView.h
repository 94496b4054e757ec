#pragma once

#include <QStatusBar>

#include <array>

class QLabel;

namespace settings {
struct GameDetails;
}

namespace gui {

// The status bar under the lists: the shown list's game count and the selected game's name,
// ROM name, origin, orientation and settings. A text too long for its panel ends in "..." and
// shows whole in the panel's tool tip. While some panels are open a blank bar covers it; while a
// game runs it says which.
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
    // The game that runs, over the panels until it ends (then empty text).
    void showRunning(const QString& description, const QString& romName);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setPanel(size_t panel, const QString& text);
    void fit(size_t panel);

    std::array<QLabel*, 6> m_panels;
    std::array<QString, 6> m_texts; // whole, as the panels would show them with room enough
    QWidget* m_cover;
};

} // namespace gui

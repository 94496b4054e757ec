#pragma once

#include "core/config/SavedView.h"

#include <QGroupBox>

#include <array>

class QLabel;
class QLineEdit;
class QMenu;
class QSplitter;
class QToolButton;

namespace gui {

class GameListView;
class PictureView;

// The frame holding the three game lists, the search box above them that narrows the list shown
// (one search for all three, with a Filters button beside it that adds the common filter terms),
// and beside them, past a splitter, the selected game's screen shot. Its caption names the list
// shown. Ctrl+F anywhere in the window goes to the search box; Escape there empties it, Down goes
// back to the list and Return plays the selected game. A term the search cannot take is said
// under the box.
class GameListPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit GameListPanel(QWidget* parent = nullptr);

    GameListView* list(config::GameView view) const { return m_lists[size_t(view)]; }
    const std::array<GameListView*, 3>& lists() const { return m_lists; }

    // Brings one list in front of the other two, narrowed by the search, and names it in the caption.
    void showList(config::GameView view);

    // The screen shot beside the lists, or the lists alone, as wide as the frame.
    void setScreenShotRoom(bool room);

    // The picture at the path, or the "no screen shot" notice when there is no such file.
    // A picture, or the text that says it is missing (a null image: not there, or unreadable).
    void showPicture(const QImage& picture, const QString& missingText);
    void hideNotice();
    // No picture and no notice: the search left no game to show one for.
    void clearPicture();

    // The common filter terms, each adding its term to the search or taking it away; the menu
    // bar shows the same menu.
    QMenu* filtersMenu() const { return m_filtersMenu; }

    // The widths of the lists and the picture beside them, as the user left them.
    QList<int> splitterSizes() const;
    void setSplitterSizes(const QList<int>& sizes);

signals:
    // Return in the search box.
    void returnPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showMatches();
    void choosePlaceholder();
    void toggleTerm(const QString& term);

    std::array<GameListView*, 3> m_lists;
    GameListView* m_shown = nullptr;
    QLineEdit* m_searchEdit;
    QLabel* m_matchCountLabel;
    QLabel* m_searchProblemLabel;
    QToolButton* m_filtersButton;
    QMenu* m_filtersMenu;
    QSplitter* m_splitter;
    QWidget* m_pictureArea;
    PictureView* m_screenShot;
    QLabel* m_noScreenShotLabel;
    QList<int> m_pictureSizes; // the splitter's sizes while the picture shows
};

} // namespace gui

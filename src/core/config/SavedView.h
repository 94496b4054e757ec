#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <array>

namespace config {

// The three game lists. The options file names them by their captions.
enum class GameView { All, Installed, Uninstalled };
constexpr std::array<GameView, 3> AllGameViews = {GameView::All, GameView::Installed, GameView::Uninstalled};

// "All Games", "Installed Games", "Uninstalled Games".
QString gameViewCaption(GameView view);
// Any caption but the installed and uninstalled ones is the all-games list.
GameView gameViewFromCaption(const QString& caption);

// One list's place: the 1-based position of its selected game in its current order, its sort
// column (0 to 9) and its order (0 ascending, 1 descending). Positions hold any list size;
// files written with 16-bit values still read.
struct ListState {
    int index = 1;
    int sortKey = 0;
    int sortOrder = 0;

    bool operator==(const ListState&) const = default;
};

// How the main window was left, in a section of the options file of its own ("Window") that the
// classic keys never touch: its place and size on the screen, the split between the lists and
// the picture, and each list's columns.
struct WindowLayout {
    QRect geometry; // the window's normal place and size; empty: the first size
    bool maximized = false;
    QList<int> splitter;            // the lists' and the picture's widths
    std::array<QString, 3> columns; // each list's columns, as the list writes them
    QString picture;                // the kind of picture shown ("snap", "titles" ...); empty: screen shots

    bool operator==(const WindowLayout&) const = default;
};

// The main window's last view, kept in the options file's ShutDown section.
struct SavedView {
    QString mameDate; // the emulator file's date when the catalogue was last built
    GameView gameView = GameView::All;
    std::array<ListState, 3> lists;
    bool screenShots = false;
    WindowLayout window;

    ListState& list(GameView view) { return lists[size_t(view)]; }
    const ListState& list(GameView view) const { return lists[size_t(view)]; }
    bool operator==(const SavedView&) const = default;
};

} // namespace config

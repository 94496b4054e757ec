#pragma once

#include <QGroupBox>

#include <array>

class QLabel;

namespace catalogue {

class GameListView;

// fraList: the frame holding the three game lists and, beside them, the selected game's
// screen shot. Its caption names the list shown.
class GameListPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit GameListPanel(QWidget* parent = nullptr);

    static inline const QString AllGames = QStringLiteral("All Games");
    static inline const QString InstalledGames = QStringLiteral("Installed Games");
    static inline const QString UninstalledGames = QStringLiteral("Uninstalled Games");

    GameListView* lvAll;
    GameListView* lvInstalled;
    GameListView* lvUninstalled;
    QLabel* imgShots;
    QLabel* lblShots;

    std::array<GameListView*, 3> lists() const { return {lvAll, lvInstalled, lvUninstalled}; }
    // The list the caption names, or none.
    GameListView* shownList() const;

    // Brings one list in front of the other two and names it in the caption.
    void showList(GameListView* list, const QString& caption);

    // Narrow lists leave room for the screen shot; wide ones cover it.
    void setScreenShotRoom(bool room);

    // The picture at the path, or the "no screen shot" notice when there is no such file.
    void showPicture(const QString& path);
    void hideNotice();
};

} // namespace catalogue

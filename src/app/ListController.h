#pragma once

#include "core/artwork/ArtKind.h"
#include "core/artwork/ArtworkLibrary.h"
#include "core/catalogue/CatalogueLoader.h"
#include "core/catalogue/UserData.h"
#include "core/config/AppState.h"
#include "core/config/SavedView.h"
#include "core/exec/Emulator.h"
#include "core/settings/SettingsSession.h"

#include <QObject>

#include <optional>

namespace gui {
class GameListPanel;
class GameListView;
class GameStatusView;
} // namespace gui

namespace app {

// The three game lists and what is shown of the selected game: which list is in front, each
// list's sort column, order and selected position (kept in the saved view, positions in the
// whole list whatever the search shows), the status bar and the screen shot.
class ListController : public QObject {
    Q_OBJECT
public:
    ListController(gui::GameListPanel* panel, gui::GameStatusView* status, const config::AppState& state,
                   const exec::Emulator& emulator, settings::SettingsSession& settings,
                   const catalogue::UserData& userData, config::SavedView& view, QObject* parent = nullptr);

    void clear();
    // Fills the lists, each sorted by its saved column and order.
    void setGames(catalogue::GameLists lists);
    // Every list's saved position back to its first game.
    void resetPositions();
    // The games in a list; a game found installed by an audit no longer counts as uninstalled.
    int count(config::GameView view) const;
    // The games the shown list shows: those the search leaves.
    int shownCount() const;

    // Brings a list to the front with its saved sort and selection.
    void show(config::GameView view);
    config::GameView shown() const { return m_view.gameView; }
    const catalogue::GameRecord* selectedGame() const;
    bool selectedPlayable() const;

    void saveSelection();
    void restoreSelection();
    void scrollToSelected();
    // The shown list's count and the selected game's details in the status bar.
    void showDetails();
    // The selected game's picture of the chosen kind, from its folder or its pack.
    void showScreenShot();
    void setScreenShots(bool on);
    void setPictureKind(artwork::ArtKind kind);
    artwork::ArtKind pictureKind() const;
    bool screenShots() const { return m_view.screenShots; }
    // The star field or the chosen colours behind every list.
    void applyAppearance();

    // The user's favourites or play history changed: the lists show it, a search that asks for
    // them is made again.
    void marksChanged();

    // A game audited from the uninstalled list whose archive has appeared meanwhile moves to
    // the installed list when the audit's panel is left.
    void auditStarted();
    void auditEnded();

signals:
    void selectionChanged();
    void listShown(config::GameView view);
    // A double click on a game of the installed or the all-games list, or on one of the
    // uninstalled list.
    void playRequested();
    void notInstalledChosen();
    void returnPressed();

private:
    gui::GameListView* list(config::GameView view) const;
    gui::GameListView* shownList() const;
    void onColumnClicked(config::GameView view, int column);
    void onGameSelected(config::GameView view);

    gui::GameListPanel* m_panel;
    gui::GameStatusView* m_status;
    const config::AppState& m_state;
    const exec::Emulator& m_emulator;
    settings::SettingsSession& m_settings; // whether a game has settings of its own
    // What the search terms and columns ask beyond the catalogue: the user's data and which
    // games are installed.
    class Marks final : public catalogue::GameMarks {
    public:
        explicit Marks(const catalogue::UserData& userData)
            : m_userData(userData) {}
        bool isFavourite(const QString& romName) const override { return m_userData.isFavourite(romName); }
        catalogue::PlayRecord plays(const QString& romName) const override { return m_userData.plays(romName); }
        bool isInstalled(const QString& romName) const override { return installed.contains(romName); }
        QSet<QString> installed;

    private:
        const catalogue::UserData& m_userData;
    } m_marks;
    config::SavedView& m_view;
    artwork::ArtworkLibrary m_artwork;
    bool m_anyShown = false;
    std::optional<catalogue::GameRecord> m_audited; // the uninstalled game whose audit is open
    bool m_newRomFound = false;                     // and its archive was there at the audit
};

} // namespace app

#pragma once

#include "core/artwork/ArtKind.h"
#include "core/catalogue/Actions.h"
#include "core/catalogue/CatalogueInfo.h"
#include "core/catalogue/CommunityLists.h"
#include "core/catalogue/UserData.h"
#include "core/config/AppState.h"
#include "core/config/SavedView.h"
#include "core/exec/Emulator.h"
#include "core/settings/SettingsSession.h"
#include "gui/common/EmulatorRunner.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class QAction;
class QBoxLayout;
class QGridLayout;
class QLabel;
class QPushButton;

namespace exec {
class Progress;
}
namespace gui {
class Dialogs;
class GameListPanel;
class GameStatusView;
class MaintenancePanel;
class SettingsPanel;
class SplashWindow;
class TextPanel;
} // namespace gui

namespace app {

class ListController;
class PanelHost;
class TextCommands;

// The main window: starts the program up, shows one of the three game lists or a panel over
// them, and offers every command as one action shared by its menu item and its button.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(config::AppState& state, gui::Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The load sequence. False when the program is to end instead of showing the window.
    bool load();
    // Whether the start ended after an error (not a cancelled setup): the program's status then says so.
    bool startFailed() const { return m_startFailed; }

    // Brings the window back in front, restoring it when minimised (a second start asks this).
    void bringToFront();
    // The program is asked to end from outside (SIGTERM, SIGHUP): the emulator has been told to
    // end; the view is saved as on exit, without the question, and the program ends.
    void endBySignal();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Action = catalogue::Action;

    void createControls();
    void createActions();
    void createMenus();
    QPushButton* addButton(Action action, const char* name, QBoxLayout* column);
    QAction* action(Action which) const { return m_actions[size_t(which)]; }
    void updateActions();

    // Start-up and the catalogue
    bool readOptionsOrSetUp();
    // False when the program is ending; cancelled tells whether the user stopped the emulator.
    bool rebuildCatalogue(exec::Progress& progress, bool* cancelled = nullptr);
    bool loadLists(exec::Progress& progress);
    void showSplash();
    void firstActivation();
    // The window's place, size, split and columns as the user left them, and back.
    void restoreLayout();
    void saveLayout();
    QString mameDate() const;
    bool fail(const QString& description);
    void refresh();

    // Commands
    void play();
    void openDefaults(settings::SettingsKind kind);
    void openCustomSettings();
    void openMaintenance();
    void showOptions();
    void showAbout();
    void showPathInformation();
    void showListLoadTime();
    // The user's own data: favourites and play history
    bool openUserData(bool forWriting);
    void toggleFavourite();
    // Shows the chosen kind of picture beside the list, switching the picture on when it was off.
    void showPictureKind(artwork::ArtKind kind);
    void importFavourites();
    void exportFavourites();
    QString emulatorFavouritesFile();
    void recordPlay(const QString& romName, const QDateTime& started, qint64 seconds);
    void loadCommunityLists();
    void loadEmulatorPlays();
    void writeEmulatorDirectories();

    config::AppState& m_state;
    gui::Dialogs& m_dialogs;
    gui::EmulatorRunner m_runner;
    exec::Emulator m_emulator;
    config::SavedView m_view;
    catalogue::CatalogueInfo m_catalogue; // what is known beside the catalogue
    settings::SettingsSession m_settings;
    catalogue::UserData m_userData;
    bool m_userDataFailed = false; // said once: the database could not be opened
    catalogue::CommunityLists m_community;
    QPointer<gui::SplashWindow> m_splash;
    bool m_startingUp = false;
    bool m_setupCancelled = false;
    bool m_endingBySignal = false;
    bool m_startFailed = false;
    bool m_showCommandLine = false; // Shift held on Play: show the command line first
    qint64 m_loadMilliseconds = 0;  // how long the lists took to load

    std::array<QAction*, catalogue::ActionCount> m_actions{};
    gui::GameListPanel* m_listPanel;
    gui::GameStatusView* m_statusView;
    QWidget* m_marquee;
    QGridLayout* m_listArea;
    QLabel* m_listLabel;
    QPushButton* m_playButton;
    gui::SettingsPanel* m_settingsPanel;
    gui::TextPanel* m_textPanel;
    gui::MaintenancePanel* m_maintenancePanel;
    PanelHost* m_host;
    ListController* m_lists;
    TextCommands* m_textCommands;
};

} // namespace app

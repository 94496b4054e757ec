#pragma once

#include "app/AppState.h"
#include "catalogue/GameRecord.h"
#include "exec/CommandRunner.h"
#include "settings/SettingsRecord.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;

namespace catalogue {
class GameListPanel;
class GameListView;
class Progress;
} // namespace catalogue
namespace audit {
class TextPanel;
}
namespace maintenance {
class MaintenancePanel;
}
namespace settings {
class SettingsPanel;
struct ReadResult;
} // namespace settings

namespace app {

class Dialogs;
class SplashWindow;

// frmMain: owns the start-up sequence, shows one of the three game lists or a panel over
// them, and routes the buttons and menu commands.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppState& state, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The load sequence. False when the program is to end instead of showing the window.
    bool load();

    // Brings the window back in front, restoring it when minimised (a second start asks this).
    void bringToFront();

    // Operations many commands share.
    void SaveSelection();
    void RestoreSelection();
    void EnableGameButtons();
    void ClearSelection();
    void EnableToolButtons();
    void DisableToolButtons();
    void ShowScreenShot();

    // Play and the settings panel.
    void cmdPlay_Click();
    void cmdRaster_Click();
    void cmdVector_Click();
    void mnuToolsCustom_Click();
    void cmdOK_Click();
    void cmdRestore_Click();
    void cmdCancel_Click();

    // The text panel, the catalogue refresh and the mame.cfg editor.
    void cmdVerify_Click();
    void cmdGameList_Click();
    void cmdGameList2_Click();
    void mnuToolsRefresh_Click();
    void mnuToolsEdit_Click();

    // Reports, history, maintenance, preferences and help.
    void cmdHistory_Click();
    void cmdMaintenance_Click();
    void mnuToolsOptions_Click();
    void mnuReportsVerifyRoms_Click();
    void mnuReportsVerifySamples_Click();
    void mnuReportsVerifySets_Click();
    void mnuReportsLastRom_Click();
    void mnuReportsLastSample_Click();
    void mnuReportsLastSets_Click();
    void cmdFind_Click();
    void mnuHelpRetro_Click();
    void mnuHelpReadme_Click();
    void mnuHelpAbout_Click();
    void showPathInformation();

    // View menu commands.
    void mnuViewAll_Click();
    void mnuViewInstalled_Click();
    void mnuViewUninstalled_Click();
    void mnuViewShots_Click();

    // The main window's own state, saved on exit.
    ShutDownState View;
    QString CurrentMAMEDate;
    int AllCount = 0;
    int InstalledCount = 0;
    int UninstalledCount = 0;
    bool PanelOpen = false;
    bool ShowCommandLine = false;
    bool CheckNewRom = false;
    bool ConfigChanged = false;
    int FindPosition = 0;
    bool RomSetReport = false;
    settings::SettingsRecord Settings = settings::SettingsRecord::defaults();
    settings::SettingsKind SettingsKind = settings::SettingsKind::Raster;
    double ListLoadStart = 0;
    double ListLoadEnd = 0;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The per-list state that the view switch and selection commands work on.
    struct ListSlot {
        catalogue::GameListView* list;
        QString caption;
        int* count;
        int* index;
        int* sortKey;
        int* sortOrder;
    };

    void createControls();
    void createMenus();
    std::array<ListSlot, 3> listSlots();
    ListSlot* shownSlot(std::array<ListSlot, 3>& all);
    void switchList(const ListSlot& slot);
    void showGameDetails(const ListSlot& slot);
    void showGamePanels(const catalogue::GameRecord& game);
    void onColumnClicked(const ListSlot& slot, int column);
    void onGameSelected(const ListSlot& slot);
    void onDoubleClick(const ListSlot& slot);
    void showListLoadTime();
    void setPanel(int panel, const QString& text);
    const catalogue::GameRecord* selectedGame();

    // Settings panel
    void openSettingsPanel();
    void openDefaults(settings::SettingsKind kind);
    void closeSettingsPanel();
    bool readSettings(const QString& path, settings::SettingsKind kind);
    void saveSettings(bool allDefaults);
    void mnuFile_Click();
    void mnuView_Click();
    void mnuTools_Click();

    // Reports
    enum class Report { Roms, Samples, Sets };
    struct ReportKind;
    static const ReportKind& reportKind(Report report);
    void createReport(Report report);
    void viewReport(Report report);

    // Help, preferences
    void showTextFile(const QString& path, const QString& caption, const QString& missing);
    void applyListAppearance();

    // Text panel and mame.cfg
    void openTextPanel(const QString& caption);
    void moveNewRomToInstalled();
    bool WriteMameCfg();
    QString mameCfgPath() const;

    // Start-up
    bool readOptionsOrSetUp();
    bool rebuildCatalogue(catalogue::Progress& progress);
    bool loadLists(catalogue::Progress& progress);
    void showSplash();
    void firstActivation();
    QString mameDate() const;
    static double secondsSinceMidnight();
    bool fail(const QString& description);

    AppState& m_state;
    Dialogs& m_dialogs;
    exec::CommandRunner m_runner;
    QPointer<SplashWindow> m_splash;

    catalogue::GameListPanel* fraList;
    QLabel* lblList;
    QLabel* Picture1;
    QWidget* m_gameButtons; // Play, Audit and History, enabled with the list
    QPushButton* cmdPlay;
    QPushButton* cmdVerify;
    QPushButton* cmdHistory;
    QPushButton* cmdRaster;
    QPushButton* cmdVector;
    QPushButton* cmdMaintenance;
    QPushButton* cmdExit;
    QStatusBar* StatusBar1;
    QStatusBar* StatusBar2;
    std::array<QLabel*, 6> m_panels;
    settings::SettingsPanel* fraDefaults;
    audit::TextPanel* fraVerify;
    maintenance::MaintenancePanel* fraMaintenance;
    catalogue::GameRecord m_auditedGame; // the uninstalled game last audited
    QString m_customRom;                 // the game whose custom settings the panel shows
    QString m_customType;

    QMenu* mnuFile;
    QAction* mnuFilePlay;
    QAction* mnuFileVerify;
    QAction* mnuFileHistory;
    QAction* mnuFileExit;
    QMenu* mnuTools;
    QAction* mnuToolsRaster;
    QAction* mnuToolsVector;
    QAction* mnuToolsCustom;
    QAction* mnuToolsMaintenance;
    QAction* mnuToolsOptions;
    QAction* mnuToolsRefresh;
    QAction* mnuToolsEdit;
    QMenu* mnuReports;
    QMenu* mnuHelp;

    QMenu* mnuView;
    QAction* mnuViewAll;
    QAction* mnuViewInstalled;
    QAction* mnuViewUninstalled;
    QAction* mnuViewShots;
};

} // namespace app

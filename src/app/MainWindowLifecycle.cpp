// The main window's life: the load sequence at start, the first activation, resizing and closing.
#include "app/MainWindow.h"

#include "app/Dialogs.h"
#include "app/Options.h"
#include "app/SplashWindow.h"
#include "audit/TextPanel.h"
#include "catalogue/CatalogueLoader.h"
#include "catalogue/GameInfo.h"
#include "catalogue/GameListModel.h"
#include "catalogue/GameListPanel.h"
#include "catalogue/GameListView.h"
#include "exec/MameCommands.h"
#include "maintenance/MaintenancePanel.h"
#include "settings/SettingsPanel.h"
#include "setup/SetupWizard.h"
#include "ui/Artwork.h"
#include "ui/BusyPointer.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTime>

namespace app {
double MainWindow::secondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

MainWindow::~MainWindow() {
    delete m_splash;
}

bool MainWindow::load() {
    m_state.StartingUp = true;
    m_state.setAppPath(applicationDirectory());
    // A folder that exists already is no error.
    QDir().mkpath(m_state.settingsPath());
    QDir().mkpath(m_state.reportsPath());

    if (!readOptionsOrSetUp())
        return false;

    showSplash();
    const QString reports = m_state.reportsPath();
    if (!QFileInfo::exists(reports + QStringLiteral("listinfo.txt")) ||
        !QFileInfo::exists(reports + QStringLiteral("gameinfo.txt"))) {
        if (!rebuildCatalogue(*m_splash))
            return false;
    }
    for (catalogue::GameListView* list : fraList->lists())
        list->hide();
    ListLoadStart = secondsSinceMidnight();
    if (!loadLists(*m_splash))
        return false;
    ListLoadEnd = secondsSinceMidnight();
    fraDefaults->FillSettingsLists();
    fraDefaults->DefaultLists();
    fraVerify->setEnabled(false);
    fraDefaults->setEnabled(false);
    fraMaintenance->setEnabled(false);
    PanelOpen = false;
    if (!QFileInfo::exists(mameCfgPath()))
        WriteMameCfg();
    return true;
}

// Reads the options file, or sets Marqueon up when there is none or it is damaged.
bool MainWindow::readOptionsOrSetUp() {
    if (QFileInfo::exists(m_state.IniFile)) {
        if (readOptions(m_state.IniFile, m_state, View)) {
            CurrentMAMEDate = mameDate();
            if (CurrentMAMEDate.isEmpty())
                return fail(QStringLiteral("File not found"));
            if (!View.MAMEDate.isEmpty() && View.MAMEDate != CurrentMAMEDate) {
                m_dialogs.message(
                    QStringLiteral("A new version of M.A.M.E. was detected.  Marqueon will now update the game list."),
                    Dialogs::Icon::Information);
                showSplash();
                if (!rebuildCatalogue(*m_splash))
                    return false;
                View.MAMEDate = CurrentMAMEDate;
            }
            fraList->setScreenShotRoom(View.ScreenShots);
            mnuViewShots->setChecked(View.ScreenShots);
            return true;
        }
        // A value of the wrong type: the file is damaged, so start again as on a first run.
        QFile::remove(m_state.IniFile);
        const QString appPath = m_state.AppPath;
        m_state = AppState{};
        m_state.setAppPath(appPath);
        m_state.StartingUp = true;
        View = ShutDownState{};
    }

    View.AllIndex = View.InstalledIndex = View.UninstalledIndex = 1;
    View.ScreenShots = false;
    m_state.HideClones = m_state.CloneShots = false;
    m_state.DisableHotKeys = m_state.UseStarfield = true;
    setup::SetupWizard wizard(m_state, m_dialogs, this);
    wizard.exec();
    if (m_state.SetupCancelled)
        return false;
    View.MAMEDate = mameDate();
    return true;
}

bool MainWindow::rebuildCatalogue(catalogue::Progress& progress) {
    ui::BusyPointer busy;
    const exec::MameCommands commands(m_state);
    if (catalogue::CreateListInfo(m_runner, commands, progress) == exec::RunResult::Fatal)
        return false;
    const catalogue::Extraction extraction =
        catalogue::CreateGameInfo(m_state.reportsPath() + QStringLiteral("listinfo.txt"),
                                  m_state.reportsPath() + QStringLiteral("gameinfo.txt"), progress);
    if (const QString problem = catalogue::extractionProblem(extraction); !problem.isEmpty())
        m_dialogs.message(problem, Dialogs::Icon::Exclamation);
    return true;
}

// Fills the three lists for the chosen list. A damaged catalogue is rebuilt from the emulator
// once and read again; what could be read stays loaded either way.
bool MainWindow::loadLists(catalogue::Progress& progress) {
    AllCount = InstalledCount = UninstalledCount = 0;
    for (catalogue::GameListView* list : fraList->lists())
        list->games()->clear();
    const catalogue::ListChoice choice = catalogue::listChoice(m_state.GameList);
    if (!choice.load)
        return true;
    const catalogue::LoadSettings settings{m_state.reportsPath() + QStringLiteral("gameinfo.txt"), m_state.ROMPath,
                                           m_state.NeoROMPath, m_state.HideClones};
    catalogue::GameLists lists;
    {
        ui::BusyPointer busy;
        lists = choice.load(settings, progress);
    }
    if (lists.damaged) {
        if (!rebuildCatalogue(progress))
            return false;
        ui::BusyPointer busy;
        lists = choice.load(settings, progress);
    }
    lblList->setText(choice.caption);
    AllCount = int(lists.all.size());
    InstalledCount = int(lists.installed.size());
    UninstalledCount = int(lists.uninstalled.size());
    for (const ListSlot& slot : listSlots())
        slot.list->sortBy(*slot.sortKey, *slot.sortOrder);
    fraList->lvAll->games()->setGames(std::move(lists.all));
    fraList->lvInstalled->games()->setGames(std::move(lists.installed));
    fraList->lvUninstalled->games()->setGames(std::move(lists.uninstalled));
    progress.setCount(AllCount);
    return true;
}

QString MainWindow::mameDate() const {
    const QFileInfo mame(m_state.mameExecutable());
    return mame.exists() ? mame.lastModified().toString(Qt::ISODateWithMs) : QString();
}

bool MainWindow::fail(const QString& description) {
    m_dialogs.message(QStringLiteral("Error: ") + description, Dialogs::Icon::Critical);
    m_state.SetupCancelled = true;
    return false;
}

void MainWindow::showSplash() {
    if (!m_splash)
        m_splash = new SplashWindow;
    m_splash->show();
    m_splash->repaint();
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && m_state.StartingUp)
        firstActivation();
    // Without a window manager the window may never become active: finish starting up anyway.
    if (event->type() == QEvent::Show && m_state.StartingUp)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_state.StartingUp)
                    firstActivation();
            },
            Qt::QueuedConnection);
    return QMainWindow::event(event);
}

void MainWindow::firstActivation() {
    applyListAppearance();
    if (View.GameView == catalogue::GameListPanel::InstalledGames)
        mnuViewInstalled_Click();
    else if (View.GameView == catalogue::GameListPanel::UninstalledGames)
        mnuViewUninstalled_Click();
    else
        mnuViewAll_Click();
    m_state.StartingUp = false;
    // Activation is still being delivered to the splash: release it once that is done.
    if (m_splash) {
        m_splash->close();
        m_splash->deleteLater();
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!PanelOpen)
        RestoreSelection();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_state.SetupCancelled) {
        event->accept();
        return;
    }
    if (!m_dialogs.question(QStringLiteral("Do you want to exit?"), Dialogs::Icon::Exclamation)) {
        event->ignore();
        // Back to the open panel's own button.
        if (fraVerify->isEnabled())
            fraVerify->cmdGameList->setFocus();
        else if (fraMaintenance->isEnabled())
            fraMaintenance->cmdGameList2->setFocus();
        else if (fraDefaults->isEnabled())
            fraDefaults->cmdOK->setFocus();
        return;
    }
    // Without the emulator file its date cannot change; keep the one stored.
    if (const QString date = mameDate(); !date.isEmpty())
        View.MAMEDate = date;
    View.GameView = fraList->title();
    View.ScreenShots = mnuViewShots->isChecked();
    writeShutDown(m_state.IniFile, View);
    event->accept();
}

} // namespace app

// The main window's life: the load sequence at start, the setup and its changes, the first
// activation, the refresh of the game lists, resizing and closing.
#include "app/MainWindow.h"

#include "app/ListController.h"
#include "app/PanelHost.h"
#include "core/catalogue/CatalogueBuild.h"
#include "core/config/OptionsFile.h"
#include "core/config/PreferenceChanges.h"
#include "core/maintenance/MameCfg.h"
#include "gui/audit/TextPanel.h"
#include "gui/catalogue/GameListPanel.h"
#include "gui/catalogue/GameListView.h"
#include "gui/catalogue/GameStatusView.h"
#include "gui/common/BusyPointer.h"
#include "gui/common/Dialogs.h"
#include "gui/common/SplashWindow.h"
#include "gui/common/WaitWindow.h"
#include "gui/maintenance/MaintenancePanel.h"
#include "gui/settings/SettingsPanel.h"
#include "gui/setup/SetupDialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace app {
MainWindow::~MainWindow() {
    delete m_splash;
}

bool MainWindow::load() {
    m_startingUp = true;
    m_state.setAppPath(config::applicationDirectory());
    // A folder that exists already is no error.
    QDir().mkpath(m_state.settingsPath());
    QDir().mkpath(m_state.reportsPath());
    // A catalogue without a word beside it was built from the classic emulator.
    m_catalogue = catalogue::readCatalogueInfo(m_state.catalogueInfoPath()).value_or(catalogue::CatalogueInfo{});
    m_emulator.setInterface(m_catalogue.interface);
    m_emulator.setRomless(m_catalogue.romless);

    if (!readOptionsOrSetUp() || m_endingBySignal)
        return false;

    showSplash();
    // Today's catalogue comes with its facts; one built before they were kept is built again.
    const bool listingNeeded = m_emulator.listingFormat() == exec::ListingFormat::ListInfo;
    const QString companion = listingNeeded ? m_state.listingPath() : m_state.gameFactsPath();
    if (!QFileInfo::exists(companion) || !QFileInfo::exists(m_state.cataloguePath())) {
        if (!rebuildCatalogue(*m_splash))
            return false;
    }
    for (gui::GameListView* list : m_listPanel->lists())
        list->hide();
    QElapsedTimer loading;
    loading.start();
    if (!loadLists(*m_splash) || m_endingBySignal)
        return false;
    m_loadMilliseconds = loading.elapsed();
    writeEmulatorDirectories();
    return !m_endingBySignal;
}

// Reads the options file, or sets Marqueon up when there is none or it is damaged.
bool MainWindow::readOptionsOrSetUp() {
    const QString options = m_state.optionsFile();
    const QString damaged = options + QStringLiteral(".bad");
    QString problem;
    if (QFileInfo::exists(options)) {
        if (config::readOptions(options, m_state, m_view, &problem)) {
            const QString current = mameDate();
            if (current.isEmpty())
                return fail(QStringLiteral("File not found"));
            if (!m_view.mameDate.isEmpty() && m_view.mameDate != current) {
                m_dialogs.message(
                    QStringLiteral("A new version of M.A.M.E. was detected.  Marqueon will now update the game list."),
                    gui::Dialogs::Icon::Information);
                showSplash();
                bool cancelled = false;
                if (!rebuildCatalogue(*m_splash, &cancelled))
                    return false;
                // A cancelled update is offered again at the next start.
                if (!cancelled)
                    m_view.mameDate = current;
            }
            m_listPanel->setScreenShotRoom(m_view.screenShots);
            action(Action::ScreenShots)->setChecked(m_view.screenShots);
            action(Action(int(Action::PictureScreenShot) + int(m_lists->pictureKind())))->setChecked(true);
            restoreLayout();
            return true;
        }
        // A value of the wrong type: the file is damaged, so start again as on a first run. It is
        // kept until a new setup is accepted: the user's directories are in it.
        QFile::remove(damaged);
        if (!QFile::rename(options, damaged))
            QFile::remove(options);
        m_dialogs.message(config::damagedOptionsMessage(problem), gui::Dialogs::Icon::Exclamation);
    }
    // The setup proposes the directories of a damaged file again.
    const QString appPath = m_state.appPath;
    m_state = config::AppState{};
    m_state.setAppPath(appPath);
    m_view = config::SavedView{};
    if (QFileInfo::exists(damaged)) {
        config::AppState kept;
        config::SavedView ignored;
        config::readOptions(damaged, kept, ignored);
        m_state.directories = kept.directories;
    }

    gui::SetupDialog setup(m_state, m_dialogs, this);
    if (setup.exec() != QDialog::Accepted) {
        m_setupCancelled = true;
        return false;
    }
    QFile::remove(damaged);
    m_view.mameDate = mameDate();
    return true;
}

bool MainWindow::rebuildCatalogue(exec::Progress& progress, bool* cancelled) {
    gui::BusyPointer busy;
    const catalogue::CatalogueBuild build = catalogue::buildCatalogue(m_runner.runner(), m_emulator, m_state, progress);
    if (m_endingBySignal)
        return false;
    if (cancelled)
        *cancelled = build.extraction.outcome == catalogue::Extraction::Outcome::Cancelled;
    if (!m_runner.report(build.run))
        return false;
    if (build.extraction.outcome == catalogue::Extraction::Outcome::Written)
        m_catalogue = build.info;
    if (const QString problem = catalogue::extractionProblem(build.extraction); !problem.isEmpty())
        m_dialogs.message(problem, gui::Dialogs::Icon::Exclamation);
    return true;
}

// Fills the three lists for the chosen list. A damaged catalogue is rebuilt from the emulator
// once and read again; what could be read stays loaded either way.
bool MainWindow::loadLists(exec::Progress& progress) {
    m_lists->clear();
    const config::ListChoice choice = m_state.preferences.listChoice;
    if (choice == config::ListChoice::None)
        return true;
    const config::Directories& d = m_state.directories;
    openUserData(false);
    loadEmulatorPlays();
    loadCommunityLists();
    catalogue::LoadSettings settings{m_state.cataloguePath(),        d.retroRoms,  d.neoGeoRoms,
                                     m_state.preferences.hideClones, &m_emulator,  m_catalogue.neoGeoFrom,
                                     m_state.gameFactsPath(),        &m_community, m_state.preferences.hideMature};
    catalogue::GameLists lists;
    {
        gui::BusyPointer busy;
        lists = catalogue::loadGames(choice, settings, progress);
    }
    if (lists.damaged) {
        if (!rebuildCatalogue(progress))
            return false;
        settings.neoGeoFrom = m_catalogue.neoGeoFrom;
        gui::BusyPointer busy;
        lists = catalogue::loadGames(choice, settings, progress);
    }
    m_listLabel->setText(config::listChoiceCaption(choice));
    const int games = int(lists.all.size());
    m_lists->setGames(std::move(lists));
    progress.setCount(games);
    return true;
}

QString MainWindow::mameDate() const {
    const QFileInfo mame(m_state.mameExecutable());
    return mame.exists() ? mame.lastModified().toString(Qt::ISODateWithMs) : QString();
}

bool MainWindow::fail(const QString& description) {
    m_dialogs.message(QStringLiteral("Error: ") + description, gui::Dialogs::Icon::Critical);
    m_setupCancelled = true;
    m_startFailed = true;
    return false;
}

void MainWindow::showSplash() {
    if (!m_splash)
        m_splash = new gui::SplashWindow;
    m_splash->show();
    m_splash->repaint();
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && m_startingUp)
        firstActivation();
    // Without a window manager the window may never become active: finish starting up anyway.
    if (event->type() == QEvent::Show && m_startingUp)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_startingUp)
                    firstActivation();
            },
            Qt::QueuedConnection);
    return QMainWindow::event(event);
}

void MainWindow::firstActivation() {
    m_lists->applyAppearance();
    m_lists->show(m_view.gameView);
    m_startingUp = false;
    // Activation is still being delivered to the splash: release it once that is done.
    if (m_splash) {
        m_splash->close();
        m_splash->deleteLater();
    }
}

void MainWindow::refresh() {
    m_listLabel->setText(QString());
    repaint();
    gui::BusyPointer busy;
    BusyScope running(*m_host);
    m_lists->clear();
    m_lists->resetPositions();

    gui::WaitWindow wait(this);
    wait.show();
    wait.repaint();
    m_statusView->clearAll();

    const QString current = mameDate();
    if (current != m_view.mameDate) {
        wait.setReason(QStringLiteral("A new version of M.A.M.E. was detected."));
        bool cancelled = false;
        const bool ran = rebuildCatalogue(wait, &cancelled);
        // Stored even when the run failed, so the next refresh does not try again; unless the
        // user cancelled it.
        if (!cancelled)
            m_view.mameDate = current;
        if (!ran)
            return;
    }
    wait.setReason(QStringLiteral("Please wait while Marqueon refreshes the game list."));
    QElapsedTimer loading;
    loading.start();
    if (!loadLists(wait))
        return;
    m_loadMilliseconds = loading.elapsed();
    m_lists->show(m_lists->shown());
    wait.close();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The selected game stays in sight as the window changes size.
    if (!m_host->isOpen())
        m_lists->scrollToSelected();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_setupCancelled) {
        event->accept();
        return;
    }
    if (!m_endingBySignal &&
        !m_dialogs.question(QStringLiteral("Do you want to exit?"), gui::Dialogs::Icon::Exclamation)) {
        event->ignore();
        // Back to the open panel's own button.
        switch (m_host->shown()) {
        case Panel::Text:
            m_textPanel->returnButton()->setFocus();
            break;
        case Panel::Maintenance:
            m_maintenancePanel->returnButton()->setFocus();
            break;
        case Panel::Settings:
            m_settingsPanel->okButton()->setFocus();
            break;
        case Panel::None:
            break;
        }
        return;
    }
    // Without the emulator file its date cannot change; keep the one stored.
    if (const QString date = mameDate(); !date.isEmpty())
        m_view.mameDate = date;
    saveLayout();
    if (!config::writeShutDown(m_state.optionsFile(), m_view))
        m_dialogs.message(QStringLiteral("Cannot write the options file in ") + m_state.settingsPath() +
                              QStringLiteral("!  The last view was not saved."),
                          gui::Dialogs::Icon::Critical);
    event->accept();
}

void MainWindow::endBySignal() {
    // Before the window is up there is no view to save: the load sequence stops at its next step.
    if (m_startingUp)
        m_setupCancelled = true;
    m_endingBySignal = true;
    close();
    // Also out of any dialog open meanwhile, and out of the main loop even when it has not started.
    QCoreApplication::exit(0);
    QMetaObject::invokeMethod(
        qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void MainWindow::showOptions() {
    const config::AppState before = m_state;
    m_state.previousDirectories = m_state.directories;
    gui::SetupDialog dialog(m_state, m_dialogs, this);
    if (dialog.exec() != QDialog::Accepted) {
        m_state.previousDirectories = {};
        return;
    }
    m_lists->applyAppearance();
    const config::PreferenceChanges changes = config::compare(before, m_state);
    if (changes.refreshLists) {
        m_dialogs.message(QStringLiteral("Marqueon will now refresh the Game List to update your changes."),
                          gui::Dialogs::Icon::Information);
        refresh();
    }
    if (changes.showScreenShot) {
        m_lists->showScreenShot();
        m_lists->showDetails();
    }
}

// The emulator's file with Marqueon's directories, written when it is missing.
void MainWindow::writeEmulatorDirectories() {
    const std::optional<maintenance::EmulatorFiles> files = m_runner.locateFiles(m_state, m_emulator);
    if (files && !QFileInfo::exists(files->directoryFile()) &&
        !files->writeDirectories(m_state, maintenance::CfgWrite::Replace))
        m_dialogs.message(files->unwritableMessage(), gui::Dialogs::Icon::Critical);
}

} // namespace app

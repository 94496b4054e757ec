// The commands on the selected game: Play (with its Shift question), its settings and its files.
#include "app/ListController.h"
#include "app/MainWindow.h"
#include "app/PanelHost.h"
#include "core/catalogue/CatalogueLoader.h"
#include "core/catalogue/GameRecord.h"
#include "core/settings/GameDetails.h"
#include "core/settings/PlayCommand.h"
#include "gui/catalogue/GameStatusView.h"
#include "gui/common/Dialogs.h"
#include "gui/maintenance/MaintenancePanel.h"
#include "gui/settings/SettingsPanel.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace app {
namespace {

using config::GameView;

// Task-switching hot keys off for exactly the length of a game, where the system has them.
void setHotKeysDisabled([[maybe_unused]] bool disabled) {
#ifdef Q_OS_WIN
    char scratch[8] = {};
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING, disabled ? TRUE : FALSE, scratch, 0);
#endif
}

} // namespace

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && watched == m_listLabel)
        showListLoadTime();
    if (event->type() == QEvent::MouseButtonRelease && watched == m_marquee)
        showPathInformation();
    // Shift held while a key goes down on Play asks for the command line to be shown first.
    if (event->type() == QEvent::KeyPress && watched == m_playButton &&
        (static_cast<QKeyEvent*>(event)->modifiers() & Qt::ShiftModifier))
        m_showCommandLine = true;
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::play() {
    // A Shift-click asks for the command line as a Shift key press on the button does.
    const bool showCommandLine =
        std::exchange(m_showCommandLine, false) || (QApplication::keyboardModifiers() & Qt::ShiftModifier);
    m_lists->saveSelection();
    const catalogue::GameRecord* game = m_lists->selectedGame();
    switch (settings::playVerdict(game, m_lists->shown(), m_emulator)) {
    case settings::PlayVerdict::Play:
        break;
    case settings::PlayVerdict::NoGame:
        return;
    case settings::PlayVerdict::UnusableName:
        m_dialogs.message(exec::unplainGameNameMessage(game->romName()), gui::Dialogs::Icon::Exclamation);
        m_lists->restoreSelection();
        return;
    case settings::PlayVerdict::NotInstalled:
        m_dialogs.message(QStringLiteral("This game is not installed."), gui::Dialogs::Icon::Information);
        m_lists->restoreSelection();
        return;
    }

    const settings::PlayLine line = m_settings.playLine(game->romName(), (*game)[catalogue::GameRecord::VideoType]);
    if (line.read.outcome == settings::ReadResult::Outcome::EndedEarly)
        m_dialogs.message(settings::optionsChangedMessage(), gui::Dialogs::Icon::Exclamation);
    if (line.read.outcome == settings::ReadResult::Outcome::Unreadable) {
        m_dialogs.message(QStringLiteral("Error: ") + line.read.description, gui::Dialogs::Icon::Critical);
        m_dialogs.endProgram();
        return;
    }
    if (showCommandLine &&
        !m_dialogs.question(QStringLiteral("Command Line: %1\rLength: %2 characters\r\rDo you want to play the game "
                                           "with these settings?")
                                .arg(line.commandLine)
                                .arg(line.commandLine.size()),
                            gui::Dialogs::Icon::Exclamation)) {
        m_lists->restoreSelection();
        return;
    }

    if (m_state.preferences.disableHotKeys)
        setHotKeysDisabled(true);
    exec::RunResult result;
    bool goOn = true;
    const QString rom = game->romName();
    const QDateTime started = QDateTime::currentDateTime();
    QElapsedTimer playing;
    playing.start();
    {
        // The window says what runs and takes no input meanwhile: what arrives is dropped.
        BusyScope running(*m_host);
        m_statusView->showRunning(game->description(), game->romName());
        goOn = m_runner.run(m_emulator.play(line.arguments), result);
        m_statusView->showRunning(QString(), QString());
    }
    if (m_state.preferences.disableHotKeys)
        setHotKeysDisabled(false);
    if (!goOn)
        return;
    if (const std::optional<QString> problem = m_emulator.playProblem(result))
        m_dialogs.message(*problem, gui::Dialogs::Icon::Exclamation);
    else if (result.status == exec::RunResult::Status::Finished)
        recordPlay(rom, started, playing.elapsed() / 1000);
    // The emulator may have left a new snapshot or settings behind.
    m_lists->showScreenShot();
    m_lists->showDetails();
    m_lists->restoreSelection();
}

void MainWindow::openDefaults(settings::SettingsKind kind) {
    m_host->open(Panel::Settings, true);
    m_settingsPanel->openDefaults(kind);
}

void MainWindow::openCustomSettings() {
    const catalogue::GameRecord* game = m_lists->selectedGame();
    if (!game)
        return;
    const QString rom = game->romName();
    // Its settings file is named after it.
    if (!exec::isPlainGameName(rom)) {
        m_dialogs.message(exec::unplainGameNameMessage(rom), gui::Dialogs::Icon::Exclamation);
        return;
    }
    const QString type = (*game)[catalogue::GameRecord::VideoType];
    m_host->open(Panel::Settings, true);
    if (m_settingsPanel->openCustom(rom, type))
        m_listLabel->setText(rom);
}

void MainWindow::openMaintenance() {
    const std::optional<maintenance::EmulatorFiles> files = m_runner.locateFiles(m_state, m_emulator);
    if (!files)
        return;
    m_host->open(Panel::Maintenance, false);
    const catalogue::GameRecord* game = m_lists->count(m_lists->shown()) > 0 ? m_lists->selectedGame() : nullptr;
    // Today's emulator keeps some files in a folder per game: only folders named after a game count.
    const QSet<QString> games = files->config() ? catalogue::romNames(m_state.cataloguePath()) : QSet<QString>();
    m_maintenancePanel->open(game ? game->romName() : QString(), *files, games);
}

} // namespace app

// Play: the selected game started in the emulator with its custom or default settings.
#include "app/MainWindow.h"

#include "app/Dialogs.h"
#include "catalogue/GameListPanel.h"
#include "catalogue/GameListView.h"
#include "catalogue/GameRecord.h"
#include "exec/MameCommands.h"
#include "settings/PlayCommand.h"

#include <QApplication>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace app {
namespace {

// Task-switching hot keys off for exactly the length of a game, where the system has them.
void setHotKeysDisabled([[maybe_unused]] bool disabled) {
#ifdef Q_OS_WIN
    char scratch[8] = {};
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING, disabled ? TRUE : FALSE, scratch, 0);
#endif
}

} // namespace

const catalogue::GameRecord* MainWindow::selectedGame() {
    catalogue::GameListView* list = fraList->shownList();
    return list ? list->selectedGame() : nullptr;
}

void MainWindow::cmdPlay_Click() {
    // A Shift-click asks for the command line as a Shift key press on the button does.
    if (QApplication::keyboardModifiers() & Qt::ShiftModifier)
        ShowCommandLine = true;
    SaveSelection();
    const QString caption = fraList->title();
    const catalogue::GameRecord* game = selectedGame();
    if (caption == catalogue::GameListPanel::UninstalledGames ||
        (caption == catalogue::GameListPanel::AllGames && game && !m_state.hasArchive(game->romName()))) {
        m_dialogs.message(QStringLiteral("This game is not installed."), Dialogs::Icon::Information);
        RestoreSelection();
        return;
    }
    if (!game)
        return;

    const settings::PlayLine play = settings::buildPlayCommandLine(m_state.settingsPath(), game->romName(),
                                                                   (*game)[catalogue::GameRecord::VideoType], Settings);
    if (play.read.outcome == settings::ReadResult::Outcome::EndedEarly)
        m_dialogs.message(settings::optionsChangedMessage(), Dialogs::Icon::Exclamation);
    if (play.read.outcome == settings::ReadResult::Outcome::Unreadable) {
        m_dialogs.message(QStringLiteral("Error: ") + play.read.description, Dialogs::Icon::Critical);
        m_dialogs.endProgram();
        return;
    }
    if (ShowCommandLine) {
        ShowCommandLine = false;
        const QString text = QStringLiteral("Command Line: ") + play.commandLine + u'\r' + QStringLiteral("Length: ") +
                             QString::number(play.commandLine.size()) + QStringLiteral(" characters") + u'\r' + u'\r' +
                             QStringLiteral("Do you want to play the game with these settings?");
        if (!m_dialogs.question(text, Dialogs::Icon::Exclamation)) {
            RestoreSelection();
            return;
        }
    }

    if (m_state.DisableHotKeys)
        setHotKeysDisabled(true);
    const exec::RunResult run = m_runner.ExecCmd(exec::MameCommands(m_state).play(play.commandLine));
    if (m_state.DisableHotKeys)
        setHotKeysDisabled(false);
    if (run == exec::RunResult::Fatal)
        return;

    // The emulator may have left a new snapshot or settings behind.
    ShowScreenShot();
    auto all = listSlots();
    if (ListSlot* slot = shownSlot(all))
        showGameDetails(*slot);
    RestoreSelection();
}

} // namespace app

// The text panel (audit, mame.cfg editor), the maintenance panel's return and the refresh.
#include "app/MainWindow.h"

#include "app/Dialogs.h"
#include "app/TextFile.h"
#include "audit/AuditText.h"
#include "audit/TextPanel.h"
#include "catalogue/CatalogueLoader.h"
#include "catalogue/GameInfo.h"
#include "catalogue/GameListModel.h"
#include "catalogue/GameListPanel.h"
#include "catalogue/GameListView.h"
#include "catalogue/WaitWindow.h"
#include "exec/MameCommands.h"
#include "maintenance/MaintenancePanel.h"
#include "maintenance/MameCfg.h"
#include "ui/BusyPointer.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

namespace app {

using catalogue::GameListPanel;

void MainWindow::openTextPanel(const QString& caption) {
    fraList->setEnabled(false);
    fraVerify->setEnabled(true);
    fraVerify->cmdGameList->setEnabled(false);
    cmdExit->setEnabled(false);
    PanelOpen = true;
    fraVerify->raise();
    fraVerify->setTitle(caption);
    fraVerify->repaint();
    DisableToolButtons();
    SaveSelection();
}

void MainWindow::cmdVerify_Click() {
    ui::BusyPointer busy;
    openTextPanel(audit::TextPanel::GameAudit);
    const QString caption = fraList->title();
    const catalogue::GameRecord* game = selectedGame();
    const QString rom = game ? game->romName() : QString();
    if (game && caption == GameListPanel::UninstalledGames) {
        m_auditedGame = *game;
        // An archive that has appeared since the list was loaded moves the game on return.
        CheckNewRom = true;
        if (m_state.hasArchive(rom)) {
            --UninstalledCount;
            setPanel(1, QStringLiteral("Total Games: ") + QString::number(UninstalledCount));
            setPanel(6, QStringLiteral("New ROM Found"));
        }
    }

    const exec::MameCommands commands(m_state);
    const QList<exec::Command> queries = {commands.verifyRoms(rom), commands.verifySamples(rom), commands.listRoms(rom),
                                          commands.listSamples(rom)};
    for (const exec::Command& query : queries) {
        if (m_runner.ExecCmd(query) == exec::RunResult::Fatal)
            return;
    }
    fraVerify->setText(
        audit::auditText(queries[0].outputFile, queries[1].outputFile, queries[2].outputFile, queries[3].outputFile));
    for (const exec::Command& query : queries)
        QFile::remove(query.outputFile);

    fraVerify->cmdGameList->setEnabled(true);
    cmdExit->setEnabled(true);
    fraVerify->cmdGameList->setFocus();
}

void MainWindow::cmdGameList_Click() {
    ui::BusyPointer busy;
    fraVerify->cmdGameList->setEnabled(false);
    fraList->setEnabled(true);
    fraVerify->setTitle(QString());
    if (ConfigChanged) {
        if (m_dialogs.question(QStringLiteral("Do you want to save the changes to the mame.cfg file?"),
                               Dialogs::Icon::Exclamation) &&
            !writeText(mameCfgPath(), fraVerify->text()))
            m_dialogs.message(QStringLiteral("The mame.cfg file could not be written.  Your changes were not saved."),
                              Dialogs::Icon::Critical);
        ConfigChanged = false;
    }
    if (CheckNewRom && m_state.hasArchive(m_auditedGame.romName()))
        moveNewRomToInstalled();

    fraVerify->setText(QString());
    RestoreSelection();
    CheckNewRom = false;
    PanelOpen = false;
    EnableToolButtons();
    fraVerify->lower();
    fraVerify->setEnabled(false);
    fraVerify->txtVerify->setReadOnly(true);
    fraVerify->cmdGameList->setEnabled(true);
    fraVerify->cmdFind->setEnabled(false);
    FindPosition = 0;
    StatusBar2->hide();
}

// The audited game's archive has appeared: it leaves the uninstalled list (whose count the
// audit lowered already) and joins the installed one.
void MainWindow::moveNewRomToInstalled() {
    catalogue::GameListView* uninstalled = fraList->lvUninstalled;
    uninstalled->games()->removeGame(View.UninstalledIndex - 1);
    if (UninstalledCount < 1) {
        ClearSelection();
    } else if (const catalogue::GameRecord* next = uninstalled->selectedGame()) {
        showGamePanels(*next);
        setPanel(6, QStringLiteral("Not Installed"));
    }
    fraList->lvInstalled->games()->addGame(m_auditedGame);
    ++InstalledCount;
}

void MainWindow::cmdGameList2_Click() {
    ui::BusyPointer busy;
    fraList->setEnabled(true);
    RestoreSelection();
    ShowScreenShot();
    PanelOpen = false;
    EnableToolButtons();
    fraMaintenance->lower();
    fraMaintenance->setEnabled(false);
}

void MainWindow::mnuToolsRefresh_Click() {
    lblList->setText(QString());
    repaint();
    ui::BusyPointer busy;
    for (QPushButton* button : {cmdPlay, cmdVerify, cmdHistory, cmdExit})
        button->setEnabled(false);
    DisableToolButtons();
    AllCount = InstalledCount = UninstalledCount = 0;
    for (catalogue::GameListView* list : fraList->lists())
        list->games()->clear();
    View.AllIndex = View.InstalledIndex = View.UninstalledIndex = 1;

    catalogue::WaitWindow wait(this);
    wait.show();
    wait.repaint();
    for (int panel = 1; panel <= 6; ++panel)
        setPanel(panel, QString());

    const QString current = mameDate();
    if (current != View.MAMEDate) {
        wait.setText(QStringLiteral("A new version of M.A.M.E. was detected."));
        const bool ran = rebuildCatalogue(wait);
        // Stored even when the run failed, so the next refresh does not try again.
        View.MAMEDate = current;
        if (!ran)
            return;
    }
    wait.setText(QStringLiteral("Please wait while Marqueon refreshes the game list."));
    ListLoadStart = secondsSinceMidnight();
    if (!loadLists(wait))
        return;
    ListLoadEnd = secondsSinceMidnight();

    const QString caption = fraList->title();
    if (caption == GameListPanel::AllGames)
        mnuViewAll_Click();
    else if (caption == GameListPanel::InstalledGames)
        mnuViewInstalled_Click();
    else
        mnuViewUninstalled_Click();
    wait.close();
    EnableToolButtons();
    cmdExit->setEnabled(true);
}

QString MainWindow::mameCfgPath() const {
    return m_state.MAMEPath + QStringLiteral("mame.cfg");
}

bool MainWindow::WriteMameCfg() {
    m_state.MAMERomPath =
        maintenance::MAMERomPath(m_state.GameList, m_state.ROMPath, m_state.NeoROMPath, m_state.MAMERomPath);
    if (maintenance::WriteMameCfg(mameCfgPath(), {m_state.MAMERomPath, m_state.SamPath, m_state.SnapPath}))
        return true;
    m_dialogs.message(QStringLiteral("The mame.cfg file could not be written in ") + m_state.MAMEPath,
                      Dialogs::Icon::Critical);
    return false;
}

void MainWindow::mnuToolsEdit_Click() {
    if (!QFileInfo::exists(mameCfgPath())) {
        m_dialogs.message(QStringLiteral("Cannot find the mame.cfg file.  Marqueon will now create one for you."),
                          Dialogs::Icon::Information);
        WriteMameCfg();
    }
    StatusBar2->show();
    fraVerify->setEnabled(true);
    fraVerify->txtVerify->setReadOnly(false);
    fraList->setEnabled(false);
    PanelOpen = true;
    DisableToolButtons();
    fraVerify->raise();
    fraVerify->setTitle(audit::TextPanel::EditConfig);
    fraVerify->repaint();
    SaveSelection();
    fraVerify->setText(readText(mameCfgPath()).value_or(QString()));
    // The loaded text counts as unchanged.
    ConfigChanged = false;
    fraVerify->cmdGameList->setFocus();
}

} // namespace app

// The collection reports with their bad-set search, and a game's history, in the text panel.
#include "app/MainWindow.h"

#include "app/Dialogs.h"
#include "app/TextFile.h"
#include "audit/Reports.h"
#include "audit/TextPanel.h"
#include "catalogue/GameListPanel.h"
#include "exec/MameCommands.h"
#include "history/History.h"
#include "ui/BusyPointer.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextCursor>

namespace app {

// One kind of collection report: its file, the emulator run that makes it, and its texts.
struct MainWindow::ReportKind {
    QString file;
    exec::Command (exec::MameCommands::*command)() const;
    QString createCaption;
    QString viewCaption;
    QString name; // in the "Cannot find ... report" message
    bool romSets;
};

const MainWindow::ReportKind& MainWindow::reportKind(Report report) {
    static const ReportKind kinds[] = {
        {QStringLiteral("roms.txt"), &exec::MameCommands::verifyAllRoms, QStringLiteral("Verify All ROMs"),
         QStringLiteral("View ROMs Report"), QStringLiteral("ROMs"), true},
        {QStringLiteral("samples.txt"), &exec::MameCommands::verifyAllSamples, QStringLiteral("Verify All Samples"),
         QStringLiteral("View Samples Report"), QStringLiteral("Samples"), false},
        {QStringLiteral("sets.txt"), &exec::MameCommands::verifyAllSets, QStringLiteral("Verify All Sets"),
         QStringLiteral("View Sets Report"), QStringLiteral("Sets"), true},
    };
    return kinds[int(report)];
}

void MainWindow::mnuReportsVerifyRoms_Click() {
    createReport(Report::Roms);
}
void MainWindow::mnuReportsVerifySamples_Click() {
    createReport(Report::Samples);
}
void MainWindow::mnuReportsVerifySets_Click() {
    createReport(Report::Sets);
}
void MainWindow::mnuReportsLastRom_Click() {
    viewReport(Report::Roms);
}
void MainWindow::mnuReportsLastSample_Click() {
    viewReport(Report::Samples);
}
void MainWindow::mnuReportsLastSets_Click() {
    viewReport(Report::Sets);
}

void MainWindow::createReport(Report report) {
    const ReportKind& kind = reportKind(report);
    if (!m_dialogs.question(QStringLiteral("This could take a long time.  Do you want to continue?"),
                            Dialogs::Icon::Exclamation))
        return;
    StatusBar2->show();
    ui::BusyPointer busy;
    fraVerify->setEnabled(true);
    fraList->setEnabled(false);
    fraVerify->cmdGameList->setEnabled(false);
    cmdExit->setEnabled(false);
    PanelOpen = true;
    DisableToolButtons();
    fraVerify->setTitle(kind.createCaption);
    fraVerify->repaint();
    SaveSelection();

    const exec::Command command = (exec::MameCommands(m_state).*kind.command)();
    if (m_runner.ExecCmd(command) == exec::RunResult::Fatal)
        return;
    // A run that left no report shows the summary error: the panel still opens and returns.
    fraVerify->setText(readText(m_state.reportsPath() + kind.file).value_or(QString()));
    fraVerify->cmdFind->setEnabled(true);
    fraVerify->cmdGameList->setEnabled(true);
    cmdExit->setEnabled(true);
    fraVerify->cmdGameList->setFocus();
    RomSetReport = kind.romSets;
    fraVerify->setText(audit::MoveSummary(fraVerify->text(), RomSetReport));
    fraVerify->raise();
}

void MainWindow::viewReport(Report report) {
    const ReportKind& kind = reportKind(report);
    const QString path = m_state.reportsPath() + kind.file;
    if (!QFileInfo::exists(path)) {
        m_dialogs.message(QStringLiteral("Cannot find ") + kind.name +
                              QStringLiteral(" report.  You can create one from the Reports pull-down menu above."),
                          Dialogs::Icon::Information);
        RestoreSelection();
        return;
    }
    StatusBar2->show();
    fraVerify->setEnabled(true);
    fraList->setEnabled(false);
    PanelOpen = true;
    DisableToolButtons();
    fraVerify->setTitle(kind.viewCaption);
    fraVerify->repaint();
    SaveSelection();
    fraVerify->setText(readText(path).value_or(QString()));
    fraVerify->cmdFind->setEnabled(true);
    fraVerify->cmdGameList->setFocus();
    RomSetReport = kind.romSets;
    fraVerify->setText(audit::MoveSummary(fraVerify->text(), RomSetReport));
    fraVerify->raise();
}

void MainWindow::cmdFind_Click() {
    const QString text = fraVerify->text();
    const audit::FindResult result = audit::findBadSet(text, FindPosition, RomSetReport);
    FindPosition = int(result.nextPosition);
    if (!result.found) {
        m_dialogs.message(result.message, Dialogs::Icon::None);
        return;
    }
    // The search counts CR LF as two characters; the text box keeps one per line end.
    const auto shown = [&](qsizetype index) {
        return int(index - QStringView(text).left(index).count(u'\r'));
    };
    QTextCursor cursor = fraVerify->txtVerify->textCursor();
    cursor.setPosition(shown(result.found->start));
    cursor.setPosition(shown(result.found->end), QTextCursor::KeepAnchor);
    fraVerify->txtVerify->setTextCursor(cursor);
}

void MainWindow::cmdHistory_Click() {
    if (!QFileInfo::exists(m_state.MAMEPath + QStringLiteral("history.dat"))) {
        m_dialogs.message(QStringLiteral("Cannot find history.dat file.  Download and install this file in your "
                                         "M.A.M.E. directory.") +
                              u'\r' +
                              QStringLiteral("Once this file exists, refresh the Game List to initialize the "
                                             "history database."),
                          Dialogs::Icon::Information);
        RestoreSelection();
        return;
    }
    ui::BusyPointer busy;
    openTextPanel(QStringLiteral("Game History"));
    const catalogue::GameRecord* game = selectedGame();
    const history::HistoryResult history = history::gameHistory(m_state.reportsPath() + QStringLiteral("listinfo.txt"),
                                                                game ? game->romName() : QString());
    fraVerify->setText(history.text);
    fraVerify->cmdGameList->setEnabled(true);
    cmdExit->setEnabled(true);
    fraVerify->cmdGameList->setFocus();
}

} // namespace app

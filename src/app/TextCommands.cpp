#include "app/TextCommands.h"

#include "app/ListController.h"
#include "app/PanelHost.h"
#include "core/audit/AuditText.h"
#include "core/audit/Reports.h"
#include "core/catalogue/GameRecord.h"
#include "core/config/AppState.h"
#include "core/io/TextFile.h"
#include "core/maintenance/MameCfg.h"
#include "gui/audit/TextPanel.h"
#include "gui/common/BackgroundWork.h"
#include "gui/common/BusyPointer.h"
#include "gui/common/Dialogs.h"
#include "gui/common/EmulatorRunner.h"
#include "gui/common/WaitWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

#include <algorithm>
#include <atomic>

namespace app {

using gui::Dialogs;

TextCommands::TextCommands(gui::TextPanel* panel, PanelHost& host, ListController& lists, config::AppState& state,
                           const exec::Emulator& emulator, gui::EmulatorRunner& runner, gui::Dialogs& dialogs,
                           QObject* parent)
    : QObject(parent)
    , m_panel(panel)
    , m_host(host)
    , m_lists(lists)
    , m_state(state)
    , m_emulator(emulator)
    , m_runner(runner)
    , m_dialogs(dialogs) {
    connect(m_panel->returnButton(), &QPushButton::clicked, this, &TextCommands::leave);
    connect(m_panel->findButton(), &QPushButton::clicked, this, &TextCommands::findBadSet);
    connect(m_panel, &gui::TextPanel::edited, this, [this] {
        if (m_editingConfig)
            m_configChanged = true;
    });
}

void TextCommands::open(const QString& caption, bool coverDetails) {
    m_host.open(Panel::Text, coverDetails);
    m_panel->setTitle(caption);
    m_panel->repaint();
}

void TextCommands::audit() {
    const catalogue::GameRecord* game = m_lists.selectedGame();
    const QString rom = game ? game->romName() : QString();
    if (!exec::isPlainGameName(rom)) {
        m_dialogs.message(exec::unplainGameNameMessage(rom), Dialogs::Icon::Exclamation);
        m_lists.restoreSelection();
        return;
    }
    gui::BusyPointer busy;
    open(QStringLiteral("Game Audit"), false);
    m_lists.auditStarted();
    {
        BusyScope running(m_host);
        m_panel->returnButton()->setEnabled(false);
        const QList<exec::Command> queries = {m_emulator.verifyRoms(rom), m_emulator.verifySamples(rom),
                                              m_emulator.listRoms(rom), m_emulator.listSamples(rom)};
        gui::WaitWindow wait(m_panel->window());
        wait.setReason(QStringLiteral("Please wait while M.A.M.E. checks the game."));
        wait.setCountCaption(QStringLiteral("Line Count:"));
        wait.showAfter(gui::WaitWindow::QuietMilliseconds);
        exec::ProgressObserver reading(wait);
        for (const exec::Command& query : queries) {
            exec::RunResult result;
            if (!m_runner.run(query, result, &reading))
                return;
        }
        m_panel->setText(audit::auditText(queries[0].outputFile, queries[1].outputFile, queries[2].outputFile,
                                          queries[3].outputFile));
        for (const exec::Command& query : queries)
            QFile::remove(query.outputFile);
    }
    m_panel->returnButton()->setEnabled(true);
    m_panel->returnButton()->setFocus();
}

void TextCommands::history() {
    // The history area knows what each interface reads.
    const history::HistorySource source =
        history::findHistory(m_emulator.interface(), m_state, qEnvironmentVariable("HOME"));
    if (!source.found()) {
        m_dialogs.message(source.missingMessage, Dialogs::Icon::Information);
        m_lists.restoreSelection();
        return;
    }
    gui::BusyPointer busy;
    if (m_history.needsIndex(source) && !indexHistory(source)) {
        m_lists.restoreSelection();
        return;
    }
    open(QStringLiteral("Game History"), false);
    m_panel->setText(m_history.text(source, m_lists.selectedGame()));
    m_panel->returnButton()->setFocus();
}

// A history file of a gigabyte takes seconds to read: off this thread, with progress and Cancel.
bool TextCommands::indexHistory(const history::HistorySource& source) {
    constexpr qint64 Megabyte = 1 << 20;
    BusyScope running(m_host);
    gui::WaitWindow wait(m_panel->window());
    wait.setReason(QStringLiteral("Please wait while Marqueon reads the history file."));
    wait.setMessage(QFileInfo(source.file).fileName());
    wait.setCountCaption(QStringLiteral("Megabytes Read:"));
    wait.setCancellable(true);
    wait.showAfter(gui::WaitWindow::QuietMilliseconds);
    std::atomic<qint64> done = 0;
    std::atomic<qint64> total = 0;
    std::atomic<bool> cancelled = false;
    bool indexed = false;
    gui::runAside(
        [&] {
            indexed = m_history.buildIndex(source, [&](qint64 read, qint64 size) {
                done = read;
                total = size;
                return !cancelled;
            });
        },
        [&] {
            cancelled = wait.cancelRequested();
            wait.setTotal(int(total / Megabyte));
            wait.setCount(int(done / Megabyte));
        },
        wait);
    return indexed;
}

void TextCommands::createReport(exec::Report report) {
    if (!m_dialogs.question(QStringLiteral("This could take a long time.  Do you want to continue?"),
                            Dialogs::Icon::Exclamation))
        return;
    gui::BusyPointer busy;
    open(audit::reportText(report).createCaption, true);
    {
        BusyScope running(m_host);
        m_panel->returnButton()->setEnabled(false);
        gui::WaitWindow wait(m_panel->window());
        wait.setReason(QStringLiteral("Please wait while M.A.M.E. checks your whole collection."));
        wait.setCountCaption(QStringLiteral("Set Count:"));
        wait.setCancellable(true);
        wait.showAfter(gui::WaitWindow::QuietMilliseconds);
        exec::ProgressObserver reading(
            wait, [](QByteArrayView line) { return line.startsWith("romset ") || line.startsWith("sampleset "); });
        exec::RunResult result;
        if (!m_runner.run(m_emulator.verifyAll(report), result, &reading))
            return;
        if (result.outputUnwritable)
            m_dialogs.message(QStringLiteral("The report could not be written in ") + m_state.reportsPath() +
                                  QStringLiteral(".  The former report, if any, is unchanged."),
                              Dialogs::Icon::Critical);
        if (result.status == exec::RunResult::Status::Cancelled || result.outputUnwritable) {
            // Back to the list; the former report is still there to view.
            m_panel->returnButton()->setEnabled(true);
            leave();
            return;
        }
    }
    // A run that left no report shows the summary error: the panel still opens and returns.
    showReport(report, io::readText(m_state.reportsPath() + exec::reportFileName(report)).value_or(QString()));
    m_panel->returnButton()->setEnabled(true);
}

void TextCommands::viewReport(exec::Report report) {
    const QString path = m_state.reportsPath() + exec::reportFileName(report);
    if (!QFileInfo::exists(path)) {
        m_dialogs.message(audit::missingReportMessage(report), Dialogs::Icon::Information);
        m_lists.restoreSelection();
        return;
    }
    open(audit::reportText(report).viewCaption, true);
    showReport(report, io::readText(path).value_or(QString()));
}

void TextCommands::showReport(exec::Report report, const QString& text) {
    m_romSetReport = audit::reportText(report).romSets;
    // The summary is found by its CR LF line ends, whichever line ends the emulator wrote.
    m_report = audit::moveSummary(io::withCrLf(text), m_romSetReport, m_emulator.explainsReportsWithoutSummary());
    m_panel->setText(m_report);
    m_panel->findButton()->setEnabled(true);
    m_panel->returnButton()->setFocus();
}

void TextCommands::findBadSet() {
    const audit::FindResult result = audit::findBadSet(m_report, m_findPosition, m_romSetReport);
    m_findPosition = result.nextPosition;
    if (!result.found) {
        m_dialogs.message(result.message, Dialogs::Icon::None);
        return;
    }
    // The panel shows each CR LF as one line end.
    const auto shown = [this](qsizetype index) { return int(index - QStringView(m_report).left(index).count(u'\r')); };
    m_panel->select(shown(result.found->start), shown(result.found->end));
}

void TextCommands::showHelpFile() {
    showFile(config::userGuidePath(m_state.appPath, QCoreApplication::applicationDirPath()),
             QStringLiteral("Marqueon File"), QStringLiteral("Cannot find retro.txt!"));
}

void TextCommands::showReadme() {
    const QStringList files = m_emulator.readmeFiles();
    const auto found = std::find_if(files.cbegin(), files.cend(), [](const QString& f) { return QFileInfo(f).isFile(); });
    showFile(found != files.cend() ? *found : files.first(), QStringLiteral("M.A.M.E. Readme File"),
             m_emulator.missingReadmeMessage());
}

void TextCommands::showFile(const QString& path, const QString& caption, const QString& missing) {
    if (!QFileInfo::exists(path)) {
        m_dialogs.message(missing, Dialogs::Icon::Exclamation);
        m_lists.restoreSelection();
        return;
    }
    open(caption, true);
    m_panel->setText(io::readText(path).value_or(QString()));
    m_panel->returnButton()->setFocus();
}

void TextCommands::editConfig() {
    m_editedFiles = m_runner.locateFiles(m_state, m_emulator);
    if (!m_editedFiles)
        return;
    const QString name = m_editedFiles->directoryFileName();
    if (!QFileInfo::exists(m_editedFiles->directoryFile())) {
        m_dialogs.message(QStringLiteral("Cannot find the ") + name +
                              QStringLiteral(" file.  Marqueon will now create one for you."),
                          Dialogs::Icon::Information);
        if (!m_editedFiles->writeDirectories(m_state, maintenance::CfgWrite::Replace))
            m_dialogs.message(m_editedFiles->unwritableMessage(), Dialogs::Icon::Critical);
    }
    open(QStringLiteral("Edit M.A.M.E. Config File"), true);
    m_panel->setEditable(true);
    m_panel->setText(m_editedFiles->readDirectoryFile().value_or(QString()));
    m_editingConfig = true;
    m_configChanged = false;
    m_panel->returnButton()->setFocus();
}

void TextCommands::leave() {
    gui::BusyPointer busy;
    m_panel->setTitle(QString());
    const QString name = m_editedFiles ? m_editedFiles->directoryFileName() : QString();
    if (m_configChanged &&
        m_dialogs.question(QStringLiteral("Do you want to save the changes to the ") + name + QStringLiteral(" file?"),
                           Dialogs::Icon::Exclamation) &&
        !m_editedFiles->writeDirectoryFile(m_panel->text()))
        m_dialogs.message(QStringLiteral("The ") + name +
                              QStringLiteral(" file could not be written.  Your changes were not saved."),
                          Dialogs::Icon::Critical);
    m_editingConfig = m_configChanged = false;
    m_lists.auditEnded();
    m_panel->setEditable(false);
    m_panel->setText(QString());
    m_report.clear();
    m_panel->findButton()->setEnabled(false);
    m_findPosition = 0;
    m_host.close();
}

} // namespace app

#pragma once

#include "core/exec/Emulator.h"
#include "core/history/GameHistory.h"
#include "core/maintenance/EmulatorFiles.h"

#include <QObject>

namespace config {
struct AppState;
}
namespace gui {
class Dialogs;
class EmulatorRunner;
class TextPanel;
} // namespace gui

namespace app {

class ListController;
class PanelHost;

// The commands that show their result in the text panel: the selected game's audit and
// history, the collection reports and their bad-set search, the two text files of the Help
// menu, and the mame.cfg editor; and the return to the game list.
class TextCommands : public QObject {
    Q_OBJECT
public:
    TextCommands(gui::TextPanel* panel, PanelHost& host, ListController& lists, config::AppState& state,
                 const exec::Emulator& emulator, gui::EmulatorRunner& runner, gui::Dialogs& dialogs,
                 QObject* parent = nullptr);

    void audit();
    void history();
    void createReport(exec::Report report);
    void viewReport(exec::Report report);
    void showHelpFile();
    void showReadme();
    void editConfig();

private:
    void open(const QString& caption, bool coverDetails);
    void showReport(exec::Report report, const QString& text);
    void showFile(const QString& path, const QString& caption, const QString& missing);
    void findBadSet();
    bool indexHistory(const history::HistorySource& source);
    void leave();

    gui::TextPanel* m_panel;
    PanelHost& m_host;
    ListController& m_lists;
    config::AppState& m_state;
    const exec::Emulator& m_emulator;
    gui::EmulatorRunner& m_runner;
    gui::Dialogs& m_dialogs;
    history::GameHistory m_history; // today's history index, kept for the program's run
    bool m_editingConfig = false;
    bool m_configChanged = false;
    std::optional<maintenance::EmulatorFiles> m_editedFiles; // where the edited file lies
    bool m_romSetReport = false;
    qsizetype m_findPosition = 0;
    QString m_report; // the report shown, lines ended by CR LF, where Find Bad Sets looks
};

} // namespace app

#pragma once

#include "core/exec/CommandRunner.h"
#include "core/maintenance/EmulatorFiles.h"

namespace gui {

class Dialogs;

// Runs emulator commands for the windows and tells the user about a run that could not reach
// the emulator: a drive that does not answer is said and the caller goes on as if the run had
// happened; a directory that cannot be entered is an error that ends the program.
class EmulatorRunner {
public:
    explicit EmulatorRunner(Dialogs& dialogs);

    // False when the program is ending: the caller returns at once.
    bool run(const exec::Command& command);
    // The same, keeping the result for callers that look at it; an observer hears the run.
    bool run(const exec::Command& command, exec::RunResult& result, exec::RunObserver* observer = nullptr);

    // Says what a finished run needs said; false when the program is ending.
    bool report(const exec::RunResult& result);

    // Where the emulator keeps its directory settings and per-game files; when today's emulator
    // does not say, the user is told and nothing is returned.
    std::optional<maintenance::EmulatorFiles> locateFiles(const config::AppState& state,
                                                          const exec::Emulator& emulator);

    exec::CommandRunner& runner() { return m_runner; }

private:
    exec::CommandRunner m_runner;
    Dialogs& m_dialogs;
};

} // namespace gui

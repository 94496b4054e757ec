#pragma once

#include "exec/Command.h"

namespace app {
class Dialogs;
}

namespace exec {

// How a run ended, for the callers that must stop when the program is ending.
enum class RunResult {
    Ran,        // the command ran, or could not be started (its output file is then empty)
    DriveFault, // the MAME directory's device did not answer; told to the user, go on as if run
    Fatal,      // an error was shown and the program is ending: return at once
};

// Runs the emulator as a child process in the MAME directory and waits for it: the only
// place in the system that creates processes.
class CommandRunner {
public:
    explicit CommandRunner(app::Dialogs& dialogs);

    // Blocks until the child has ended. The window keeps painting meanwhile but takes no
    // input. Standard output replaces the output file as a whole when the run ends.
    RunResult ExecCmd(const Command& command);

private:
    app::Dialogs& m_dialogs;
};

} // namespace exec

#pragma once

#include "core/exec/Command.h"

namespace exec {

// How a run went. The runner tells; what the user is shown is the caller's to decide.
struct RunResult {
    enum class Status {
        Finished,   // the program ran and ended; exitCode says how
        NotStarted, // the program could not be started; its output file is then empty
        DriveFault, // the working directory's device did not answer
        NoDirectory // the working directory could not be entered; error says why
    };
    Status status = Status::Finished;
    int exitCode = 0;
    QString error; // "Path not found", "Permission denied" ... for NoDirectory

    // Whether the program itself was asked to run (it may still have failed).
    bool reachedProgram() const { return status == Status::Finished || status == Status::NotStarted; }
};

// Runs the emulator as a child process in its working directory and waits for it: the only
// place in the system that creates processes.
class CommandRunner {
public:
    // Blocks until the child has ended. The caller's window keeps painting meanwhile but takes
    // no input. Standard output replaces the output file as a whole when the run ends.
    RunResult run(const Command& command);
};

} // namespace exec

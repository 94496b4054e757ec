#pragma once

#include "core/exec/Command.h"

#include <QByteArrayView>
#include <QList>

#include <optional>

namespace exec {

// How a run went. The runner tells; what the user is shown is the caller's to decide.
struct RunResult {
    enum class Status {
        Finished,    // the program ran and ended; exitCode says how
        Crashed,     // the program was ended from outside or died
        NotStarted,  // the program could not be started; its output file is then empty
        DriveFault,  // the working directory's device did not answer
        NoDirectory, // the working directory could not be entered; error says why
        Cancelled    // the user stopped it; its output file stays as it was
    };
    Status status = Status::Finished;
    int exitCode = 0;
    QString error;                 // "Path not found", "Permission denied" ... for NoDirectory
    QString lastErrorLine;         // the last line the program wrote on standard error, when kept apart
    bool outputUnwritable = false; // the output file could not be written (a full disk): it is as it was

    bool finishedWell() const { return status == Status::Finished && exitCode == 0; }
};

// What a caller hears of a run while it goes on.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    // The program's output as it is written, in order; called on a thread of the runner's own.
    virtual void output(QByteArrayView data) = 0;
    // Every few hundredths of a second on the caller's thread, while the program runs.
    virtual void tick() {}
    // Asked at each tick: true ends the program (terminated, killed two seconds later).
    virtual bool cancelRequested() { return false; }
    // Whether user input is let through meanwhile: to a modal window's Cancel button, say.
    virtual bool takesInput() { return false; }
};

// Runs the emulator as a child process in its working directory and waits for it: the only
// place in the system that creates processes.
class CommandRunner {
public:
    // Blocks until the child has ended. The caller's window keeps painting meanwhile but takes
    // no input. The output file, when there is one, is replaced as a whole when the run ends
    // (not when it was cancelled or the program died); an observer, when given, hears the output
    // as it arrives too.
    RunResult run(const Command& command, RunObserver* observer = nullptr);
    // Runs the commands at once, each writing to its own observer (not to files), and waits for
    // all of them. The first observer is ticked and asked for Cancel, which ends them all.
    QList<RunResult> runAll(const QList<Command>& commands, const QList<RunObserver*>& observers);
};

// What a short run wrote on standard output; nothing unless it finished well.
std::optional<QByteArray> outputOf(CommandRunner& runner, const Command& command);

} // namespace exec

#pragma once

#include "core/exec/Command.h"

#include <QByteArray>
#include <QObject>

#include <functional>
#include <vector>

class QProcess;

namespace exec {

class RunObserver;

// How the child's standard output leaves it.
enum class OutputRoute {
    Forwarded, // to Marqueon's own (a game start)
    Pipe,      // into the write end of an OutputPipe
    Process,   // through QProcess's own channel (where there is no OutputPipe)
};

// Sets the process up to run the command: the program with its arguments, each one whole, the
// working directory, no input, and the output routed as asked (standard error joins it when
// the command wants both). On Linux the child is ended when Marqueon ends, so no emulator is
// ever left running on its own.
void setUpChild(QProcess& process, const Command& command, OutputRoute route, int pipeEnd = -1);

struct ChildEnd {
    bool started = true;
    bool cancelled = false; // by the observer, or because Marqueon is ending
    QByteArray errors;      // the last of what it wrote on standard error, when kept apart
};

// Starts the process and waits for it, painting the caller's windows meanwhile. The observer is
// ticked and asked for Cancel; Cancel (or stopRunning()) asks the child to end and kills it two
// seconds later. started runs as soon as the child has been started (whether or not it could
// be); processOutput takes output that arrives through QProcess's own channel.
ChildEnd runChild(QProcess& process, RunObserver* observer, const std::function<void()>& started,
                  const std::function<void()>& processOutput);
// The same for several processes at once, until every one has ended; Cancel ends them all.
// started and processOutput are told which process.
std::vector<ChildEnd> runChildren(const std::vector<QProcess*>& processes, RunObserver* observer,
                                  const std::function<void(size_t)>& started,
                                  const std::function<void(size_t)>& processOutput);

// While it lives, the user's input (keys, clicks, wheel, touch) is dropped, unless takesInput
// says that a window that takes it shows (the wait window's Cancel): it is never delivered
// late, so a click on Play during a game does not start the game again once it ends.
class InputDrop : public QObject {
public:
    explicit InputDrop(std::function<bool()> takesInput = {});
    ~InputDrop() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool()> m_takesInput;
};

// Marqueon is ending (a signal): a running child is ended as by Cancel, and no other starts.
// Safe in a signal handler. (Tests take it back with false.)
void stopRunning(bool stop = true);
bool stoppingRuns();

} // namespace exec

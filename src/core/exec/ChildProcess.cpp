#include "core/exec/ChildProcess.h"

#include "core/exec/CommandRunner.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <atomic>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace exec {
namespace {

std::atomic<bool> g_stopping = false;

} // namespace

InputDrop::InputDrop(std::function<bool()> takesInput)
    : m_takesInput(std::move(takesInput)) {
    QCoreApplication::instance()->installEventFilter(this);
}

InputDrop::~InputDrop() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool InputDrop::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::Drop:
        return !(m_takesInput && m_takesInput());
    default:
        return QObject::eventFilter(watched, event);
    }
}

void stopRunning(bool stop) {
    g_stopping = stop;
}

bool stoppingRuns() {
    return g_stopping;
}

void setUpChild(QProcess& process, const Command& command, OutputRoute route, int pipeEnd) {
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setWorkingDirectory(command.workingDirectory);
    process.setStandardInputFile(QProcess::nullDevice());
    switch (route) {
    case OutputRoute::Forwarded:
        process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        break;
    case OutputRoute::Pipe:
        // The child writes straight into the pipe; errors stay apart when not wanted with it.
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setProcessChannelMode(QProcess::SeparateChannels);
        break;
    case OutputRoute::Process:
        process.setProcessChannelMode(command.withErrors ? QProcess::MergedChannels : QProcess::SeparateChannels);
        break;
    }
#ifdef Q_OS_UNIX
    const bool merged = command.withErrors;
    const int end = route == OutputRoute::Pipe ? pipeEnd : -1;
    const pid_t parent = ::getpid();
    // Runs in the child between fork and exec: only calls safe there.
    process.setChildProcessModifier([end, merged, parent] {
#ifdef Q_OS_LINUX
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        // Marqueon may have ended before the line above took effect.
        if (::getppid() != parent)
            ::_exit(127);
#else
        (void)parent;
#endif
        if (end >= 0) {
            ::dup2(end, STDOUT_FILENO);
            if (merged)
                ::dup2(end, STDERR_FILENO);
        }
    });
#else
    (void)pipeEnd;
#endif
}

ChildEnd runChild(QProcess& process, RunObserver* observer, const std::function<void()>& started,
                  const std::function<void()>& processOutput) {
    ChildEnd end;
    if (g_stopping) {
        end.started = false;
        end.cancelled = true;
        return end;
    }
    QEventLoop loop;
    bool ended = false;
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &process, [&] {
        if (processOutput)
            processOutput();
    });
    QObject::connect(&process, &QProcess::readyReadStandardError, &process, [&] {
        // Only the end matters: keep the last few lines, however much is written.
        end.errors += process.readAllStandardError();
        if (end.errors.size() > 4096)
            end.errors = end.errors.right(2048);
    });
    QObject::connect(&process, &QProcess::finished, &loop, [&] { ended = true; });
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            end.started = false;
            ended = true;
        }
    });
    // Cancel asks the program to end, and ends it if it has not within two seconds.
    QTimer kill;
    kill.setSingleShot(true);
    kill.setInterval(2000);
    QObject::connect(&kill, &QTimer::timeout, &process, &QProcess::kill);
    QTimer ticks;
    ticks.setInterval(40);
    QObject::connect(&ticks, &QTimer::timeout, &loop, [&] {
        if (observer)
            observer->tick();
        if (!end.cancelled && (g_stopping || (observer && observer->cancelRequested()))) {
            end.cancelled = true;
            process.terminate();
            kill.start();
        }
    });
    process.start();
    if (started)
        started();
    if (process.state() != QProcess::NotRunning) {
        ticks.start();
        // The observer's window may take input (and keeps it from the rest by being modal).
        const InputDrop dropped([observer] { return observer && observer->takesInput(); });
        while (!ended)
            loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    end.errors += process.readAllStandardError();
    return end;
}

} // namespace exec

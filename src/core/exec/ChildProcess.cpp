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
    return runChildren(
               {&process}, observer,
               [&](size_t) {
                   if (started)
                       started();
               },
               [&](size_t) {
                   if (processOutput)
                       processOutput();
               })
        .front();
}

std::vector<ChildEnd> runChildren(const std::vector<QProcess*>& processes, RunObserver* observer,
                                  const std::function<void(size_t)>& started,
                                  const std::function<void(size_t)>& processOutput) {
    std::vector<ChildEnd> ends(processes.size());
    if (g_stopping) {
        for (ChildEnd& end : ends) {
            end.started = false;
            end.cancelled = true;
        }
        return ends;
    }
    QEventLoop loop;
    size_t running = 0;
    bool cancelled = false;
    // Cancel asks the programs to end, and ends them if they have not within two seconds.
    QTimer kill;
    kill.setSingleShot(true);
    kill.setInterval(2000);
    for (size_t which = 0; which < processes.size(); ++which) {
        QProcess& process = *processes[which];
        ChildEnd& end = ends[which];
        QObject::connect(&process, &QProcess::readyReadStandardOutput, &process, [&processOutput, which] {
            if (processOutput)
                processOutput(which);
        });
        QObject::connect(&process, &QProcess::readyReadStandardError, &process, [&end, &process] {
            // Only the end matters: keep the last few lines, however much is written.
            end.errors += process.readAllStandardError();
            if (end.errors.size() > 4096)
                end.errors = end.errors.right(2048);
        });
        QObject::connect(&process, &QProcess::finished, &loop, [&running] { --running; });
        QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart && end.started) {
                end.started = false;
                --running;
            }
        });
        QObject::connect(&kill, &QTimer::timeout, &process, &QProcess::kill);
    }
    QTimer ticks;
    ticks.setInterval(40);
    QObject::connect(&ticks, &QTimer::timeout, &loop, [&] {
        if (observer)
            observer->tick();
        if (!cancelled && (g_stopping || (observer && observer->cancelRequested()))) {
            cancelled = true;
            for (size_t which = 0; which < processes.size(); ++which) {
                ends[which].cancelled = true;
                processes[which]->terminate();
            }
            kill.start();
        }
    });
    for (size_t which = 0; which < processes.size(); ++which) {
        ++running;
        processes[which]->start();
        if (started)
            started(which);
        if (processes[which]->state() == QProcess::NotRunning && ends[which].started) {
            // Ended (or failed) before the loop could hear it.
            if (processes[which]->error() == QProcess::FailedToStart)
                ends[which].started = false;
            --running;
            processes[which]->disconnect(&loop);
        }
    }
    if (running > 0) {
        ticks.start();
        // The observer's window may take input (and keeps it from the rest by being modal).
        const InputDrop dropped([observer] { return observer && observer->takesInput(); });
        while (running > 0)
            loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    for (size_t which = 0; which < processes.size(); ++which)
        ends[which].errors += processes[which]->readAllStandardError();
    return ends;
}

} // namespace exec

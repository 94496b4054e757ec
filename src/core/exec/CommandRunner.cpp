#include "core/exec/CommandRunner.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QTimer>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <functional>
#include <system_error>
#include <thread>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <poll.h>
#endif

namespace exec {
namespace {

// Errors that mean the device holding the directory did not answer, as opposed to a
// directory that is missing or forbidden.
bool isDeviceFault(const std::error_code& error) {
    if (error == std::errc::no_such_device || error == std::errc::no_such_device_or_address ||
        error == std::errc::io_error || error == std::errc::timed_out || error == std::errc::host_unreachable)
        return true;
#ifdef ESTALE
    if (error.value() == ESTALE)
        return true;
#endif
#ifdef ENOMEDIUM
    if (error.value() == ENOMEDIUM)
        return true;
#endif
    return false;
}

QString describe(const std::error_code& error) {
    if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory)
        return QStringLiteral("Path not found");
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return QStringLiteral("Permission denied");
    return QString::fromLocal8Bit(error.message());
}

// Whether the child could be started in the directory; the process's own working directory
// is never changed for it.
std::error_code enterable(const QString& directory) {
    std::error_code error;
    const auto status = std::filesystem::status(std::filesystem::path(directory.toStdU16String()), error);
    if (error)
        return error;
    if (!std::filesystem::is_directory(status))
        return std::make_error_code(std::errc::no_such_file_or_directory);
#ifndef Q_OS_WIN
    if (::access(QFile::encodeName(directory).constData(), X_OK) != 0)
        return std::error_code(errno, std::generic_category());
#endif
    return {};
}

// Takes the program's output off the pipe as fast as it comes, so that the program never waits
// for its reader: on a thread of its own, in large pieces, away from the caller's event loop.
class OutputPipe {
public:
    explicit OutputPipe(const std::function<void(QByteArrayView)>& take)
        : m_take(take) {
#ifdef Q_OS_UNIX
        int ends[2];
        if (::pipe(ends) != 0)
            return;
        m_read = ends[0];
        m_write = ends[1];
        ::fcntl(m_read, F_SETFD, FD_CLOEXEC);
        ::fcntl(m_write, F_SETFD, FD_CLOEXEC);
#ifdef Q_OS_LINUX
        // A megabyte of room takes up the moments in which the reader is busy elsewhere.
        ::fcntl(m_write, F_SETPIPE_SZ, 1 << 20);
#endif
#endif
    }
    ~OutputPipe() {
        finish();
#ifdef Q_OS_UNIX
        if (m_read >= 0)
            ::close(m_read);
#endif
    }

    bool isOpen() const {
        return m_read >= 0;
    }
    int writeEnd() const {
        return m_write;
    }

    // The child holds its own copy of the write end: once it has ended, the reader sees the end.
    void start() {
        closeWriteEnd();
#ifdef Q_OS_UNIX
        m_thread = std::thread([this] {
            QByteArray buffer(1 << 20, Qt::Uninitialized);
            for (;;) {
                // Woken now and then to hear whether a cancelled run's output is still wanted:
                // a process the emulator started may hold the pipe open long after it ended.
                pollfd ready{m_read, POLLIN, 0};
                const int polled = ::poll(&ready, 1, 100);
                if (m_abandoned)
                    return;
                if (polled == 0 || (polled < 0 && errno == EINTR))
                    continue;
                const ssize_t got = ::read(m_read, buffer.data(), size_t(buffer.size()));
                if (got < 0 && errno == EINTR)
                    continue;
                if (got <= 0)
                    return;
                m_take(QByteArrayView(buffer.constData(), got));
                // Output that trickles in is left to gather a little: a wake-up for every few
                // kilobytes would cost the program more time than reading them.
                if (got < buffer.size() / 4)
                    std::this_thread::sleep_for(std::chrono::milliseconds(4));
            }
        });
#endif
    }
    void finish() {
        closeWriteEnd();
        if (m_thread.joinable())
            m_thread.join();
    }
    // The rest of the output is not wanted: the reader stops without waiting for its end.
    void abandon() {
        m_abandoned = true;
    }

private:
    void closeWriteEnd() {
#ifdef Q_OS_UNIX
        if (m_write >= 0)
            ::close(m_write);
#endif
        m_write = -1;
    }

    std::function<void(QByteArrayView)> m_take;
    int m_read = -1;
    int m_write = -1;
    std::atomic<bool> m_abandoned = false;
    std::thread m_thread;
};

} // namespace

RunResult CommandRunner::run(const Command& command, RunObserver* observer) {
    if (const std::error_code error = enterable(command.workingDirectory)) {
        if (isDeviceFault(error))
            return {RunResult::Status::DriveFault, 0, QString(), QString(), false};
        return {RunResult::Status::NoDirectory, 0, describe(error), QString(), false};
    }

    // Standard output collects in the output file, which is only replaced once the run has ended.
    QSaveFile output(command.outputFile);
    const bool toFile = !command.outputFile.isEmpty();
    // Like a failed redirection in a command interpreter: no place for the output, no run.
    if (toFile && !output.open(QIODevice::WriteOnly))
        return {RunResult::Status::NotStarted, 0, QString(), QString(), true};
    const bool captured = toFile || observer;
    const auto take = [&](QByteArrayView data) {
        if (toFile)
            output.write(data.constData(), data.size());
        if (observer)
            observer->output(data);
    };

    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setWorkingDirectory(command.workingDirectory);
    process.setStandardInputFile(QProcess::nullDevice());
    // Errors go with the output where asked; otherwise the last of them is kept to tell the user.
    process.setProcessChannelMode(!captured            ? QProcess::ForwardedOutputChannel
                                  : command.withErrors ? QProcess::MergedChannels
                                                       : QProcess::SeparateChannels);
    OutputPipe pipe(take);
#ifdef Q_OS_UNIX
    if (captured && pipe.isOpen()) {
        // The child writes straight into the pipe the reader thread empties.
        process.setStandardOutputFile(QProcess::nullDevice());
        if (command.withErrors)
            process.setProcessChannelMode(QProcess::SeparateChannels);
        const int end = pipe.writeEnd();
        const bool merged = command.withErrors;
        process.setChildProcessModifier([end, merged] {
            ::dup2(end, STDOUT_FILENO);
            if (merged)
                ::dup2(end, STDERR_FILENO);
        });
    }
#endif
    const bool piped = captured && pipe.isOpen();

    QEventLoop loop;
    bool started = true;
    bool ended = false;
    bool cancelled = false;
    QByteArray errors;
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &process, [&] {
        if (!piped && captured)
            take(process.readAllStandardOutput());
    });
    QObject::connect(&process, &QProcess::readyReadStandardError, &process, [&] {
        // Only the end matters: keep the last few lines, however much is written.
        errors += process.readAllStandardError();
        if (errors.size() > 4096)
            errors = errors.right(2048);
    });
    QObject::connect(&process, &QProcess::finished, &loop, [&] { ended = true; });
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            started = false;
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
        if (!observer)
            return;
        observer->tick();
        if (!cancelled && observer->cancelRequested()) {
            cancelled = true;
            process.terminate();
            kill.start();
        }
    });
    process.start();
    if (piped)
        pipe.start();
    if (process.state() != QProcess::NotRunning) {
        ticks.start();
        // User input waits until the run is over, unless the observer's window takes it (and
        // keeps it from the rest by being modal).
        while (!ended) {
            const bool input = observer && observer->takesInput();
            loop.processEvents((input ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents) |
                               QEventLoop::WaitForMoreEvents);
        }
    }
    if (cancelled)
        pipe.abandon();
    pipe.finish();
    if (!piped && captured)
        take(process.readAllStandardOutput());
    errors += process.readAllStandardError();
    // A cancelled run's output is dropped, and so is that of a program that died half-way: the
    // former file stays, no temporary file is left. (One that could not start leaves it empty.)
    bool unwritable = false;
    if (toFile && !cancelled && (!started || process.exitStatus() == QProcess::NormalExit))
        unwritable = !output.commit();

    RunResult result;
    result.outputUnwritable = unwritable;
    if (!started)
        result.status = RunResult::Status::NotStarted;
    else if (cancelled)
        result.status = RunResult::Status::Cancelled;
    else if (process.exitStatus() != QProcess::NormalExit)
        result.status = RunResult::Status::Crashed;
    if (result.status == RunResult::Status::Finished)
        result.exitCode = process.exitCode();
    const QList<QByteArray> lines = errors.trimmed().split('\n');
    result.lastErrorLine = QString::fromLocal8Bit(lines.last()).trimmed();
    return result;
}

std::optional<QByteArray> outputOf(CommandRunner& runner, const Command& command) {
    struct Collector : RunObserver {
        void output(QByteArrayView data) override { text += data; }
        QByteArray text;
    } collector;
    if (!runner.run(command, &collector).finishedWell())
        return std::nullopt;
    return collector.text;
}

} // namespace exec

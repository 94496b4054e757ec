#include "core/exec/CommandRunner.h"

#include "core/exec/ChildProcess.h"
#include "core/exec/OutputPipe.h"
#include "core/io/AtomicFile.h"

#include <QFile>
#include <QProcess>

#include <cerrno>
#include <filesystem>
#include <memory>
#include <system_error>

#ifndef Q_OS_WIN
#include <unistd.h>
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

// How the child ended, as the result tells it.
void tellEnd(RunResult& result, const ChildEnd& end, const QProcess& process) {
    if (!end.started)
        result.status = end.cancelled ? RunResult::Status::Cancelled : RunResult::Status::NotStarted;
    else if (end.cancelled)
        result.status = RunResult::Status::Cancelled;
    else if (process.exitStatus() != QProcess::NormalExit)
        result.status = RunResult::Status::Crashed;
    if (result.status == RunResult::Status::Finished)
        result.exitCode = process.exitCode();
    result.lastErrorLine = QString::fromLocal8Bit(end.errors.trimmed().split('\n').last()).trimmed();
}

} // namespace

RunResult CommandRunner::run(const Command& command, RunObserver* observer) {
    if (const std::error_code error = enterable(command.workingDirectory)) {
        if (isDeviceFault(error))
            return {RunResult::Status::DriveFault, 0, QString(), QString(), false};
        return {RunResult::Status::NoDirectory, 0, describe(error), QString(), false};
    }

    // Standard output collects in the output file, which is only replaced once the run has ended.
    io::AtomicFile output(command.outputFile);
    const bool toFile = !command.outputFile.isEmpty();
    // Like a failed redirection in a command interpreter: no place for the output, no run.
    if (toFile && !output.open())
        return {RunResult::Status::NotStarted, 0, QString(), QString(), true};
    const bool captured = toFile || observer;
    const auto take = [&](QByteArrayView data) {
        if (toFile)
            output.write(data);
        if (observer)
            observer->output(data);
    };

    QProcess process;
    OutputPipe pipe(take);
    const OutputRoute route = !captured       ? OutputRoute::Forwarded
                              : pipe.isOpen() ? OutputRoute::Pipe
                                              : OutputRoute::Process;
    setUpChild(process, command, route, pipe.writeEnd());
    const auto fromProcess = [&] {
        if (route == OutputRoute::Process)
            take(process.readAllStandardOutput());
    };
    // The child holds its own copy of the pipe's write end once started.
    const ChildEnd end = runChild(
        process, observer, [&] { pipe.start(); }, fromProcess);
    if (end.cancelled)
        pipe.abandon();
    pipe.finish();
    fromProcess();

    // A cancelled run's output is dropped, and so is that of a program that died half-way: the
    // former file stays, no temporary file is left. (One that could not start leaves it empty.)
    RunResult result;
    if (toFile && !end.cancelled && (!end.started || process.exitStatus() == QProcess::NormalExit))
        result.outputUnwritable = !output.commit();
    tellEnd(result, end, process);
    return result;
}

QList<RunResult> CommandRunner::runAll(const QList<Command>& commands, const QList<RunObserver*>& observers) {
    QList<RunResult> results(commands.size());
    for (qsizetype which = 0; which < commands.size(); ++which) {
        if (const std::error_code error = enterable(commands[which].workingDirectory)) {
            results[which] = isDeviceFault(error)
                                 ? RunResult{RunResult::Status::DriveFault, 0, {}, {}, false}
                                 : RunResult{RunResult::Status::NoDirectory, 0, describe(error), {}, false};
            return results;
        }
    }
    std::vector<std::unique_ptr<QProcess>> processes;
    std::vector<std::unique_ptr<OutputPipe>> pipes;
    std::vector<QProcess*> started;
    for (qsizetype which = 0; which < commands.size(); ++which) {
        RunObserver* observer = observers.value(which);
        pipes.push_back(std::make_unique<OutputPipe>([observer](QByteArrayView data) {
            if (observer)
                observer->output(data);
        }));
        processes.push_back(std::make_unique<QProcess>());
        const bool piped = pipes.back()->isOpen();
        setUpChild(*processes.back(), commands[which], piped ? OutputRoute::Pipe : OutputRoute::Process,
                   pipes.back()->writeEnd());
        started.push_back(processes.back().get());
    }
    const std::vector<ChildEnd> ends = runChildren(
        started, observers.value(0), [&](size_t which) { pipes[which]->start(); },
        [&](size_t which) {
            if (!pipes[which]->isOpen())
                if (RunObserver* observer = observers.value(qsizetype(which)))
                    observer->output(processes[which]->readAllStandardOutput());
        });
    for (size_t which = 0; which < processes.size(); ++which) {
        const ChildEnd& end = ends[which];
        QProcess& process = *processes[which];
        if (end.cancelled)
            pipes[which]->abandon();
        pipes[which]->finish();
        if (RunObserver* observer = observers.value(qsizetype(which)); observer && !pipes[which]->isOpen())
            observer->output(process.readAllStandardOutput());
        tellEnd(results[qsizetype(which)], end, process);
    }
    return results;
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

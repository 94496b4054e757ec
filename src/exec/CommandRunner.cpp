#include "exec/CommandRunner.h"

#include "app/Dialogs.h"

#include <QEventLoop>
#include <QProcess>
#include <QSaveFile>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace exec {
namespace {

// Errors that mean the device holding the directory did not answer, as opposed to a
// directory that is missing or forbidden.
bool isDeviceFault(const std::error_code& error) {
    if (error == std::errc::no_such_device || error == std::errc::no_such_device_or_address ||
        error == std::errc::io_error || error == std::errc::timed_out || error == std::errc::host_unreachable)
        return true;
#ifdef ESTALE
    if (error.category() == std::generic_category() || error.category() == std::system_category()) {
        if (error.value() == ESTALE)
            return true;
    }
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

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

// Collects the child's standard output into the output file, which is only replaced once
// the run has ended.
void runAndWait(const Command& command) {
    QSaveFile output(command.outputFile);
    const bool redirected = !command.outputFile.isEmpty();
    // Like a failed redirection in a command interpreter: no place for the output, no run.
    if (redirected && !output.open(QIODevice::WriteOnly))
        return;

    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setWorkingDirectory(command.workingDirectory);
    process.setProcessChannelMode(redirected ? QProcess::ForwardedErrorChannel : QProcess::ForwardedChannels);
    process.setStandardInputFile(QProcess::nullDevice());

    QEventLoop loop;
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &process,
                     [&] { output.write(process.readAllStandardOutput()); });
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.quit();
    });
    process.start();
    if (process.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (redirected) {
        output.write(process.readAllStandardOutput());
        output.commit();
    }
}

} // namespace

CommandRunner::CommandRunner(app::Dialogs& dialogs)
    : m_dialogs(dialogs) {}

RunResult CommandRunner::ExecCmd(const Command& command) {
    std::error_code error;
    const std::filesystem::path callerDirectory = std::filesystem::current_path(error);
    if (!error)
        std::filesystem::current_path(toPath(command.workingDirectory), error);
    if (error) {
        if (isDeviceFault(error)) {
            m_dialogs.message(
                QStringLiteral("There is a problem communicating with the drive M.A.M.E. is on!  Try again."),
                app::Dialogs::Icon::Critical);
            return RunResult::DriveFault;
        }
        m_dialogs.message(QStringLiteral("Error: ") + describe(error), app::Dialogs::Icon::Critical);
        m_dialogs.endProgram();
        return RunResult::Fatal;
    }

    runAndWait(command);

    std::filesystem::current_path(callerDirectory, error);
    return RunResult::Ran;
}

} // namespace exec

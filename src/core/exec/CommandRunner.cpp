#include "core/exec/CommandRunner.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QSaveFile>

#include <cerrno>
#include <filesystem>
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

} // namespace

RunResult CommandRunner::run(const Command& command) {
    if (const std::error_code error = enterable(command.workingDirectory)) {
        if (isDeviceFault(error))
            return {RunResult::Status::DriveFault, 0, QString()};
        return {RunResult::Status::NoDirectory, 0, describe(error)};
    }

    // Standard output collects in the output file, which is only replaced once the run has ended.
    QSaveFile output(command.outputFile);
    const bool redirected = !command.outputFile.isEmpty();
    // Like a failed redirection in a command interpreter: no place for the output, no run.
    if (redirected && !output.open(QIODevice::WriteOnly))
        return {RunResult::Status::NotStarted, 0, QString()};

    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setWorkingDirectory(command.workingDirectory);
    process.setProcessChannelMode(redirected ? QProcess::ForwardedErrorChannel : QProcess::ForwardedChannels);
    process.setStandardInputFile(QProcess::nullDevice());

    QEventLoop loop;
    bool started = true;
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &process,
                     [&] { output.write(process.readAllStandardOutput()); });
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            started = false;
            loop.quit();
        }
    });
    process.start();
    if (process.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (redirected) {
        output.write(process.readAllStandardOutput());
        output.commit();
    }
    if (!started)
        return {RunResult::Status::NotStarted, 0, QString()};
    return {RunResult::Status::Finished, process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString()};
}

} // namespace exec

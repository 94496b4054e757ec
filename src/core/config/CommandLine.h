#pragma once

#include <QString>
#include <QStringList>

namespace config {

// What the command line asks for. It is read before any window system is touched, so that
// --help and --version work without a display.
struct CommandLine {
    enum class Request { Run, Help, Version, Error };
    Request request = Request::Run;
    QString error; // what was wrong, for Error
};

// Reads the arguments after the program's name. Qt's own window-system options (-style fusion,
// -platform offscreen, ...) are left for the application to take.
CommandLine parseCommandLine(const QStringList& arguments);

// What --help prints: the options, and where this copy keeps its files and its user guide.
QString helpText(const QString& appPath, const QString& userGuide);
// What --version prints.
QString versionText();

} // namespace config

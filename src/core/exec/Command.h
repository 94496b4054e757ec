#pragma once

#include <QString>
#include <QStringList>

namespace exec {

// One emulator run as a value: never a text to be split or handed to a shell, so blanks
// in paths and any characters in arguments reach the program unchanged.
struct Command {
    QString program;
    QStringList arguments;
    QString workingDirectory;
    QString outputFile; // standard output goes here; empty: not redirected
    // Standard error joins standard output in the order written (today's emulator says part
    // of its answers there).
    bool withErrors = false;

    bool operator==(const Command&) const = default;
};

} // namespace exec

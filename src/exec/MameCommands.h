#pragma once

#include "exec/Command.h"

namespace app {
struct AppState;
}

// Every emulator run the system makes, with its arguments and output file.
namespace exec {

class MameCommands {
public:
    explicit MameCommands(const app::AppState& state);

    Command listInfo() const;

    // The four questions of a single-game audit, in the order they are run.
    Command verifyRoms(const QString& game) const;
    Command verifySamples(const QString& game) const;
    Command listRoms(const QString& game) const;
    Command listSamples(const QString& game) const;

    // Whole-collection reports.
    Command verifyAllSets() const;
    Command verifyAllRoms() const;
    Command verifyAllSamples() const;

    Command help() const;

    // A game start from the lower-cased line "mame <rom> <options>": each blank-separated word
    // after "mame" becomes one argument, the ROM name first.
    Command play(const QString& commandLine) const;

    // The output files, under the reports folder.
    QString reportFile(const QString& fileName) const;

private:
    Command run(QStringList arguments, const QString& outputName, WindowState window) const;

    const app::AppState& m_state;
};

} // namespace exec

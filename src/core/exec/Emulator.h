#pragma once

#include "core/exec/Command.h"

namespace config {
struct AppState;
}

namespace exec {

// The whole-collection reports, each kept in its own file under the reports folder.
enum class Report { Roms, Samples, Sets };
constexpr Report AllReports[] = {Report::Roms, Report::Samples, Report::Sets};
QString reportFileName(Report report); // "roms.txt", "samples.txt", "sets.txt"

// Every emulator run the system makes, with its arguments and output file.
class MameCommands {
public:
    explicit MameCommands(const config::AppState& state);

    // The full game information, into the listing file.
    Command listInfo() const;

    // The four questions of a single-game audit, in the order they are run.
    Command verifyRoms(const QString& game) const;
    Command verifySamples(const QString& game) const;
    Command listRoms(const QString& game) const;
    Command listSamples(const QString& game) const;

    // A whole-collection report into its file.
    Command verifyAll(Report report) const;

    // The usage text with the version banner.
    Command help() const;

    // A game start: the ROM name, then the options, each word one argument.
    Command play(const QStringList& arguments) const;

private:
    Command run(QStringList arguments, const QString& outputName) const;

    const config::AppState& m_state;
};

} // namespace exec

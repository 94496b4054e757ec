#include "core/exec/MameCommands.h"

#include "core/config/AppState.h"

#include <QDir>

namespace exec {
namespace {

// The short form where there is one; a path that has none (it does not exist) stays whole, so
// a missing emulator is never looked for on the search path or a report written elsewhere.
QString commandPath(const QString& shortForm, const QString& longForm) {
    return shortForm.isEmpty() ? longForm : shortForm;
}

} // namespace

QString reportFileName(Report report) {
    switch (report) {
    case Report::Roms:
        return QStringLiteral("roms.txt");
    case Report::Samples:
        return QStringLiteral("samples.txt");
    case Report::Sets:
        break;
    }
    return QStringLiteral("sets.txt");
}

MameCommands::MameCommands(const config::AppState& state)
    : m_state(state) {}

Command MameCommands::run(QStringList arguments, const QString& outputName) const {
    const QString mame = commandPath(m_state.shortMamePath(), m_state.directories.mame);
    QString output;
    if (!outputName.isEmpty())
        output = commandPath(m_state.shortAppPath(), m_state.appPath) + QStringLiteral("reports") + QDir::separator() +
                 outputName;
    return Command{mame + config::mameFileName(), std::move(arguments), m_state.directories.mame, output};
}

Command MameCommands::listInfo() const {
    return run({QStringLiteral("-listinfo")}, config::ListingFileName);
}

Command MameCommands::verifyRoms(const QString& game) const {
    return run({game, QStringLiteral("-verifyroms")}, QStringLiteral("temp1.txt"));
}

Command MameCommands::verifySamples(const QString& game) const {
    return run({game, QStringLiteral("-verifysamples")}, QStringLiteral("temp2.txt"));
}

Command MameCommands::listRoms(const QString& game) const {
    return run({game, QStringLiteral("-listroms")}, QStringLiteral("temp3.txt"));
}

Command MameCommands::listSamples(const QString& game) const {
    return run({game, QStringLiteral("-listsamples")}, QStringLiteral("temp4.txt"));
}

Command MameCommands::verifyAll(Report report) const {
    const QString verb = report == Report::Roms      ? QStringLiteral("-verifyroms")
                         : report == Report::Samples ? QStringLiteral("-verifysamples")
                                                     : QStringLiteral("-verifysets");
    return run({QStringLiteral("*"), verb}, reportFileName(report));
}

Command MameCommands::help() const {
    return run({QStringLiteral("-help")}, QStringLiteral("version.txt"));
}

Command MameCommands::play(const QStringList& arguments) const {
    return run(arguments, QString());
}

} // namespace exec

#include "exec/MameCommands.h"

#include "app/AppState.h"

#include <QDir>

namespace exec {

MameCommands::MameCommands(const app::AppState& state)
    : m_state(state) {}

QString MameCommands::reportFile(const QString& fileName) const {
    return m_state.ShortAppPath + QStringLiteral("reports") + QDir::separator() + fileName;
}

Command MameCommands::run(QStringList arguments, const QString& outputName, WindowState window) const {
    return Command{m_state.ShortMAMEPath + app::mameFileName(), std::move(arguments), m_state.MAMEPath,
                   outputName.isEmpty() ? QString() : reportFile(outputName), window};
}

Command MameCommands::listInfo() const {
    return run({QStringLiteral("-listinfo")}, QStringLiteral("listinfo.txt"), WindowState::Minimized);
}

Command MameCommands::verifyRoms(const QString& game) const {
    return run({game, QStringLiteral("-verifyroms")}, QStringLiteral("temp1.txt"), WindowState::Minimized);
}

Command MameCommands::verifySamples(const QString& game) const {
    return run({game, QStringLiteral("-verifysamples")}, QStringLiteral("temp2.txt"), WindowState::Minimized);
}

Command MameCommands::listRoms(const QString& game) const {
    return run({game, QStringLiteral("-listroms")}, QStringLiteral("temp3.txt"), WindowState::Minimized);
}

Command MameCommands::listSamples(const QString& game) const {
    return run({game, QStringLiteral("-listsamples")}, QStringLiteral("temp4.txt"), WindowState::Minimized);
}

Command MameCommands::verifyAllSets() const {
    return run({QStringLiteral("*"), QStringLiteral("-verifysets")}, QStringLiteral("sets.txt"), WindowState::Normal);
}

Command MameCommands::verifyAllRoms() const {
    return run({QStringLiteral("*"), QStringLiteral("-verifyroms")}, QStringLiteral("roms.txt"), WindowState::Normal);
}

Command MameCommands::verifyAllSamples() const {
    return run({QStringLiteral("*"), QStringLiteral("-verifysamples")}, QStringLiteral("samples.txt"),
               WindowState::Normal);
}

Command MameCommands::help() const {
    return run({QStringLiteral("-help")}, QStringLiteral("version.txt"), WindowState::Minimized);
}

Command MameCommands::play(const QString& commandLine) const {
    QStringList words = commandLine.split(u' ', Qt::SkipEmptyParts);
    if (!words.isEmpty())
        words.removeFirst(); // "mame": the program itself
    return run(words, QString(), WindowState::Maximized);
}

} // namespace exec

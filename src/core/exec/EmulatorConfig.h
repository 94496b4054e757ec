#pragma once

#include "core/exec/Command.h"

#include <QByteArrayView>
#include <QHash>

#include <optional>

namespace exec {

class CommandRunner;

// Today's emulator's effective options, as `mame -showconfig` prints them: the values of every
// mame.ini it read and its built-in ones, resolved the way the emulator resolves them.
class EmulatorConfig {
public:
    // "key value" lines, "#" comments; a value may be in double quotes. home stands for "$HOME"
    // and a leading "~"; relative paths count from workingDirectory, where the emulator runs.
    static EmulatorConfig parse(QByteArrayView showConfigOutput, const QString& home,
                                const QString& workingDirectory = QString());

    bool contains(const QString& key) const { return m_values.contains(key); }
    // The value as the emulator holds it, "$HOME" expanded; empty when unknown.
    QString value(const QString& key) const;
    // A ";" list of directories, each expanded and made absolute against the working directory.
    QStringList paths(const QString& key) const;
    // The same list as the emulator holds it, "$HOME" and all, for writing back.
    QStringList writtenPaths(const QString& key) const;
    // A folder as paths() gives it, for telling two spellings of one folder apart.
    QString absolutePath(const QString& path) const;

    // The mame.ini of the first inipath folder under the user's home: the one the emulator reads
    // for this user and the user may write. Empty when no inipath folder lies there.
    QString userIniFile() const;
    // The folders of the emulator's own menu files (favorites.ini): ui_path of the first ui.ini on
    // the ini path, else "ui"; the first folder of a list. A relative one lies where the emulator
    // runs, and, as Debian's emulator is mostly started from a terminal or the desktop, also in
    // the user's home folder (the second folder then).
    QStringList uiFolders() const;
    // A folder list of the first ui.ini on the ini path ("titles_directory" ...), each folder made
    // absolute where the emulator runs; empty when no ui.ini says it.
    QStringList uiPaths(const QString& key) const;

private:
    QString expanded(QString text) const;
    std::optional<QString> uiValue(const QString& key) const;

    QHash<QString, QString> m_values;
    QString m_home;
    QString m_workingDirectory;
};

// The emulator's effective options by running the command (Emulator::showConfig()) in the current
// environment; nothing when the run fails or its output says nothing about where the emulator
// looks for its files.
std::optional<EmulatorConfig> readEmulatorConfig(CommandRunner& runner, const Command& showConfig);

} // namespace exec

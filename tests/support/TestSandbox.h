#pragma once

#include "core/config/AppState.h"

#include <QList>
#include <QTemporaryDir>

#include <optional>

// A throw-away installation for one test: an application directory and a MAME directory
// holding the stand-in emulator, with ROM, Neo-Geo, sample and snapshot folders; and a home
// folder (home/) with XDG folders of its own, set in the environment for the sandbox's life, so
// that neither Marqueon nor an emulator it starts ever reaches the user's files.
class TestSandbox {
public:
    // A name with blanks in it checks that paths reach the emulator whole.
    explicit TestSandbox(const QString& mameFolderName = QStringLiteral("mame"));
    ~TestSandbox();
    TestSandbox(const TestSandbox&) = delete;
    TestSandbox& operator=(const TestSandbox&) = delete;

    bool isValid() const { return m_valid; }
    QString root() const { return m_root.path(); }
    QString home() const { return m_root.filePath(QStringLiteral("home")); }

    // The state as a finished setup leaves it, with every directory ending in a separator.
    const config::AppState& state() const { return m_state; }
    config::AppState& state() { return m_state; }

    QString appPath() const { return m_state.appPath; }
    QString mamePath() const { return m_state.directories.mame; }
    QString reportsPath() const { return m_state.reportsPath(); }
    QString settingsPath() const { return m_state.settingsPath(); }
    QString optionsFile() const { return m_state.optionsFile(); }

    // Replaces the stand-in's catalogue with the given listing.
    void setCatalogue(const QByteArray& listing) const;
    // Puts an (empty) ROM archive <name>.zip into a directory.
    static void addArchive(const QString& directory, const QString& name);
    // The arguments the stand-in received on its last game start.
    QStringList lastRunArguments() const;
    // Writes settings/options.ini as a finished setup leaves it, with the given list choice,
    // followed by the given lines (a ShutDown section, say).
    void writeOptions(const QByteArray& gameList = "RetroP", const QByteArray& more = {}) const;

private:
    QTemporaryDir m_root;
    struct Variable {
        QByteArray name;
        QByteArray value;                 // the sandbox's
        std::optional<QByteArray> before; // restored unless another sandbox has set it since
    };
    QList<Variable> m_environment;
    config::AppState m_state;
    bool m_valid = false;
};

// Writes bytes to a file, creating its folder.
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

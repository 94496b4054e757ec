#pragma once

#include "core/exec/EmulatorConfig.h"
#include "core/maintenance/MameCfg.h"

#include <optional>

namespace exec {
class Emulator;
}

namespace maintenance {

// The emulator's per-game files Marqueon can delete.
enum class GameFiles { Cfg, Hi, Nvram, Snap };

struct GameFileLocation {
    QString gameFolder;       // where a game's own file lies
    QString allFolder;        // where "all files" of the kind are deleted
    QString extension;        // ".cfg"
    bool gameFolders = false; // today's emulator also keeps a folder per game there
    QString folderPattern;    // the kind's files in such a folder: "*.png", "*"
    bool classic = true;      // the classic emulator's files, and its texts about them
    QString noun;             // what they are called when not "<extension> file": "NVRAM"
};

// Where the emulator keeps the files Marqueon looks after: the file that holds its directories
// and its per-game files. The classic emulator keeps them in its own directory; today's says
// where in its configuration, read anew each time (one quick run) so the user's edits count.
class EmulatorFiles {
public:
    // Nothing when today's emulator's configuration cannot be read.
    static std::optional<EmulatorFiles> locate(const config::AppState& state, const exec::Emulator& emulator,
                                               exec::CommandRunner& runner);

    QString directoryFile() const { return m_directoryFile; }
    QString directoryFileName() const; // "mame.cfg" or "mame.ini"
    GameFileLocation gameFiles(GameFiles kind) const;
    // Today's emulator's own configuration; nothing for the classic one.
    const std::optional<exec::EmulatorConfig>& config() const { return m_config; }

    // Marqueon's directories into the file, the rompath worked out anew for the list choice.
    // mame.cfg is written whole or merged as asked; the user's mame.ini is always merged, Marqueon's
    // folders first and the emulator's own after them (those of replaced, Marqueon's former
    // directories, dropped).
    bool writeDirectories(config::AppState& state, CfgWrite mode, const config::Directories& replaced = {}) const;
    QString unwritableMessage() const; // "The mame.ini file could not be written in ..."
    // The Config File tab's texts: the classic emulator's mame.cfg is written anew, today's mame.ini
    // only gets Marqueon's three directories again.
    QString recreateNote() const;
    QString recreateCaption() const;
    QString recreateQuestion() const;

    // The file as text for the editor, and back. mame.cfg is Marqueon's single-byte text; the
    // user's mame.ini stays UTF-8 with the byte-order mark and line ends it has.
    std::optional<QString> readDirectoryFile() const;
    bool writeDirectoryFile(const QString& text) const;

private:
    const config::AppState* m_state = nullptr;
    QString m_directoryFile;
    std::optional<exec::EmulatorConfig> m_config;
};

} // namespace maintenance

#pragma once

#include <QString>

namespace app {

// The process-wide paths and preferences, owned by the program and passed by reference.
// Directory texts end with the platform separator, so file names are appended directly.
struct AppState {
    // Paths
    QString AppPath;
    QString ShortAppPath;
    QString IniFile;
    QString MAMEPath;
    QString ShortMAMEPath;
    QString ROMPath;
    QString NeoROMPath;
    QString SamPath;
    QString SnapPath;
    QString MAMERomPath;

    // Copies taken before the preferences open, to notice changes and undo a refused directory.
    QString TempMAMEPath;
    QString TempROMPath;
    QString TempNeoROMPath;
    QString TempSamPath;
    QString TempSnapPath;

    // Preferences
    QString GameList = QStringLiteral("Retro");
    bool HideClones = false;
    bool CloneShots = false;
    bool DisableHotKeys = true;
    bool UseStarfield = true;
    quint32 BackColor = 0; // 0x00BBGGRR
    quint32 ForeColor = 0;

    // Flags shared between the windows
    bool StartingUp = false;
    bool SetupCancelled = false;

    // Sets MAMEPath and the short form that command lines use.
    void setMAMEPath(const QString& path);
    // Sets AppPath, ShortAppPath and IniFile for the given application directory.
    void setAppPath(const QString& directory);

    // The emulator's executable in the MAME directory.
    QString mameExecutable() const;
    // Whether the game's ROM archive lies in the Retro or the Neo-Geo ROM directory.
    bool hasArchive(const QString& romName) const;
    // Marqueon's own folders under the application directory, ending with a separator.
    QString settingsPath() const;
    QString reportsPath() const;
};

// The main window's last view, kept in the ShutDown section. Indexes are 1-based list
// positions; they hold any list size, while files written with 16-bit values still read.
struct ShutDownState {
    QString MAMEDate;
    QString GameView = QStringLiteral("All Games");
    int AllIndex = 1;
    int AllSortKey = 0;
    int AllSortOrder = 0;
    int InstalledIndex = 1;
    int InstalledSortKey = 0;
    int InstalledSortOrder = 0;
    int UninstalledIndex = 1;
    int UninstalledSortKey = 0;
    int UninstalledSortOrder = 0;
    bool ScreenShots = false;
};

// A directory text as the system stores it: native separators and one trailing separator.
QString directoryText(const QString& path);

// The directory Marqueon keeps its files in: MARQUEON_HOME when set, else the program's own.
QString applicationDirectory();

// The emulator's file name in its directory on this platform.
QString mameFileName();

} // namespace app

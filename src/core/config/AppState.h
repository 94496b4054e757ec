#pragma once

#include <QString>

namespace config {

// Which games the lists hold. The options file stores the words "Retro", "RetroP" and
// "NeoOnly"; any other word chooses no list at all.
enum class ListChoice { Retro, All, NeoGeo, None };

QString listChoiceWord(ListChoice choice);
ListChoice listChoiceFromWord(const QString& word);
// "Retro Games", "All Games", "Neo-Geo Games"; empty for no list.
QString listChoiceCaption(ListChoice choice);

// The five directories the user chose. Each ends with the platform separator (or is empty),
// so file names are appended directly.
struct Directories {
    QString mame;
    QString retroRoms;
    QString neoGeoRoms;
    QString samples;
    QString snapshots;

    bool operator==(const Directories&) const = default;
};

struct Preferences {
    ListChoice listChoice = ListChoice::Retro;
    bool hideClones = false;
    bool cloneShots = false;
    bool disableHotKeys = true;
    bool useStarfield = true;
    quint32 backColour = 0; // 0x00BBGGRR
    quint32 foreColour = 0;
    // Marqueon's own, kept apart from the classic keys: where the genre and players lists are
    // (empty: looked for), and whether games for adults stay out of the lists.
    QString listsFolder = QString();
    bool hideMature = false;
    // The folder of the picture folders and packs (snap/, titles.zip ...); empty: the folder that
    // holds the snapshots directory, as art packs are laid out.
    QString artworkFolder = QString();

    bool operator==(const Preferences&) const = default;
};

// Marqueon's own files in its reports folder: the emulator's game information and the catalogue.
inline const QString ListingFileName = QStringLiteral("listinfo.txt");
inline const QString CatalogueFileName = QStringLiteral("gameinfo.txt");

// What the program knows about its installation: where its own files are, the user's
// directories and preferences. Owned by the program and passed by reference.
struct AppState {
    QString appPath; // the application directory, ending with a separator
    Directories directories;
    // The directories as they were when the options dialog last opened (path information).
    Directories previousDirectories;
    Preferences preferences;
    // The ROM path last written to the emulator's configuration.
    QString mameRomPath;

    // The application directory: appPath, created folders and files below it.
    void setAppPath(const QString& directory);
    QString optionsFile() const;
    QString settingsPath() const; // ends with a separator
    QString reportsPath() const;  // ends with a separator
    QString listingPath() const;  // the emulator's game information
    QString cataloguePath() const;
    QString catalogueInfoPath() const; // what the catalogue cannot say itself
    QString gameFactsPath() const;     // what today's emulator tells of each game beyond its line
    QString userDataPath() const;      // the user's favourites and play history
    QString artworkPath() const;       // the chosen artwork folder, else the snapshots' parent; ends with a separator

    // The forms paths take inside emulator command lines.
    QString shortAppPath() const;
    QString shortMamePath() const;

    // The emulator's executable in the MAME directory.
    QString mameExecutable() const;
};

// A directory text as Marqueon stores it: native separators and one trailing separator.
QString directoryText(const QString& path);

// The program's name on disk: the executable's and its data folders'.
inline const QString ProgramName = QStringLiteral("marqueon");

// PREFIX/share/marqueon/ for a program in PREFIX/games/ (or PREFIX/bin/) when that folder exists:
// an installed copy.
// Empty for any other copy.
QString installedDataDirectory(const QString& programDirectory);

// The directory Marqueon keeps its files in: `home` (MARQUEON_HOME) when set; for an installed
// copy `userDataDirectory`, whose system folders are not the user's to write; else the program's
// own directory (a portable copy, the build folder).
QString chooseApplicationDirectory(const QString& home, const QString& programDirectory,
                                   const QString& userDataDirectory);
// The same decision for this process: its environment, executable and user data folder.
QString applicationDirectory();

// The user guide retro.txt: in the application directory, else beside the program, else where an
// installed copy keeps it; the first of these when there is none.
QString userGuidePath(const QString& appPath, const QString& programDirectory);

// The emulator's file name in its directory on this platform.
QString mameFileName();

} // namespace config

#include "core/config/AppState.h"

#include "core/io/ShortPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace config {
namespace {

const QString RetroWord = QStringLiteral("Retro");
const QString AllWord = QStringLiteral("RetroP");
const QString NeoGeoWord = QStringLiteral("NeoOnly");

} // namespace

QString listChoiceWord(ListChoice choice) {
    switch (choice) {
    case ListChoice::Retro:
        return RetroWord;
    case ListChoice::All:
        return AllWord;
    case ListChoice::NeoGeo:
        return NeoGeoWord;
    case ListChoice::None:
        break;
    }
    return QString();
}

ListChoice listChoiceFromWord(const QString& word) {
    if (word == RetroWord)
        return ListChoice::Retro;
    if (word == AllWord)
        return ListChoice::All;
    if (word == NeoGeoWord)
        return ListChoice::NeoGeo;
    return ListChoice::None;
}

QString listChoiceCaption(ListChoice choice) {
    switch (choice) {
    case ListChoice::Retro:
        return QStringLiteral("Retro Games");
    case ListChoice::All:
        return QStringLiteral("All Games");
    case ListChoice::NeoGeo:
        return QStringLiteral("Neo-Geo Games");
    case ListChoice::None:
        break;
    }
    return QString();
}

QString directoryText(const QString& path) {
    if (path.isEmpty())
        return path;
    QString text = QDir::toNativeSeparators(path);
    if (!text.endsWith(QDir::separator()))
        text += QDir::separator();
    return text;
}

QString installedDataDirectory(const QString& programDirectory) {
    QDir prefix(programDirectory);
    // Debian keeps games in PREFIX/games, other programs in PREFIX/bin.
    const QString folder = prefix.dirName();
    if ((folder != QStringLiteral("bin") && folder != QStringLiteral("games")) || !prefix.cdUp())
        return QString();
    const QString data = prefix.filePath(QStringLiteral("share/") + ProgramName);
    return QFileInfo(data).isDir() ? directoryText(data) : QString();
}

QString chooseApplicationDirectory(const QString& home, const QString& programDirectory,
                                   const QString& userDataDirectory) {
    if (!home.isEmpty())
        return directoryText(QDir(home).absolutePath());
    if (!installedDataDirectory(programDirectory).isEmpty() && !userDataDirectory.isEmpty())
        return directoryText(userDataDirectory);
    return directoryText(programDirectory);
}

QString applicationDirectory() {
    return chooseApplicationDirectory(qEnvironmentVariable("MARQUEON_HOME"), QCoreApplication::applicationDirPath(),
                                      QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
}

QString userGuidePath(const QString& appPath, const QString& programDirectory) {
    const QString name = QStringLiteral("retro.txt");
    QStringList candidates = {directoryText(appPath) + name, directoryText(programDirectory) + name};
    if (const QString installed = installedDataDirectory(programDirectory); !installed.isEmpty())
        candidates += installed + name;
    for (const QString& path : candidates) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return candidates.first();
}

QString mameFileName() {
#ifdef Q_OS_WIN
    return QStringLiteral("mame.exe");
#else
    return QStringLiteral("mame");
#endif
}

void AppState::setAppPath(const QString& directory) {
    appPath = directoryText(directory);
}

QString AppState::optionsFile() const {
    return settingsPath() + QStringLiteral("options.ini");
}

QString AppState::settingsPath() const {
    return appPath + QStringLiteral("settings") + QDir::separator();
}

QString AppState::reportsPath() const {
    return appPath + QStringLiteral("reports") + QDir::separator();
}

QString AppState::listingPath() const {
    return reportsPath() + ListingFileName;
}

QString AppState::cataloguePath() const {
    return reportsPath() + CatalogueFileName;
}

QString AppState::catalogueInfoPath() const {
    return reportsPath() + QStringLiteral("emulator.txt");
}

QString AppState::artworkPath() const {
    QString folder = preferences.artworkFolder;
    if (folder.isEmpty() && !directories.snapshots.isEmpty())
        folder = QFileInfo(QDir::cleanPath(directories.snapshots)).path();
    if (!folder.isEmpty() && !folder.endsWith(u'/') && !folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

QString AppState::userDataPath() const {
    return appPath + QStringLiteral("marqueon.db");
}

QString AppState::gameFactsPath() const {
    return reportsPath() + QStringLiteral("gamedata.txt");
}

QString AppState::shortAppPath() const {
    return io::shortCommandPath(appPath);
}

QString AppState::shortMamePath() const {
    return io::shortCommandPath(directories.mame);
}

QString AppState::mameExecutable() const {
    return directories.mame + mameFileName();
}

} // namespace config

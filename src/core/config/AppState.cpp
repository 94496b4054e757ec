#include "core/config/AppState.h"

#include "core/io/ShortPath.h"

#include <QCoreApplication>
#include <QDir>

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

QString applicationDirectory() {
    const QString home = qEnvironmentVariable("MARQUEON_HOME");
    return directoryText(home.isEmpty() ? QCoreApplication::applicationDirPath() : QDir(home).absolutePath());
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

#include "app/AppState.h"

#include "exec/ShortPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace app {

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

void AppState::setMAMEPath(const QString& path) {
    MAMEPath = path;
    ShortMAMEPath = exec::shortCommandPath(path);
}

void AppState::setAppPath(const QString& directory) {
    AppPath = directoryText(directory);
    ShortAppPath = exec::shortCommandPath(AppPath);
    IniFile = settingsPath() + QStringLiteral("options.ini");
}

QString AppState::mameExecutable() const {
    return MAMEPath + mameFileName();
}

} // namespace app

namespace app {

QString AppState::settingsPath() const {
    return AppPath + QStringLiteral("settings") + QDir::separator();
}

QString AppState::reportsPath() const {
    return AppPath + QStringLiteral("reports") + QDir::separator();
}

} // namespace app

namespace app {

bool AppState::hasArchive(const QString& romName) const {
    const QString archive = romName + QStringLiteral(".zip");
    return QFileInfo::exists(ROMPath + archive) || QFileInfo::exists(NeoROMPath + archive);
}

} // namespace app

#include "core/maintenance/FileCleanup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace maintenance {
namespace {

bool isPlainName(const QString& name) {
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\');
}

} // namespace

FileCleanup::FileCleanup(const QString& folder, const QString& pattern, bool gameFolders)
    : m_folder(folder)
    , m_pattern(pattern)
    , m_gameFolders(gameFolders) {}

bool FileCleanup::hasFile(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink();
}

bool FileCleanup::deleteFile(const QString& path) {
    return hasFile(path) && QFile::remove(path);
}

bool FileCleanup::hasFolder(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink();
}

bool FileCleanup::deleteFolder(const QString& path) {
    // removeRecursively removes links inside as links, without entering them.
    return hasFolder(path) && QDir(path).removeRecursively();
}

QString FileCleanup::pathOf(const QString& name) const {
    // An empty folder text would mean the working directory.
    if (m_folder.isEmpty() || !isPlainName(name))
        return {};
    return QDir(m_folder).filePath(name);
}

QStringList FileCleanup::files() const {
    QDir::Filters filters = QDir::Files | QDir::NoSymLinks;
#ifndef Q_OS_WIN
    // Name filters ignore letter case unless told otherwise; here "A.CFG" is another name.
    filters |= QDir::CaseSensitive;
#endif
    const QDir folder(m_folder);
    if (m_folder.isEmpty() || !folder.exists())
        return {};
    QStringList names = folder.entryList({m_pattern}, filters, QDir::Name);
    names.removeIf([&](const QString& name) { return !isPlainName(name) || !hasFile(folder.filePath(name)); });
    if (m_gameFolders) {
        for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
            if (isPlainName(name) && hasFolder(folder.filePath(name)))
                names << name;
        }
        names.sort();
    }
    return names;
}

QStringList FileCleanup::deleteAll() const {
    QStringList failed;
    for (const QString& name : files()) {
        const QString path = pathOf(name);
        if (!(hasFolder(path) ? deleteFolder(path) : deleteFile(path)))
            failed << name;
    }
    return failed;
}

} // namespace maintenance

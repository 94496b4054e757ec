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

FileCleanup::FileCleanup(const QString& folder, const QString& pattern)
    : m_folder(folder)
    , m_pattern(pattern) {}

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
    return names;
}

} // namespace maintenance

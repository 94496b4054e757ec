#pragma once

#include <QString>
#include <QStringList>

namespace maintenance {

// One kind of the emulator's files: those whose names match a pattern ("*.cfg") directly in
// one folder. Only regular files count. A symbolic link is neither followed nor removed, so
// a file kept elsewhere and linked in is never lost, and a subfolder is never entered, even
// when its name matches. A missing folder holds no files.
class FileCleanup {
public:
    FileCleanup(const QString& folder, const QString& pattern);

    // Whether path names a regular file (a link, even to one, does not count).
    static bool hasFile(const QString& path);
    // Removes the regular file at path; false for anything else or when it cannot be removed.
    static bool deleteFile(const QString& path);
    // Whether path names a folder (not a link to one).
    static bool hasFolder(const QString& path);

    // The path of the file called name in the folder, or empty text when name is not a plain
    // file name (empty, "." or "..", or holding a separator) and so could lead elsewhere.
    QString pathOf(const QString& name) const;

    // The names of the matching files, sorted. Letter case counts where file names do.
    QStringList files() const;

private:
    QString m_folder;
    QString m_pattern;
};

} // namespace maintenance

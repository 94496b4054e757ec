#pragma once

#include <QString>

namespace io {

// The 8.3 short form of an existing file or directory, or empty text when there is none.
// File systems without short names give the path unchanged when it exists.
QString shortPath(const QString& longPath);

// The form a path takes inside command lines: the short path, lower-cased where the file
// system ignores case (on Windows). Case-sensitive file systems keep the path as it is.
QString shortCommandPath(const QString& longPath);

} // namespace io

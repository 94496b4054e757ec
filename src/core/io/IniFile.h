#pragma once

#include <QString>

// Windows-style private-profile access: "[Section]" lines and "key=value" lines.
// Section and key names compare without regard to case; a read value is trimmed of
// surrounding blanks and cut to 254 characters; a write replaces the key in place or adds
// it at the end of its section, creating file and section when missing.
namespace io {

QString readIni(const QString& file, const QString& section, const QString& key, const QString& defaultValue);
// False when the file could not be written; it then stays as it was.
bool writeIni(const QString& file, const QString& section, const QString& key, const QString& value);

// The text forms in which values are stored.
QString iniText(bool value);
QString iniText(qint64 value);

} // namespace io

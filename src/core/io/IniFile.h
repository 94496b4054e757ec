#pragma once

#include <QString>
#include <QStringList>

// Windows-style private-profile access: "[Section]" lines and "key=value" lines.
// Section and key names compare without regard to case; a read value is trimmed of
// surrounding blanks and cut to 254 characters; a write replaces the key in place or adds
// it at the end of its section, creating file and section when missing.
namespace io {

// A whole ini file in memory: read once, changed key by key, written back in one step, so a
// failure leaves the file as it was before all of the changes, never after some of them.
class IniFile {
public:
    // A missing or unreadable file reads as empty; one that exists but cannot be read is never saved.
    explicit IniFile(const QString& path);

    QString value(const QString& section, const QString& key, const QString& defaultValue) const;
    // A line break in the value becomes a blank, so the value stays on its line.
    void setValue(const QString& section, const QString& key, const QString& value);
    // Takes the key out; a section left with no key goes too.
    void removeValue(const QString& section, const QString& key);
    // False when the file could not be written; it then stays as it was.
    bool save() const;

private:
    QString m_path;
    QStringList m_lines;
    bool m_unreadable = false;
};

// One key read or written on its own.
QString readIni(const QString& file, const QString& section, const QString& key, const QString& defaultValue);
// False when the file could not be written; it then stays as it was.
bool writeIni(const QString& file, const QString& section, const QString& key, const QString& value);

// The text forms in which values are stored.
QString iniText(bool value);
QString iniText(qint64 value);

} // namespace io

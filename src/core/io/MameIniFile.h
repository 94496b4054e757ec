#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace io {

// A file of today's emulator's options ("key value" lines: mame.ini, raster.ini, pong.ini), read
// whole and written back in one step with every byte Marqueon does not change kept: the byte-order
// mark, the line ends, comments, blank lines and the other keys. The emulator's rules apply: a key
// is the first word of a line, letter case exact; outside quotes "#" starts a comment; a value
// holding blanks or "#" is quoted.
class MameIniFile {
public:
    // An empty file for a path where there is none; nothing when one is there but cannot be read.
    static std::optional<MameIniFile> read(const QString& path);

    const QString& path() const { return m_path; }
    // The option keys in file order, each once.
    QStringList keys() const;
    // The key's value (its last line's, which the emulator takes), unquoted; nothing when absent.
    std::optional<QString> value(const QString& key) const;
    // Every line of the key gets the value where it stands (a comment behind it stays); a key not
    // yet there goes at the end. False, and nothing changed, for a value holding a line break.
    bool set(const QString& key, const QString& value);
    // Removes every line of the key.
    void remove(const QString& key);
    // Whether any option or comment is left, so that the file is worth keeping.
    bool hasContent() const;

    QByteArray bytes() const;
    // The folder made when missing; the file replaced in one step. False when it could not be.
    bool save() const;

private:
    struct Line {
        QByteArray text; // without its line end
        QByteArray key;  // empty for a comment or blank line
        QByteArray end;  // its own line end, kept as it was; empty for a last line without one
    };
    static QByteArray keyOf(QByteArrayView text);

    QString m_path;
    QByteArray m_byteOrderMark;
    QByteArray m_newline = "\n";
    QList<Line> m_lines;
};

// The line the emulator would write for an option: the key in 25 columns and a blank, then the
// value, quoted when it holds a blank or a "#".
QByteArray mameIniLine(QByteArrayView key, const QString& value);

} // namespace io

#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include <optional>

// The system's text files are single-byte (Latin-1 both ways, so every byte survives) with
// CR LF line ends; readers accept LF alone too, since the emulator writes that on Linux.
namespace app {

// The file's lines without their line ends, or nothing when it cannot be opened.
std::optional<QStringList> readLines(const QString& path);

// The whole file as text with its line ends kept, or nothing when it cannot be opened.
std::optional<QString> readText(const QString& path);

// Replaces the file as a whole (never half-written): each line followed by CR LF.
bool writeLines(const QString& path, const QStringList& lines);

// Replaces the file as a whole with the text exactly as given.
bool writeText(const QString& path, const QString& text);

// Reads a file line by line without holding it in memory.
class LineReader {
public:
    explicit LineReader(const QString& path);
    bool isOpen() const { return m_file.isOpen(); }
    // The next line without its line end; false at the end of the file.
    bool next(QString& line);

private:
    QFile m_file;
    QByteArray m_buffer;
};

} // namespace app

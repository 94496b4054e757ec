#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Marqueon's text files are single-byte (Latin-1 both ways, so every byte survives) with CR LF
// line ends; readers accept LF alone too, since the emulator writes that on Linux.
namespace io {

// The whole file as text with its line ends kept, or nothing when it cannot be opened.
std::optional<QString> readText(const QString& path);

// The file's lines without their line ends, or nothing when it cannot be opened.
std::optional<QStringList> readLines(const QString& path);

// Replaces the file as a whole with the text exactly as given; never leaves it half-written.
bool writeText(const QString& path, const QString& text);

// The text with every line end (LF or CR LF) made CR LF.
QString withCrLf(QString text);

// Replaces the file as a whole: each line followed by CR LF.
bool writeLines(const QString& path, const QStringList& lines);

} // namespace io

#include "core/io/TextFile.h"

#include "core/io/AtomicFile.h"

#include <QFile>
#include <QFileInfo>

namespace io {

std::optional<QString> readText(const QString& path) {
    // A named pipe or a device would block or never end: only regular files are read.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromLatin1(file.readAll());
}

std::optional<QStringList> readLines(const QString& path) {
    std::optional<QString> text = readText(path);
    if (!text)
        return std::nullopt;
    QStringList lines = text->split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

bool writeText(const QString& path, const QString& text) {
    return replaceFile(path, text.toLatin1());
}

QString withCrLf(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\n', QStringLiteral("\r\n"));
}

bool writeLines(const QString& path, const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return writeText(path, text);
}

} // namespace io

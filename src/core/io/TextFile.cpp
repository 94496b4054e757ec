#include "core/io/TextFile.h"

#include <QFile>
#include <QSaveFile>

namespace io {

std::optional<QString> readText(const QString& path) {
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toLatin1());
    return file.commit();
}

bool writeLines(const QString& path, const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return writeText(path, text);
}

} // namespace io

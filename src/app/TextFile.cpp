#include "app/TextFile.h"

#include <QSaveFile>

namespace app {
namespace {

QByteArray withoutLineEnd(QByteArray bytes) {
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    return bytes;
}

} // namespace

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

LineReader::LineReader(const QString& path)
    : m_file(path) {
    (void)m_file.open(QIODevice::ReadOnly);
}

bool LineReader::next(QString& line) {
    if (!m_file.isOpen() || m_file.atEnd())
        return false;
    m_buffer = m_file.readLine();
    line = QString::fromLatin1(withoutLineEnd(std::move(m_buffer)));
    return true;
}

} // namespace app

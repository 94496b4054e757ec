#include "core/io/MameIniFile.h"

#include "core/io/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace io {
namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Where a comment behind the value begins: the first "#" outside quotes; -1 for none.
qsizetype commentStart(QByteArrayView text, qsizetype from) {
    bool quoted = false;
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (text[i] == '#' && !quoted)
            return i;
    }
    return -1;
}

} // namespace

QByteArray mameIniLine(QByteArrayView key, const QString& value) {
    QByteArray text = value.toUtf8();
    if (text.contains(' ') || text.contains('\t') || text.contains('#'))
        text = '"' + text + '"';
    return key.toByteArray().leftJustified(25) + ' ' + text;
}

QByteArray MameIniFile::keyOf(QByteArrayView text) {
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    qsizetype end = start;
    while (end < text.size() && !isBlank(text[end]))
        ++end;
    const QByteArrayView key = text.sliced(start, end - start);
    return key.startsWith('#') ? QByteArray() : key.toByteArray();
}

std::optional<MameIniFile> MameIniFile::read(const QString& path) {
    MameIniFile file;
    file.m_path = path;
    const QFileInfo info(path);
    if (!info.exists())
        return file;
    QFile source(path);
    // A named pipe or a folder in its place is no file of options.
    if (!info.isFile() || !source.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = source.readAll();
    if (bytes.startsWith(ByteOrderMark)) {
        file.m_byteOrderMark = ByteOrderMark;
        bytes.remove(0, ByteOrderMark.size());
    }
    const qsizetype firstBreak = bytes.indexOf('\n');
    if (firstBreak > 0 && bytes[firstBreak - 1] == '\r')
        file.m_newline = "\r\n";
    // Each line keeps its own end: a file with mixed ends is written back as it was.
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype lineBreak = bytes.indexOf('\n', start);
        QByteArray text = bytes.sliced(start, (lineBreak < 0 ? bytes.size() : lineBreak) - start);
        QByteArray end;
        if (lineBreak >= 0) {
            end = "\n";
            if (text.endsWith('\r')) {
                text.chop(1);
                end = "\r\n";
            }
        }
        const QByteArray key = keyOf(text);
        file.m_lines.append({text, key, end});
        start = lineBreak < 0 ? bytes.size() : lineBreak + 1;
    }
    return file;
}

QStringList MameIniFile::keys() const {
    QStringList keys;
    for (const Line& line : m_lines) {
        const QString key = QString::fromUtf8(line.key);
        if (!key.isEmpty() && !keys.contains(key))
            keys << key;
    }
    return keys;
}

std::optional<QString> MameIniFile::value(const QString& key) const {
    const QByteArray wanted = key.toUtf8();
    for (qsizetype i = m_lines.size() - 1; i >= 0; --i) {
        const Line& line = m_lines[i];
        if (line.key != wanted)
            continue;
        const QByteArrayView text = line.text;
        const qsizetype afterKey = text.indexOf(line.key) + line.key.size();
        const qsizetype comment = commentStart(text, afterKey);
        QByteArrayView value = text.sliced(afterKey, (comment < 0 ? text.size() : comment) - afterKey).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.sliced(1, value.size() - 2);
        return QString::fromUtf8(value);
    }
    return std::nullopt;
}

bool MameIniFile::set(const QString& key, const QString& value) {
    // A line break in a value would slip lines of its own into the user's file.
    if (value.contains(u'\n') || value.contains(u'\r') || key.contains(u' ') || key.isEmpty())
        return false;
    const QByteArray wanted = key.toUtf8();
    const QByteArray line = mameIniLine(wanted, value);
    bool found = false;
    for (Line& each : m_lines) {
        if (each.key != wanted)
            continue;
        // A comment behind the value goes with the new one.
        const qsizetype comment = commentStart(each.text, each.text.indexOf(each.key) + each.key.size());
        each.text = comment < 0 ? line : line + ' ' + each.text.sliced(comment);
        found = true;
    }
    if (!found) {
        if (!m_lines.isEmpty() && m_lines.last().end.isEmpty())
            m_lines.last().end = m_newline;
        m_lines.append({line, wanted, m_newline});
    }
    return true;
}

void MameIniFile::remove(const QString& key) {
    const QByteArray wanted = key.toUtf8();
    m_lines.removeIf([&](const Line& line) { return line.key == wanted; });
}

bool MameIniFile::hasContent() const {
    return std::any_of(m_lines.cbegin(), m_lines.cend(),
                       [](const Line& line) { return !line.text.trimmed().isEmpty(); });
}

QByteArray MameIniFile::bytes() const {
    QByteArray out = m_byteOrderMark;
    for (const Line& line : m_lines)
        out += line.text + line.end;
    return out;
}

bool MameIniFile::save() const {
    return QDir().mkpath(QFileInfo(m_path).absolutePath()) && replaceFile(m_path, bytes());
}

} // namespace io

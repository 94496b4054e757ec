#include "core/io/IniFile.h"

#include "core/io/TextFile.h"

#include <QFileInfo>
#include <QStringList>

namespace io {
namespace {

constexpr qsizetype MaxValueLength = 254;

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QStringView trimmed(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// The section a line opens, or a null view when the line is no section header.
QStringView sectionName(QStringView line) {
    const QStringView text = trimmed(line);
    if (!text.startsWith(u'['))
        return {};
    const qsizetype close = text.indexOf(u']');
    return trimmed(close < 0 ? text.sliced(1) : text.sliced(1, close - 1));
}

bool isKeyLine(QStringView line, QStringView key) {
    const qsizetype equals = line.indexOf(u'=');
    return equals >= 0 && trimmed(line.first(equals)).compare(key, Qt::CaseInsensitive) == 0;
}

// Where a section's lines are: [first, end) after its header line, or first == -1.
struct SectionSpan {
    qsizetype header = -1;
    qsizetype end = -1;
};

SectionSpan findSection(const QStringList& lines, QStringView section) {
    SectionSpan span;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView name = sectionName(lines[i]);
        if (name.isNull())
            continue;
        if (span.header >= 0) {
            span.end = i;
            return span;
        }
        if (name.compare(section, Qt::CaseInsensitive) == 0)
            span.header = i;
    }
    if (span.header >= 0)
        span.end = lines.size();
    return span;
}

} // namespace

IniFile::IniFile(const QString& path)
    : m_path(path) {
    std::optional<QStringList> lines = readLines(path);
    m_lines = lines.value_or(QStringList());
    m_unreadable = !lines && QFileInfo::exists(path);
}

QString IniFile::value(const QString& section, const QString& key, const QString& defaultValue) const {
    const SectionSpan span = findSection(m_lines, section);
    for (qsizetype i = span.header + 1; span.header >= 0 && i < span.end; ++i) {
        const QString& line = m_lines[i];
        if (isKeyLine(line, key))
            return trimmed(QStringView(line).sliced(line.indexOf(u'=') + 1)).left(MaxValueLength).toString();
    }
    return defaultValue.left(MaxValueLength);
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    QString text = value;
    text.replace(u'\r', u' ').replace(u'\n', u' ');

    const SectionSpan span = findSection(m_lines, section);
    if (span.header < 0) {
        m_lines << u'[' + section + u']' << key + u'=' + text;
        return;
    }
    qsizetype insertAt = span.header + 1;
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        if (isKeyLine(m_lines[i], key)) {
            // The key keeps the spelling it has in the file.
            const QString& line = m_lines[i];
            m_lines[i] = trimmed(QStringView(line).first(line.indexOf(u'='))).toString() + u'=' + text;
            return;
        }
        // A new key goes after the section's last non-blank line, before any blank gap.
        if (!trimmed(m_lines[i]).isEmpty())
            insertAt = i + 1;
    }
    m_lines.insert(insertAt, key + u'=' + text);
}

void IniFile::removeValue(const QString& section, const QString& key) {
    const SectionSpan span = findSection(m_lines, section);
    if (span.header < 0)
        return;
    qsizetype end = span.end;
    bool others = false;
    for (qsizetype i = end - 1; i > span.header; --i) {
        if (isKeyLine(m_lines[i], key)) {
            m_lines.removeAt(i);
            --end;
        } else if (!trimmed(m_lines[i]).isEmpty()) {
            others = true;
        }
    }
    if (!others)
        m_lines.remove(span.header, end - span.header);
}

bool IniFile::save() const {
    // Written from nothing, a file that could not be read would lose every other key.
    return !m_unreadable && writeLines(m_path, m_lines);
}

QString readIni(const QString& file, const QString& section, const QString& key, const QString& defaultValue) {
    return IniFile(file).value(section, key, defaultValue);
}

bool writeIni(const QString& file, const QString& section, const QString& key, const QString& value) {
    IniFile ini(file);
    ini.setValue(section, key, value);
    return ini.save();
}

QString iniText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString iniText(qint64 value) {
    return QString::number(value);
}

} // namespace io

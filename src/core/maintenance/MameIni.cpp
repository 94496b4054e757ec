#include "core/maintenance/MameIni.h"

#include "core/io/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>

namespace maintenance {
namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

struct Setting {
    QByteArrayView key;
    QByteArray line;
    bool written = false;
};

// As the emulator prints its options: the key in 25 columns and a blank, then the value, quoted
// when it holds a blank or a "#" (which outside quotes starts a comment when the emulator reads it).
QByteArray iniLine(QByteArrayView key, const QString& value) {
    QByteArray text = value.toUtf8();
    if (text.contains(' ') || text.contains('\t') || text.contains('#'))
        text = '"' + text + '"';
    return key.toByteArray().leftJustified(25) + ' ' + text;
}

// The emulator skips leading blanks and takes the name up to the next blank, letter case exact.
Setting* settingOf(QByteArrayView line, std::array<Setting, 3>& settings) {
    qsizetype start = 0;
    while (start < line.size() && isBlank(line[start]))
        ++start;
    qsizetype end = start;
    while (end < line.size() && !isBlank(line[end]))
        ++end;
    for (Setting& setting : settings) {
        if (line.sliced(start, end - start) == setting.key)
            return &setting;
    }
    return nullptr;
}

// A comment behind the value goes with the new one: from the first "#" outside quotes, the way
// the emulator finds where a value ends.
QByteArray trailingComment(QByteArrayView line) {
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == '#' && !quoted)
            return ' ' + line.sliced(i).toByteArray();
    }
    return {};
}

} // namespace

bool writeMameIniDirectories(const QString& path, const IniDirectories& directories) {
    std::array<Setting, 3> settings{
        {{"rompath", iniLine("rompath", directories.rompath)},
         {"samplepath", iniLine("samplepath", directories.samplepath)},
         {"snapshot_directory", iniLine("snapshot_directory", directories.snapshotDirectory)}}};
    // A line break in a value would slip lines of its own into the user's file.
    for (const Setting& setting : settings) {
        if (setting.line.contains('\n') || setting.line.contains('\r'))
            return false;
    }

    const QFileInfo info(path);
    QByteArray before;
    if (info.exists()) {
        QFile file(path);
        if (!info.isFile() || !file.open(QIODevice::ReadOnly))
            return false;
        before = file.readAll();
    } else if (!QDir().mkpath(info.absolutePath())) {
        return false;
    }

    const qsizetype firstBreak = before.indexOf('\n');
    const QByteArray newline = firstBreak > 0 && before[firstBreak - 1] == '\r' ? "\r\n" : "\n";
    const qsizetype bom = before.startsWith(ByteOrderMark) ? ByteOrderMark.size() : 0;
    QByteArray after = before.first(bom);
    for (qsizetype at = bom; at < before.size();) {
        const qsizetype lineBreak = before.indexOf('\n', at);
        const qsizetype next = lineBreak < 0 ? before.size() : lineBreak + 1;
        const QByteArrayView line(before.constData() + at, next - at);
        qsizetype textEnd = line.size();
        while (textEnd > 0 && (line[textEnd - 1] == '\n' || line[textEnd - 1] == '\r'))
            --textEnd;
        const QByteArrayView text = line.first(textEnd);
        if (Setting* setting = settingOf(text, settings)) {
            after += setting->line + trailingComment(text);
            after += line.sliced(textEnd);
            setting->written = true;
        } else {
            after += line;
        }
        at = next;
    }
    for (const Setting& setting : settings) {
        if (setting.written)
            continue;
        if (after.size() > bom && !after.endsWith('\n'))
            after += newline;
        after += setting.line + newline;
    }

    return io::replaceFile(path, after);
}

} // namespace maintenance

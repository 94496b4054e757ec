// history.dat, the older format: header lines, "$bio", the text, "$end".
//
//   $info=pong,pongd,
//   $bio
//
//   Pong (c) 1972 Atari.
//   $end
#include "core/history/HistoryIndex.h"

#include <QIODevice>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <cctype>

namespace history {
namespace {

QByteArrayView withoutLineEnd(QByteArrayView line) {
    while (!line.isEmpty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.chop(1);
    return line;
}

// "$info=..." names systems, "$a2600=..." and the like software. The key is a word that starts
// with a letter, so that a text line such as "$1=4 credits" stays text.
bool isHeader(QByteArrayView line) {
    const qsizetype equals = line.indexOf('=');
    if (equals < 2 || line[0] != '$' || !std::isalpha(static_cast<unsigned char>(line[1])))
        return false;
    return std::all_of(line.begin() + 1, line.begin() + equals,
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

// Walks the file's lines, each with the offset it starts at and the one after its line end.
template <typename Visit> void forEachLine(QByteArrayView text, Visit visit, qint64 start = 0) {
    while (start < text.size()) {
        const qsizetype newline = text.indexOf('\n', start);
        const qint64 next = newline < 0 ? text.size() : newline + 1;
        visit(withoutLineEnd(text.sliced(start, (newline < 0 ? next : newline) - start)), start, next);
        start = next;
    }
}

} // namespace

EntryIndex indexHistoryDat(QIODevice& file) {
    const QByteArray text = file.readAll();
    EntryIndex index;
    QStringList systems;
    qint64 entryStart = -1; // no entry open
    bool inText = false;
    const auto close = [&](qint64 end) {
        systems.removeDuplicates();
        for (const QString& system : std::as_const(systems))
            index.add(system, {entryStart, end});
        systems.clear();
        entryStart = -1;
        inText = false;
    };
    forEachLine(
        text,
        [&](QByteArrayView line, qint64 start, qint64 next) {
            if (entryStart >= 0 && line == "$end") {
                close(next);
            } else if (entryStart >= 0 && line == "$bio") {
                inText = true;
            } else if (isHeader(line)) {
                if (inText) // the entry before lacks its "$end"
                    close(start);
                if (entryStart < 0)
                    entryStart = start;
                if (line.startsWith("$info=")) {
                    for (const QByteArray& name : line.sliced(6).toByteArray().split(','))
                        systems.append(QString::fromLatin1(name.trimmed()));
                }
            }
        },
        text.startsWith("\xEF\xBB\xBF") ? 3 : 0); // after a byte-order mark
    if (entryStart >= 0)
        close(text.size());
    return index;
}

QString historyDatText(QByteArrayView entry) {
    QByteArray text;
    bool inText = false;
    forEachLine(entry, [&](QByteArrayView line, qint64, qint64) {
        if (!inText) {
            inText = line == "$bio";
        } else if (line == "$end") {
            inText = false;
        } else {
            text += line;
            text += '\n';
        }
    });
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8.decode(text);
    if (utf8.hasError())
        decoded = QString::fromLatin1(text);
    return decoded.trimmed();
}

} // namespace history

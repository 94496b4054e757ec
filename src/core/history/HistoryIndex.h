#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

class QIODevice;

// The index of a history file that today's emulator's users keep (history.xml, or the older
// history.dat): where each system's entries lie, so that a lookup reads one entry, not the file.
namespace history {

// Bytes [start, end) of the file: one whole entry.
struct EntrySpan {
    qint64 start = 0;
    qint64 end = 0;

    bool operator==(const EntrySpan&) const = default;
};

struct EntryIndex {
    // The entries that name a system, in file order (letter case counts, as in the emulator).
    QHash<QString, QList<EntrySpan>> entries;
    // Why the file cannot be used ("line 12: Premature end of document."); empty when it was read whole.
    QString problem;
    // history.xml: the encoding its declaration names, for reading an entry on its own.
    QByteArray encoding;

    void add(const QString& system, EntrySpan span);
};

// history.xml: <history><entry><systems><system name="pong"/>...</systems><text>...</text></entry>...
EntryIndex indexHistoryXml(QIODevice& file);
// The entry's text with its paragraphs, entities read; nothing when the bytes are no whole entry.
std::optional<QString> historyXmlText(const QByteArray& entry, const QByteArray& encoding);

// history.dat: "$info=pong,pongd," (other "$list=" lines name software), "$bio", the text, "$end".
EntryIndex indexHistoryDat(QIODevice& file);
// The lines after "$bio", up to "$end": UTF-8 where they are valid UTF-8, else Latin-1.
QString historyDatText(QByteArrayView entry);

} // namespace history

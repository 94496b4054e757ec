#pragma once

#include "FuzzSupport.h"

#include "core/history/HistoryDatabase.h"

#include <QFile>
#include <QHash>

namespace fuzz {

// Every sixteenth history.xml goes in beyond the first megabyte, where the index reads its second
// block: blanks after the XML declaration, or before the document.
inline QByteArray withBlocks(QByteArrayView input, bool xml) {
    const size_t hash = qHash(input);
    const qsizetype declarationEnd = input.startsWith("<?xml") ? input.indexOf("?>") : 0;
    if (!xml || hash % 16 != 0 || declarationEnd < 0)
        return input.toByteArray();
    const qsizetype at = declarationEnd == 0 ? 0 : declarationEnd + 2;
    const QByteArray blanks((1 << 20) - qsizetype(hash >> 4) % 4096, ' ');
    return input.first(at).toByteArray() + blanks + input.sliced(at).toByteArray();
}

// Today's history file indexed, then every system in it looked up the way Game History does,
// with a parent that may have entries too.
inline void lookUpEverySystem(const QString& path, const uint8_t* data, size_t size) {
    const bool xml = path.endsWith(QLatin1String(".xml"));
    const QByteArray content = withBlocks(bytes(data, size), xml);
    writeFile(path, content);
    QFile file(path);
    expect(file.open(QIODevice::ReadOnly), "the history file opens");
    const history::EntryIndex index = xml ? history::indexHistoryXml(file) : history::indexHistoryDat(file);
    expect(index.problem.isEmpty() || index.entries.isEmpty(), "a damaged file has no entries");
    for (const QList<history::EntrySpan>& spans : index.entries) {
        for (const history::EntrySpan& span : spans)
            expect(0 <= span.start && span.start < span.end && span.end <= content.size(), "entries lie in the file");
    }
    // An entry of a well-formed file reads on its own, unless it needs the document's own
    // declarations.
    const bool selfContained = !content.contains("<!DOCTYPE");

    // A new database each time: the file's size and time may be those of the input before.
    history::HistoryDatabase database;
    int looked = 0;
    for (auto entry = index.entries.cbegin(); entry != index.entries.cend() && looked < 16; ++entry, ++looked) {
        const history::HistoryResult result = database.lookup(path, entry.key(), QStringLiteral("pong"));
        expect(!result.text.isEmpty(), "the panel has something to show");
        expect(!selfContained || result.outcome != history::HistoryResult::Outcome::Damaged, "an entry reads");
    }
    const history::HistoryResult missing = database.lookup(path, QStringLiteral("nosuchgame"), QStringLiteral("pong"));
    expect(!missing.text.isEmpty(), "the panel has something to show");
}

} // namespace fuzz

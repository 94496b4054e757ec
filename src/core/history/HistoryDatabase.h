#pragma once

#include "core/history/History.h"
#include "core/history/HistoryIndex.h"

#include <QDateTime>

#include <functional>

namespace history {

// Today's history file, read by Marqueon itself. Its index is built on the first lookup and
// kept for the program's run; it is built again when another file is asked for, or when the
// file's size or modification time changes.
class HistoryDatabase {
public:
    // Told how far the reading is (bytes of the whole file); false stops it.
    using KeepGoing = std::function<bool(qint64 done, qint64 total)>;

    // Whether a lookup in the file answers at once, or reads the whole file first.
    bool isIndexed(const QString& path) const;
    // Reads the file's index, for a caller that shows progress and runs it off the user
    // interface's thread. False when stopped: nothing is kept then.
    bool index(const QString& path, const KeepGoing& keepGoing);

    // The game's entries (all of them, in file order), else its parent's: Found, NoHistory,
    // or Damaged with a sentence naming the file. An empty parent name: the game is no clone.
    HistoryResult lookup(const QString& path, const QString& romName, const QString& parentName = QString());

private:
    bool refresh(const QString& path, const KeepGoing& keepGoing = {});
    std::optional<QString> entriesText(const QList<EntrySpan>& spans);

    QString m_path;
    qint64 m_size = -1;
    QDateTime m_modified;
    bool m_xml = false;
    bool m_readable = false;
    EntryIndex m_index;
};

} // namespace history

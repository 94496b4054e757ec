#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace artwork {

// The pictures in one pack (a zip or 7z holding NAME.png or NAME.jpg at its top or under a top
// folder named like the kind), read once: where each picture lies, so that showing one reads
// only its own bytes. Kept while the pack's size and modification time stay. Once built it is
// never changed, and every read opens the pack on its own: several threads may read at once.
class PackIndex {
public:
    // Nothing when the file is no readable pack; damaged entries are left out.
    static std::optional<PackIndex> build(const QString& packPath, const QString& kindFolder);

    const QString& path() const { return m_path; }
    // Whether the pack still has the size and modification time it was indexed with.
    bool isCurrent() const;
    bool contains(const QString& game) const { return m_entries.contains(game.toLower()); }
    QStringList games() const { return m_entries.keys(); }

    // The game's picture as stored; nothing when it is missing, damaged, over maxBytes, or the
    // pack changed since it was indexed.
    std::optional<QByteArray> read(const QString& game, qint64 maxBytes) const;

    struct Entry {
        QByteArray name;   // as stored in the pack
        qint64 offset = 0; // zip: where its local header starts
        qint64 packed = 0; // zip: its compressed size
        qint64 size = -1;  // unpacked, when known
        bool png = false;
    };

private:
    std::optional<QByteArray> readZip(const Entry& entry, qint64 maxBytes) const;
    std::optional<QByteArray> read7z(const Entry& entry, qint64 maxBytes) const;

    QString m_path;
    qint64 m_size = -1;
    QDateTime m_modified;
    bool m_zip = true;
    QHash<QString, Entry> m_entries; // by lower-case game name
};

} // namespace artwork

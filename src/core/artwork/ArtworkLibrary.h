#pragma once

#include "core/artwork/ArtKind.h"
#include "core/artwork/PackIndex.h"

#include <QDateTime>
#include <QHash>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QThreadPool>

#include <array>
#include <atomic>
#include <memory>
#include <optional>

namespace artwork {

// Where pictures are looked for.
struct ArtPlaces {
    // Folders each holding a folder and packs per kind: <root>/snap/NAME.png, <root>/snap.zip ...
    QStringList roots;
    // More folders of one kind's pictures (NAME.png, NAME.jpg), looked in after the roots.
    std::array<QStringList, ArtKindCount> folders;
};

// Where a game's picture was found: a file of its own, or an entry of an indexed pack.
struct ArtSource {
    QString path; // the picture file, or the pack
    QString game; // in a pack: the entry's game
    std::shared_ptr<const PackIndex> pack;
};

// Finds games' pictures in folders and packs. Packs are indexed on a worker thread, never on
// the caller's: until a pack's index is ready (or while its pack is replaced) it is passed over.
class ArtworkLibrary : public QObject {
    Q_OBJECT
public:
    explicit ArtworkLibrary(QObject* parent = nullptr);
    ~ArtworkLibrary() override;

    void setPlaces(const ArtPlaces& places) { m_places = places; }
    const ArtPlaces& places() const { return m_places; }

    // Indexes the kind's packs that are new or changed on the worker; true when one is being
    // indexed, and ready(kind) follows.
    bool prepare(ArtKind kind);
    // The game's picture: in each root its folder's NAME.png, then NAME.jpg, then the root's
    // <kind>.zip and <kind>.7z; then the kind's other folders.
    std::optional<ArtSource> find(ArtKind kind, const QString& romName);
    // The picture's bytes; nothing when it is gone, damaged, over maxBytes or its pack changed.
    static std::optional<QByteArray> load(const ArtSource& source, qint64 maxBytes);

signals:
    void ready(artwork::ArtKind kind);

private:
    struct Known {
        std::shared_ptr<const PackIndex> index; // none when the file is no readable pack
        qint64 size = -1;
        QDateTime modified;
    };
    enum class PackState { Missing, Pending, Indexed };
    PackState stateOf(const QString& pack, std::shared_ptr<const PackIndex>* index) const;
    bool schedule(ArtKind kind, QStringList packs);

    ArtPlaces m_places;
    mutable QMutex m_mutex; // guards the two below, shared with the worker
    QHash<QString, Known> m_packs;
    QSet<QString> m_building;
    std::atomic<bool> m_closing = false;
    QThreadPool m_pool; // last, so that it is joined before the rest goes
};

} // namespace artwork

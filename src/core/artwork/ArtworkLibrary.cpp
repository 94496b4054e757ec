#include "core/artwork/ArtworkLibrary.h"

#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

namespace artwork {

namespace {

bool isPlainName(const QString& name) {
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\');
}

QStringList packsIn(const QString& root, ArtKind kind) {
    const QString base = root + u'/' + artFolderName(kind);
    return {base + QStringLiteral(".zip"), base + QStringLiteral(".7z")};
}

std::optional<QString> pictureIn(const QString& folder, const QString& romName) {
    for (const char* extension : {".png", ".jpg"}) {
        const QString path = folder + u'/' + romName + QLatin1String(extension);
        if (QFileInfo(path).isFile())
            return path;
    }
    return std::nullopt;
}

} // namespace

ArtworkLibrary::ArtworkLibrary(QObject* parent)
    : QObject(parent) {
    // One pack at a time: indexing reads the disk, and a second thread would only share it.
    m_pool.setMaxThreadCount(1);
}

ArtworkLibrary::~ArtworkLibrary() {
    m_closing = true;
    m_pool.waitForDone();
}

ArtworkLibrary::PackState ArtworkLibrary::stateOf(const QString& pack, std::shared_ptr<const PackIndex>* index) const {
    const QFileInfo info(pack);
    if (!info.isFile())
        return PackState::Missing;
    const QMutexLocker lock(&m_mutex);
    const auto known = m_packs.constFind(pack);
    if (known == m_packs.cend() || known->size != info.size() || known->modified != info.lastModified())
        return PackState::Pending;
    if (index)
        *index = known->index;
    return PackState::Indexed;
}

bool ArtworkLibrary::prepare(ArtKind kind) {
    QStringList packs;
    for (const QString& root : std::as_const(m_places.roots))
        for (const QString& pack : packsIn(root, kind))
            if (stateOf(pack, nullptr) == PackState::Pending)
                packs << pack;
    return schedule(kind, packs);
}

bool ArtworkLibrary::schedule(ArtKind kind, QStringList packs) {
    {
        const QMutexLocker lock(&m_mutex);
        const qsizetype asked = packs.size();
        packs.removeIf([this](const QString& pack) { return m_building.contains(pack); });
        for (const QString& pack : std::as_const(packs))
            m_building.insert(pack);
        // A pack already being indexed ends with ready(kind) too.
        if (packs.isEmpty())
            return asked > 0;
    }
    m_pool.start([this, kind, packs] {
        for (const QString& pack : packs) {
            if (m_closing)
                break;
            const QFileInfo info(pack);
            Known known{nullptr, info.size(), info.lastModified()};
            if (std::optional<PackIndex> index = PackIndex::build(pack, artFolderName(kind)))
                known.index = std::make_shared<const PackIndex>(std::move(*index));
            const QMutexLocker lock(&m_mutex);
            m_packs.insert(pack, known);
        }
        {
            const QMutexLocker lock(&m_mutex);
            for (const QString& pack : packs)
                m_building.remove(pack);
        }
        QMetaObject::invokeMethod(
            this, [this, kind] { emit ready(kind); }, Qt::QueuedConnection);
    });
    return true;
}

std::optional<ArtSource> ArtworkLibrary::find(ArtKind kind, const QString& romName) {
    if (!isPlainName(romName))
        return std::nullopt;
    QStringList pending;
    std::optional<ArtSource> found;
    for (const QString& root : std::as_const(m_places.roots)) {
        if (const auto file = pictureIn(root + u'/' + artFolderName(kind), romName)) {
            found = ArtSource{*file, QString(), nullptr};
            break;
        }
        for (const QString& pack : packsIn(root, kind)) {
            std::shared_ptr<const PackIndex> index;
            const PackState state = stateOf(pack, &index);
            if (state == PackState::Pending)
                pending << pack;
            if (index && index->contains(romName)) {
                found = ArtSource{pack, romName.toLower(), index};
                break;
            }
        }
        if (found)
            break;
    }
    for (qsizetype i = 0; !found && i < m_places.folders[int(kind)].size(); ++i)
        if (const auto file = pictureIn(m_places.folders[int(kind)][i], romName))
            found = ArtSource{*file, QString(), nullptr};
    // Packs passed over are indexed for the next time: ready(kind) says when.
    schedule(kind, pending);
    return found;
}

std::optional<QByteArray> ArtworkLibrary::load(const ArtSource& source, qint64 maxBytes) {
    if (source.pack)
        return source.pack->read(source.game, maxBytes);
    QFile file(source.path);
    if (maxBytes < 0 || !QFileInfo(source.path).isFile() || file.size() > maxBytes || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // One byte more than allowed tells a file that grew since.
    QByteArray bytes = file.read(qMin(maxBytes, file.size()) + 1);
    if (bytes.size() > maxBytes || file.error() != QFile::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace artwork

#include "core/artwork/PackIndex.h"

#include <QFile>
#include <QFileInfo>

#include <archive.h>
#include <archive_entry.h>

#include <cstdio>
#include <memory>

namespace artwork {

namespace {

// Bounds on what a pack may claim, far above any real picture pack.
constexpr qint64 MaxDirectoryBytes = 256 * 1024 * 1024;
constexpr qint64 ZipHeaderBytes = 30;
constexpr qint64 ZipDirectoryRecordBytes = 46;
constexpr qint64 ZipEndBytes = 22;
constexpr qint64 Zip64LocatorBytes = 20;
constexpr qint64 Zip64EndBytes = 56;
// A data descriptor after the data: signature, CRC and two 64-bit sizes at most.
constexpr qint64 ZipDescriptorBytes = 24;

quint16 le16(const char* p) {
    return quint16(uchar(p[0]) | uchar(p[1]) << 8);
}
quint32 le32(const char* p) {
    return quint32(le16(p)) | quint32(le16(p + 2)) << 16;
}
quint64 le64(const char* p) {
    return quint64(le32(p)) | quint64(le32(p + 4)) << 32;
}

// Only regular files are opened: a named pipe would never answer.
bool openRegular(QFile& file) {
    return QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

std::optional<QByteArray> readAt(QFile& file, qint64 offset, qint64 size) {
    if (offset < 0 || size < 0 || !file.seek(offset))
        return std::nullopt;
    QByteArray bytes = file.read(size);
    if (bytes.size() != size)
        return std::nullopt;
    return bytes;
}

// The game a pack entry shows, and whether it is a PNG; nothing for any other entry.
std::optional<std::pair<QString, bool>> pictureOf(const QByteArray& entryName, const QString& kindFolder) {
    QString name = QString::fromUtf8(entryName).replace(u'\\', u'/');
    const qsizetype slash = name.indexOf(u'/');
    if (slash >= 0) {
        if (name.left(slash).compare(kindFolder, Qt::CaseInsensitive) != 0)
            return std::nullopt;
        name = name.mid(slash + 1);
    }
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= 0 || name.contains(u'/'))
        return std::nullopt;
    const QString extension = name.mid(dot + 1).toLower();
    const bool png = extension == u"png";
    if (!png && extension != u"jpg" && extension != u"jpeg")
        return std::nullopt;
    return std::pair{name.left(dot).toLower(), png};
}

void addEntry(QHash<QString, PackIndex::Entry>& entries, const QString& kindFolder, PackIndex::Entry entry) {
    const auto picture = pictureOf(entry.name, kindFolder);
    if (!picture)
        return;
    entry.png = picture->second;
    const auto known = entries.constFind(picture->first);
    // A PNG wins over a JPEG of the same game; otherwise the first one stays.
    if (known == entries.cend() || (entry.png && !known->png))
        entries.insert(picture->first, entry);
}

// libarchive reads the pack through a QFile: a window of it from `start` to `end`.
struct Stream {
    QFile file;
    qint64 start = 0;
    qint64 end = 0;
    QByteArray buffer = QByteArray(64 * 1024, Qt::Uninitialized);
};

la_ssize_t readBlock(archive* handle, void* data, const void** block) {
    auto* stream = static_cast<Stream*>(data);
    const qint64 wanted = qMin<qint64>(stream->buffer.size(), stream->end - stream->file.pos());
    if (wanted <= 0)
        return 0;
    const qint64 got = stream->file.read(stream->buffer.data(), wanted);
    if (got < 0) {
        archive_set_error(handle, EIO, "read error");
        return ARCHIVE_FATAL;
    }
    *block = stream->buffer.constData();
    return got;
}

la_int64_t seekTo(archive*, void* data, la_int64_t offset, int whence) {
    auto* stream = static_cast<Stream*>(data);
    const qint64 base = whence == SEEK_SET ? stream->start : whence == SEEK_CUR ? stream->file.pos() : stream->end;
    if ((offset < 0 && base - stream->start < -offset) || (offset > 0 && stream->end - base < offset))
        return ARCHIVE_FATAL;
    return stream->file.seek(base + offset) ? stream->file.pos() - stream->start : ARCHIVE_FATAL;
}

la_int64_t skipAhead(archive*, void* data, la_int64_t request) {
    auto* stream = static_cast<Stream*>(data);
    const qint64 skipped = qBound(qint64(0), qint64(request), stream->end - stream->file.pos());
    return stream->file.seek(stream->file.pos() + skipped) ? skipped : 0;
}

struct ArchiveFree {
    void operator()(archive* handle) const { archive_read_free(handle); }
};
using Archive = std::unique_ptr<archive, ArchiveFree>;

Archive openArchive(Stream& stream, bool zip) {
    Archive handle(archive_read_new());
    if (!handle)
        return {};
    if (zip) {
        archive_read_support_format_zip_streamable(handle.get());
    } else {
        archive_read_support_format_7zip(handle.get());
        archive_read_set_seek_callback(handle.get(), seekTo);
    }
    archive_read_set_read_callback(handle.get(), readBlock);
    archive_read_set_skip_callback(handle.get(), skipAhead);
    archive_read_set_callback_data(handle.get(), &stream);
    if (archive_read_open1(handle.get()) != ARCHIVE_OK)
        return {};
    return handle;
}

bool headerRead(int status) {
    return status == ARCHIVE_OK || status == ARCHIVE_WARN;
}

// The current entry's data, stopped as soon as it runs over maxBytes.
std::optional<QByteArray> entryData(archive* handle, archive_entry* entry, qint64 maxBytes) {
    if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > maxBytes)
        return std::nullopt;
    QByteArray data;
    char chunk[16 * 1024];
    for (;;) {
        const la_ssize_t got = archive_read_data(handle, chunk, sizeof chunk);
        if (got == 0)
            return data;
        if (got < 0 || got > maxBytes - data.size())
            return std::nullopt;
        data.append(chunk, got);
    }
}

QByteArray entryName(archive_entry* entry) {
    const char* utf8 = archive_entry_pathname_utf8(entry);
    const char* name = utf8 ? utf8 : archive_entry_pathname(entry);
    return name ? QByteArray(name) : QByteArray();
}

// The zip's central directory: where it lies, found from the end records.
struct Directory {
    qint64 offset = 0;
    qint64 size = 0;
    qint64 entries = 0;
};

std::optional<Directory> findDirectory(QFile& file, qint64 fileSize) {
    const qint64 tailSize = qMin(fileSize, ZipEndBytes + 0xFFFF);
    const std::optional<QByteArray> tail = readAt(file, fileSize - tailSize, tailSize);
    if (!tail || tailSize < ZipEndBytes)
        return std::nullopt;
    qint64 at = tailSize - ZipEndBytes;
    while (at >= 0 && !tail->sliced(at).startsWith("PK\x05\x06"))
        --at;
    if (at < 0)
        return std::nullopt;
    const char* end = tail->constData() + at;
    qint64 limit = fileSize - tailSize + at; // the directory lies before its end records
    Directory directory{le32(end + 16), le32(end + 12), le16(end + 10)};
    if (directory.entries == 0xFFFF || directory.size == 0xFFFFFFFF || directory.offset == 0xFFFFFFFF) {
        const qint64 locatorAt = limit - Zip64LocatorBytes;
        const auto locator = readAt(file, locatorAt, Zip64LocatorBytes);
        if (!locator || !locator->startsWith("PK\x06\x07"))
            return std::nullopt;
        const quint64 recordAt = le64(locator->constData() + 8);
        if (recordAt > quint64(locatorAt - Zip64EndBytes))
            return std::nullopt;
        const auto record = readAt(file, qint64(recordAt), Zip64EndBytes);
        if (!record || !record->startsWith("PK\x06\x06"))
            return std::nullopt;
        const quint64 entries = le64(record->constData() + 32), size = le64(record->constData() + 40),
                      offset = le64(record->constData() + 48);
        if (entries > quint64(MaxDirectoryBytes) || size > quint64(MaxDirectoryBytes) || offset > quint64(fileSize))
            return std::nullopt;
        directory = {qint64(offset), qint64(size), qint64(entries)};
        limit = qint64(recordAt);
    }
    if (directory.size > MaxDirectoryBytes || directory.offset > limit || directory.size > limit - directory.offset ||
        directory.entries > directory.size / ZipDirectoryRecordBytes)
        return std::nullopt;
    return directory;
}

// The ZIP64 extra field's sizes and offset, each there only when its 32-bit field is full.
bool readZip64Extra(QByteArrayView extra, PackIndex::Entry& entry, bool fullSize, bool fullPacked, bool fullOffset) {
    while (extra.size() >= 4) {
        const qsizetype length = le16(extra.data() + 2);
        if (length > extra.size() - 4)
            return false;
        if (le16(extra.data()) == 0x0001) {
            QByteArrayView field = extra.sliced(4, length);
            for (auto [full, value] : {std::pair{fullSize, &entry.size}, std::pair{fullPacked, &entry.packed},
                                       std::pair{fullOffset, &entry.offset}}) {
                if (!full)
                    continue;
                if (field.size() < 8 || le64(field.data()) > quint64(std::numeric_limits<qint64>::max()))
                    return false;
                *value = qint64(le64(field.data()));
                field = field.sliced(8);
            }
            return true;
        }
        extra = extra.sliced(4 + length);
    }
    return !(fullSize || fullPacked || fullOffset);
}

void indexZip(QFile& file, qint64 fileSize, const QString& kindFolder, QHash<QString, PackIndex::Entry>& entries,
              bool& readable) {
    const std::optional<Directory> directory = findDirectory(file, fileSize);
    const std::optional<QByteArray> records =
        directory ? readAt(file, directory->offset, directory->size) : std::nullopt;
    if (!records)
        return;
    readable = true;
    const char* const data = records->constData();
    qint64 at = 0;
    for (qint64 i = 0; i < directory->entries && records->size() - at >= ZipDirectoryRecordBytes; ++i) {
        const char* record = data + at;
        const qint64 nameLength = le16(record + 28), extraLength = le16(record + 30), commentLength = le16(record + 32);
        const qint64 next = at + ZipDirectoryRecordBytes + nameLength + extraLength + commentLength;
        // A damaged record leaves the rest of the directory unreadable: the entries so far stay.
        if (!QByteArrayView(record, 4).startsWith("PK\x01\x02") || next > records->size())
            return;
        PackIndex::Entry entry;
        entry.name = QByteArray(record + ZipDirectoryRecordBytes, nameLength);
        entry.packed = le32(record + 20);
        entry.size = le32(record + 24);
        entry.offset = le32(record + 42);
        const QByteArrayView extra(record + ZipDirectoryRecordBytes + nameLength, extraLength);
        const bool encrypted = le16(record + 8) & 1;
        at = next;
        if (encrypted || !readZip64Extra(extra, entry, entry.size == 0xFFFFFFFF, entry.packed == 0xFFFFFFFF,
                                         entry.offset == 0xFFFFFFFF))
            continue;
        // Every entry lies before the directory.
        if (entry.offset > directory->offset || entry.packed > directory->offset - entry.offset)
            continue;
        addEntry(entries, kindFolder, entry);
    }
}

void index7z(Stream& stream, const QString& kindFolder, QHash<QString, PackIndex::Entry>& entries, bool& readable) {
    const Archive handle = openArchive(stream, false);
    if (!handle)
        return;
    readable = true;
    archive_entry* header = nullptr;
    while (headerRead(archive_read_next_header(handle.get(), &header))) {
        if (archive_entry_filetype(header) != AE_IFREG)
            continue;
        PackIndex::Entry entry;
        entry.name = entryName(header);
        entry.size = archive_entry_size_is_set(header) ? archive_entry_size(header) : -1;
        addEntry(entries, kindFolder, entry);
    }
}

} // namespace

std::optional<PackIndex> PackIndex::build(const QString& packPath, const QString& kindFolder) {
    Stream stream;
    stream.file.setFileName(packPath);
    const QFileInfo info(packPath);
    if (!openRegular(stream.file))
        return std::nullopt;
    PackIndex index;
    index.m_path = packPath;
    index.m_size = info.size();
    index.m_modified = info.lastModified();
    stream.end = stream.file.size();
    const std::optional<QByteArray> signature = readAt(stream.file, 0, 6);
    index.m_zip = !signature || *signature != QByteArrayView("7z\xBC\xAF\x27\x1C", 6);
    bool readable = false;
    if (index.m_zip) {
        indexZip(stream.file, stream.end, kindFolder, index.m_entries, readable);
    } else {
        stream.file.seek(0);
        index7z(stream, kindFolder, index.m_entries, readable);
    }
    if (!readable)
        return std::nullopt;
    return index;
}

bool PackIndex::isCurrent() const {
    const QFileInfo info(m_path);
    return info.isFile() && info.size() == m_size && info.lastModified() == m_modified;
}

std::optional<QByteArray> PackIndex::read(const QString& game, qint64 maxBytes) const {
    const auto entry = m_entries.constFind(game.toLower());
    if (entry == m_entries.cend() || entry->size > maxBytes || !isCurrent())
        return std::nullopt;
    return m_zip ? readZip(*entry, maxBytes) : read7z(*entry, maxBytes);
}

std::optional<QByteArray> PackIndex::readZip(const Entry& entry, qint64 maxBytes) const {
    Stream stream;
    stream.file.setFileName(m_path);
    if (!openRegular(stream.file))
        return std::nullopt;
    // The local header must name the entry the directory named, or the offset points elsewhere.
    const std::optional<QByteArray> header =
        readAt(stream.file, entry.offset, ZipHeaderBytes + qint64(entry.name.size()));
    if (!header || !header->startsWith("PK\x03\x04") || le16(header->constData() + 26) != entry.name.size() ||
        QByteArrayView(*header).sliced(ZipHeaderBytes) != entry.name)
        return std::nullopt;
    stream.start = entry.offset;
    const qint64 dataAt =
        entry.offset + ZipHeaderBytes + le16(header->constData() + 26) + le16(header->constData() + 28);
    stream.end = qMin(stream.file.size(), dataAt + entry.packed + ZipDescriptorBytes);
    if (!stream.file.seek(entry.offset))
        return std::nullopt;
    const Archive handle = openArchive(stream, true);
    archive_entry* item = nullptr;
    if (!handle || !headerRead(archive_read_next_header(handle.get(), &item)))
        return std::nullopt;
    return entryData(handle.get(), item, maxBytes);
}

std::optional<QByteArray> PackIndex::read7z(const Entry& entry, qint64 maxBytes) const {
    Stream stream;
    stream.file.setFileName(m_path);
    if (!openRegular(stream.file))
        return std::nullopt;
    stream.end = stream.file.size();
    const Archive handle = openArchive(stream, false);
    archive_entry* item = nullptr;
    while (handle && headerRead(archive_read_next_header(handle.get(), &item))) {
        if (archive_entry_filetype(item) == AE_IFREG && entryName(item) == entry.name)
            return entryData(handle.get(), item, maxBytes);
    }
    return std::nullopt;
}

} // namespace artwork

#pragma once

#include <QByteArrayView>
#include <QSaveFile>

namespace io {

// Replaces a file as a whole: the bytes go into a temporary file beside it, which takes the
// file's place only when every byte of it was written. A full disk, a crash or a failed write
// leaves the former file byte for byte as it was, and no temporary file behind.
//
// Every write goes straight to the system and is checked: QSaveFile's own buffer hides a write
// that fails when it is flushed at commit(), and the empty temporary file would then be renamed
// over a good file.
class AtomicFile {
public:
    // Until commit(), the file is dropped when the object goes.
    explicit AtomicFile(const QString& path);
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool open();
    // False once any write has failed; nothing more is written then.
    bool write(QByteArrayView bytes);
    // Puts the file in place; false (and the former file kept) when any step failed.
    bool commit();
    // Drops what was written; the former file stays.
    void cancel();

    bool failed() const { return m_failed; }
    QString errorString() const;

private:
    QSaveFile m_file;
    qint64 m_written = 0;
    bool m_failed = false;
};

// The whole file in one step: false when it could not be written, the former file then kept.
bool replaceFile(const QString& path, QByteArrayView bytes);

// A seam for tests: every write fails once this many more bytes have been written by this
// process, as on a disk that fills up there; negative turns it off again.
void failWritesAfter(qint64 bytes);

} // namespace io

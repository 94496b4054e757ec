#include "core/io/AtomicFile.h"

#include <atomic>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif

namespace io {
namespace {

// The bytes still to be written before writes fail; negative: no limit.
std::atomic<qint64> g_writeBudget = -1;

// How much of a write of size bytes the seam lets through.
qint64 allowedBytes(qint64 size) {
    qint64 budget = g_writeBudget.load();
    for (;;) {
        if (budget < 0)
            return size;
        const qint64 allowed = std::min(budget, size);
        if (g_writeBudget.compare_exchange_weak(budget, budget - allowed))
            return allowed;
    }
}

} // namespace

void failWritesAfter(qint64 bytes) {
    g_writeBudget = bytes;
}

AtomicFile::AtomicFile(const QString& path)
    : m_file(path) {}

bool AtomicFile::open() {
    m_failed = !m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return !m_failed;
}

bool AtomicFile::write(QByteArrayView bytes) {
    if (!m_file.isOpen())
        m_failed = true;
    if (m_failed || bytes.isEmpty())
        return !m_failed;
    const qint64 allowed = allowedBytes(bytes.size());
    // A short write (the disk filled up part-way) counts as a failed one.
    if (m_file.write(bytes.data(), allowed) != allowed || allowed != bytes.size()) {
        m_failed = true;
        m_file.cancelWriting();
        return false;
    }
#ifdef Q_OS_LINUX
    // A large file goes to the disk while the rest is still being made, rather than all of it
    // at commit(), which waits until it is there.
    if (allowed >= (1 << 18))
        (void)::sync_file_range(m_file.handle(), m_written, allowed, SYNC_FILE_RANGE_WRITE);
#endif
    m_written += allowed;
    return true;
}

bool AtomicFile::commit() {
    if (m_failed || !m_file.isOpen()) {
        cancel();
        return false;
    }
    m_failed = !m_file.commit();
    return !m_failed;
}

void AtomicFile::cancel() {
    m_failed = true;
    if (m_file.isOpen()) {
        m_file.cancelWriting();
        m_file.commit(); // closes it and removes the temporary file
    }
}

QString AtomicFile::errorString() const {
    return m_file.errorString();
}

bool replaceFile(const QString& path, QByteArrayView bytes) {
    AtomicFile file(path);
    return file.open() && file.write(bytes) && file.commit();
}

} // namespace io

#include "core/io/LineReader.h"

#include <QFileInfo>

#include <cstring>

namespace io {
namespace {
constexpr qint64 BlockSize = 1 << 20;
}

LineReader::LineReader(const QString& path)
    : m_file(path) {
    // A named pipe or a device would block or never end: only regular files are read.
    if (QFileInfo(path).isFile())
        (void)m_file.open(QIODevice::ReadOnly);
}

bool LineReader::refill() {
    if (m_atEnd || !m_file.isOpen())
        return false;
    // Keep the unfinished line and append the next block after it.
    m_block.remove(0, m_position);
    m_position = 0;
    const qsizetype kept = m_block.size();
    m_block.resize(kept + BlockSize);
    const qint64 read = m_file.read(m_block.data() + kept, BlockSize);
    m_block.resize(kept + qMax<qint64>(read, 0));
    if (read <= 0)
        m_atEnd = true;
    return read > 0;
}

bool LineReader::next(QByteArrayView& line) {
    for (;;) {
        const char* begin = m_block.constData() + m_position;
        const qsizetype available = m_block.size() - m_position;
        const void* newline = available > 0 ? std::memchr(begin, '\n', size_t(available)) : nullptr;
        if (newline) {
            qsizetype length = static_cast<const char*>(newline) - begin;
            m_position += length + 1;
            if (length > 0 && begin[length - 1] == '\r')
                --length;
            line = QByteArrayView(begin, length);
            return true;
        }
        if (!refill()) {
            // The last line of a file without a final line end (refill may have moved it).
            const char* rest = m_block.constData() + m_position;
            qsizetype length = m_block.size() - m_position;
            if (length <= 0)
                return false;
            m_position = m_block.size();
            m_unterminated = true;
            if (rest[length - 1] == '\r')
                --length;
            line = QByteArrayView(rest, length);
            return true;
        }
    }
}

} // namespace io

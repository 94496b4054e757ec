#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>

namespace io {

// Reads a file line by line in large blocks, handing out each line without its CR LF or LF
// as a view that stays valid until the next call. Fast enough for listings of many megabytes,
// and never holds more than a block and one line in memory.
class LineReader {
public:
    explicit LineReader(const QString& path);

    bool isOpen() const { return m_file.isOpen(); }
    // The next line; false at the end of the file.
    bool next(QByteArrayView& line);
    // Whether the file's last line had no line end: a sign of a file cut short.
    bool lastLineUnterminated() const { return m_unterminated; }

private:
    bool refill();

    QFile m_file;
    QByteArray m_block;
    qsizetype m_position = 0;
    bool m_atEnd = false;
    bool m_unterminated = false;
};

} // namespace io

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>

namespace app {

// Reads a large file line by line in big blocks, handing out each line (without its CR LF
// or LF) as a view that stays valid until the next call. The fast path for multi-megabyte
// emulator listings.
class LineScanner {
public:
    explicit LineScanner(const QString& path);
    bool isOpen() const { return m_file.isOpen(); }
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

} // namespace app

#include "core/exec/Progress.h"

#include <algorithm>

namespace exec {

ProgressObserver::ProgressObserver(Progress& progress, LineTest counts)
    : m_progress(progress)
    , m_counts(std::move(counts)) {}

void ProgressObserver::output(QByteArrayView data) {
    // Only a line's beginning is kept: lines may be long and are never needed whole.
    constexpr qsizetype Kept = 64;
    int count = m_count;
    while (!data.isEmpty()) {
        const qsizetype end = data.indexOf('\n');
        const QByteArrayView piece = end < 0 ? data : data.first(end);
        if (m_lineStart.size() < Kept)
            m_lineStart += piece.first(std::min(piece.size(), Kept - m_lineStart.size()));
        if (end < 0)
            break;
        if (!m_counts || m_counts(m_lineStart))
            ++count;
        m_lineStart.clear();
        data = data.sliced(end + 1);
    }
    m_count = count;
}

} // namespace exec

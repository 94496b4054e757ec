#include "core/exec/OutputPipe.h"

#include <QByteArray>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#endif

namespace exec {

OutputPipe::OutputPipe(Take take)
    : m_take(std::move(take)) {
#ifdef Q_OS_UNIX
    int ends[2];
    if (::pipe(ends) != 0)
        return;
    m_read = ends[0];
    m_write = ends[1];
    ::fcntl(m_read, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_write, F_SETFD, FD_CLOEXEC);
#ifdef Q_OS_LINUX
    // A megabyte of room takes up the moments in which the reader is busy elsewhere.
    ::fcntl(m_write, F_SETPIPE_SZ, 1 << 20);
#endif
#endif
}

OutputPipe::~OutputPipe() {
    abandon();
    closeWriteEnd();
    if (m_thread.joinable())
        m_thread.join();
#ifdef Q_OS_UNIX
    if (m_read >= 0)
        ::close(m_read);
#endif
}

void OutputPipe::start() {
    closeWriteEnd();
    if (isOpen())
        m_thread = std::thread([this] { read(); });
}

void OutputPipe::finish() {
    closeWriteEnd();
    m_childEnded = true;
    if (m_thread.joinable())
        m_thread.join();
}

void OutputPipe::abandon() {
    m_abandoned = true;
}

void OutputPipe::read() {
#ifdef Q_OS_UNIX
    using Clock = std::chrono::steady_clock;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    Clock::time_point ended; // when the reader first saw that the child had ended
    Clock::time_point lastData = Clock::now();
    for (;;) {
        // Woken now and then to hear whether the rest is still wanted.
        pollfd ready{m_read, POLLIN, 0};
        const int polled = ::poll(&ready, 1, 100);
        if (m_abandoned)
            return;
        if (m_childEnded) {
            const Clock::time_point now = Clock::now();
            if (ended == Clock::time_point()) {
                ended = now;
                lastData = std::max(lastData, now);
            }
            // What is waiting in the pipe is always read; only a pipe gone quiet is given up.
            if (now - ended >= LongestAfterEnd || (polled == 0 && now - lastData >= QuietAfterEnd))
                return;
        }
        if (polled == 0 || (polled < 0 && errno == EINTR))
            continue;
        const ssize_t got = ::read(m_read, buffer.data(), size_t(buffer.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return;
        lastData = Clock::now();
        m_take(QByteArrayView(buffer.constData(), got));
        // Output that trickles in is left to gather a little: a wake-up for every few kilobytes
        // would cost the program more time than reading them.
        if (got < buffer.size() / 4)
            std::this_thread::sleep_for(std::chrono::milliseconds(4));
    }
#endif
}

void OutputPipe::closeWriteEnd() {
#ifdef Q_OS_UNIX
    if (m_write >= 0)
        ::close(m_write);
#endif
    m_write = -1;
}

} // namespace exec

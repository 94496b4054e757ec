#pragma once

#include <QByteArrayView>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace exec {

// Takes a child's output off a pipe as fast as it comes, so that the child never waits for its
// reader: on a thread of its own, in large pieces, away from the caller's event loop. Unix only;
// elsewhere isOpen() is false and the caller reads through QProcess.
class OutputPipe {
public:
    using Take = std::function<void(QByteArrayView)>;

    explicit OutputPipe(Take take);
    ~OutputPipe();
    OutputPipe(const OutputPipe&) = delete;
    OutputPipe& operator=(const OutputPipe&) = delete;

    bool isOpen() const { return m_read >= 0; }
    // The end the child writes to; its own copy stays open in the child only.
    int writeEnd() const { return m_write; }

    // Starts reading once the child holds its copy of the write end.
    void start();
    // The child has ended: what is left in the pipe is read, then the reader stops. A process the
    // child left behind may hold the pipe open for good; it is listened to only while it keeps
    // writing (at most a few seconds), so the caller is never kept waiting by it.
    void finish();
    // The rest is not wanted (a cancelled run): the reader stops at once.
    void abandon();

    // How long the pipe may stay quiet, and how long reading may go on, after the child ended.
    static constexpr std::chrono::milliseconds QuietAfterEnd{300};
    static constexpr std::chrono::milliseconds LongestAfterEnd{5000};

private:
    void read();
    void closeWriteEnd();

    Take m_take;
    int m_read = -1;
    int m_write = -1;
    std::atomic<bool> m_abandoned = false;
    std::atomic<bool> m_childEnded = false;
    std::thread m_thread;
};

} // namespace exec

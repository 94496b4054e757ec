#include "app/TerminationWatcher.h"

#include "core/exec/ChildProcess.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace app {
namespace {

#ifdef Q_OS_UNIX
// The write end of the pipe the handler wakes the main thread through.
int g_wake = -1;

void onSignal(int) {
    const int saved = errno;
    exec::stopRunning();
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_wake, &byte, 1);
    errno = saved;
}
#endif

} // namespace

TerminationWatcher::TerminationWatcher(QObject* parent)
    : QObject(parent) {
#ifdef Q_OS_UNIX
    int ends[2];
    if (::pipe(ends) != 0)
        return;
    for (int end : ends)
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
    ::fcntl(ends[1], F_SETFL, O_NONBLOCK);
    g_wake = ends[1];
    m_notifier = new QSocketNotifier(ends[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        [[maybe_unused]] const ssize_t read = ::read(int(m_notifier->socket()), bytes, sizeof bytes);
        emit terminationRequested();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
#endif
}

TerminationWatcher::~TerminationWatcher() {
#ifdef Q_OS_UNIX
    if (!m_notifier)
        return;
    ::signal(SIGTERM, SIG_DFL);
    ::signal(SIGHUP, SIG_DFL);
    ::close(int(m_notifier->socket()));
    ::close(g_wake);
    g_wake = -1;
#endif
}

} // namespace app

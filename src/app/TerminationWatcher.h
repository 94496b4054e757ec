#pragma once

#include <QObject>

class QSocketNotifier;

namespace app {

// Hears SIGTERM and SIGHUP (a logout, `kill`, a service manager) and tells the main thread, where
// the program can end its emulator and save as on exit. A running emulator is asked to end at
// once, from the signal itself.
class TerminationWatcher : public QObject {
    Q_OBJECT
public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

signals:
    void terminationRequested();

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace app

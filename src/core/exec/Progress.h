#pragma once

#include "core/exec/CommandRunner.h"

#include <QString>

#include <atomic>
#include <functional>

namespace exec {

// Where a long operation reports what it is doing: the splash at start-up, the please-wait
// window later. It may offer to cancel.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void setMessage(const QString& text) = 0;
    // What has been read so far: games, sets or lines.
    virtual void setCount(int count) = 0;
    // The count expected at the end, when it can be estimated (0: unknown).
    virtual void setTotal(int total) { (void)total; }
    // Whether Cancel is offered: only while an emulator run can be stopped.
    virtual void setCancellable(bool cancellable) { (void)cancellable; }
    // Whether the user asked to stop; the run is then ended and its files left as they were.
    virtual bool cancelRequested() const { return false; }
    // Whether the window takes the user's input (its Cancel) while the run goes on.
    virtual bool takesInput() const { return false; }
};

// Tells a Progress how a run goes: the count of lines read so far (or of those a test picks,
// "romset ..." lines say), passing the user's Cancel on to the runner.
class ProgressObserver : public RunObserver {
public:
    using LineTest = std::function<bool(QByteArrayView line)>;
    explicit ProgressObserver(Progress& progress, LineTest counts = {});

    void output(QByteArrayView data) override;
    void tick() override { m_progress.setCount(m_count); }
    bool cancelRequested() override { return m_progress.cancelRequested(); }
    bool takesInput() override { return m_progress.takesInput(); }

private:
    Progress& m_progress;
    LineTest m_counts;
    QByteArray m_lineStart; // the beginning of the line being read, enough for the test
    std::atomic<int> m_count = 0;
};

} // namespace exec

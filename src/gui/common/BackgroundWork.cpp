#include "gui/common/BackgroundWork.h"

#include "core/exec/ChildProcess.h"
#include "core/exec/Progress.h"

#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <thread>

namespace gui {

void runAside(const std::function<void()>& work, const std::function<void()>& tick, const exec::Progress& progress) {
    std::atomic<bool> done = false;
    std::thread worker([&] {
        work();
        done = true;
    });
    QEventLoop loop;
    QTimer ticks;
    ticks.setInterval(40);
    QObject::connect(&ticks, &QTimer::timeout, &loop, [&] {
        if (tick)
            tick();
    });
    ticks.start();
    const exec::InputDrop dropped([&progress] { return progress.takesInput(); });
    while (!done)
        loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    worker.join();
    if (tick)
        tick();
}

} // namespace gui

#pragma once

#include "core/exec/Progress.h"

#include <QElapsedTimer>
#include <QList>

#include <functional>
#include <optional>

namespace bench {

// Progress that goes nowhere: the benchmarks time the work, not a window.
class SilentProgress final : public exec::Progress {
public:
    void setMessage(const QString&) override {}
    void setCount(int) override {}
};

// The program's argument at `index` (1 is the first) as a number, or `fallback` when not given;
// 0 when given but no number.
int intArgument(int index, int fallback);

// The middle value (the mean of the two middle ones for an even count).
double median(QList<double> values);

// Runs `work` the given number of times and returns each run's wall time in milliseconds.
// `prepare` runs before each timed run, outside the timing; the run's index goes to both.
QList<double> timeRuns(int runs, const std::function<void(int)>& work, const std::function<void(int)>& prepare = {});

// A memory figure of this process from /proc/self/status ("VmHWM", "VmRSS") in megabytes
// (2^20 bytes); nothing where the system has no such file.
std::optional<double> processMemoryMb(const char* key);

} // namespace bench

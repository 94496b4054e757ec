#pragma once

#include <QElapsedTimer>
#include <QList>

#include <functional>
#include <optional>

namespace bench {

// The middle value (the mean of the two middle ones for an even count).
double median(QList<double> values);

// Runs `work` the given number of times and returns each run's wall time in milliseconds.
// `prepare` runs before each timed run, outside the timing; the run's index goes to both.
QList<double> timeRuns(int runs, const std::function<void(int)>& work, const std::function<void(int)>& prepare = {});

// A memory figure of this process from /proc/self/status ("VmHWM", "VmRSS") in megabytes
// (2^20 bytes); nothing where the system has no such file.
std::optional<double> processMemoryMb(const char* key);

} // namespace bench

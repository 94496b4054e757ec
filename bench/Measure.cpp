#include "Measure.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

namespace bench {

int intArgument(int index, int fallback) {
    const QStringList arguments = QCoreApplication::arguments();
    return index < arguments.size() ? arguments[index].toInt() : fallback;
}

double median(QList<double> values) {
    if (values.isEmpty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

QList<double> timeRuns(int runs, const std::function<void(int)>& work, const std::function<void(int)>& prepare) {
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        if (prepare)
            prepare(run);
        QElapsedTimer timer;
        timer.start();
        work(run);
        times.append(double(timer.nsecsElapsed()) / 1e6);
    }
    return times;
}

std::optional<double> processMemoryMb(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray wanted = QByteArray(key) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (!line.startsWith(wanted))
            continue;
        // "VmHWM:\t  123456 kB"
        bool ok = false;
        const qint64 kilobytes = line.mid(wanted.size()).trimmed().split(' ').value(0).toLongLong(&ok);
        return ok ? std::optional<double>(double(kilobytes) / 1024.0) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace bench

#pragma once

#include <QString>

namespace exec {

// Where a long operation reports what it is doing: the splash at start-up, the please-wait
// window later.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void setMessage(const QString& text) = 0;
    virtual void setCount(int count) = 0;
};

} // namespace exec

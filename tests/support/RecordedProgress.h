#pragma once

#include "core/exec/Progress.h"

#include <QStringList>

// Records the progress texts and the last count instead of showing them.
class RecordedProgress final : public exec::Progress {
public:
    QStringList messages;
    int count = 0;
    void setMessage(const QString& text) override { messages << text; }
    void setCount(int value) override { count = value; }
};

#pragma once

#include "core/exec/Progress.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;

namespace gui {

// The please-wait window shown while the game list is refreshed: the reason, the step and
// the rising game count.
class WaitWindow : public QWidget, public exec::Progress {
    Q_OBJECT
public:
    explicit WaitWindow(QWidget* parent = nullptr);

    void setReason(const QString& text);
    void setMessage(const QString& text) override;
    void setCount(int count) override;

private:
    QLabel* m_reasonLabel;
    QLabel* m_stepLabel;
    QLabel* m_countLabel;
    QElapsedTimer m_sincePaint;
};

// Shows a rising count without repainting for every game: at most every few hundredths of
// a second, so that tens of thousands of games load at full speed.
void showCount(QLabel* label, int count, QElapsedTimer& sincePaint);

} // namespace gui

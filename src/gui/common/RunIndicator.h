#pragma once

#include "core/exec/Progress.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace gui {

// What both waiting windows show of a run besides its step and count: the time it has taken,
// a bar when the total can be estimated, and Cancel (Escape in the window does the same).
class RunIndicator : public QWidget {
    Q_OBJECT
public:
    explicit RunIndicator(QWidget* parent = nullptr);

    // 0: the total is not known and no bar is shown.
    void setTotal(int total);
    // The bar and the elapsed time, with the count read so far.
    void showCount(int count);
    void setCancellable(bool cancellable);

    void cancel();
    bool cancelled() const { return m_cancelled; }

private:
    QLabel* m_elapsed;
    QProgressBar* m_bar;
    QPushButton* m_cancelButton;
    QElapsedTimer m_clock;
    bool m_cancellable = true;
    bool m_cancelled = false;
};

// A window that shows how a run goes with a RunIndicator, which it places: the splash and the
// wait window. While it shows, it takes the user's input; Escape is Cancel.
class ProgressWindow : public QWidget, public exec::Progress {
    Q_OBJECT
public:
    void setTotal(int total) override;
    void setCancellable(bool cancellable) override;
    bool cancelRequested() const override;
    bool takesInput() const override { return isVisible(); }

protected:
    ProgressWindow(QWidget* parent, Qt::WindowFlags flags);
    void keyPressEvent(QKeyEvent* event) override;
    RunIndicator* indicator() const { return m_indicator; }

private:
    RunIndicator* m_indicator;
};

} // namespace gui

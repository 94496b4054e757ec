#pragma once

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

} // namespace gui

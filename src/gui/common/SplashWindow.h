#pragma once

#include "core/exec/Progress.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;

namespace gui {

class RunIndicator;

// The window that covers start-up: what is being done, how many games are loaded so far, the
// time taken, a bar when the total is known, and Cancel for the emulator's listing.
class SplashWindow : public QWidget, public exec::Progress {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    void setMessage(const QString& text) override;
    void setCount(int count) override;
    void setTotal(int total) override;
    void setCancellable(bool cancellable) override;
    bool cancelRequested() const override;
    bool takesInput() const override { return isVisible(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* m_stepLabel;
    QLabel* m_countLabel;
    RunIndicator* m_indicator;
    QElapsedTimer m_sincePaint;
};

// " Version " and the program's major, minor and patch numbers.
QString versionCaption();

} // namespace gui

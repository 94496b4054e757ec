#pragma once

#include "core/exec/Progress.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;

namespace gui {

// The window that covers start-up: what is being done and how many games are loaded so far.
class SplashWindow : public QWidget, public exec::Progress {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    void setMessage(const QString& text) override;
    void setCount(int count) override;

private:
    QLabel* m_stepLabel;
    QLabel* m_countLabel;
    QElapsedTimer m_sincePaint;
};

// " Version " and the program's major, minor and patch numbers.
QString versionCaption();

} // namespace gui

#pragma once

#include "catalogue/Progress.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;

namespace app {

// The window that covers start-up: what is being done and how many games are loaded so far.
class SplashWindow : public QWidget, public catalogue::Progress {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    void setMessage(const QString& text) override;
    void setCount(int count) override;

    QLabel* Picture1;
    QLabel* lblMessage;
    QLabel* lblMe;
    QLabel* lblWait;
    QLabel* lblCount;
    QLabel* lblCountLabel;
    QLabel* lblVersion;

private:
    QElapsedTimer m_sincePaint;
};

// " Version " and the program's major, minor and patch numbers.
QString versionCaption();

} // namespace app

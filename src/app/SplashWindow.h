#pragma once

#include <QWidget>

class QLabel;

namespace app {

// The window that covers start-up: what is being done and how many games are loaded so far.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    void setMessage(const QString& text);
    void setCount(int count);

    QLabel* Picture1;
    QLabel* lblMessage;
    QLabel* lblMe;
    QLabel* lblWait;
    QLabel* lblCount;
    QLabel* lblCountLabel;
    QLabel* lblVersion;
};

// " Version " and the program's major, minor and patch numbers.
QString versionCaption();

} // namespace app

#pragma once

#include "catalogue/Progress.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;

namespace catalogue {

// frmWait: shown while the game list is refreshed, with the reason, the step and the count.
class WaitWindow : public QWidget, public Progress {
    Q_OBJECT
public:
    explicit WaitWindow(QWidget* parent = nullptr);

    void setText(const QString& text);
    void setMessage(const QString& text) override;
    void setCount(int count) override;

    QLabel* lblText;
    QLabel* lblMessage;
    QLabel* lblCountLabel;
    QLabel* lblCount;

private:
    QElapsedTimer m_sincePaint;
};

// Shows a rising count without repainting for every game: at most every few hundredths of
// a second, so that tens of thousands of games load at full speed.
void showCount(QLabel* label, int count, QElapsedTimer& sincePaint);

} // namespace catalogue

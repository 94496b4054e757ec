#pragma once

#include "gui/common/RunIndicator.h"

class QLabel;

namespace gui {

// The window that covers start-up: what is being done, how many games are loaded so far, the
// time taken, a bar when the total is known, and Cancel for the emulator's listing.
class SplashWindow : public ProgressWindow {
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

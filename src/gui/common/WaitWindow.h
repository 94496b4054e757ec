#pragma once

#include "gui/common/FocusReturn.h"
#include "gui/common/RunIndicator.h"

class QLabel;

namespace gui {

// The please-wait window shown while the emulator works for long: the reason, the step, the
// rising count, the time taken, a bar where the total is known, and Cancel. It is modal: the
// rest of the program takes no input meanwhile.
class WaitWindow : public ProgressWindow {
    Q_OBJECT
public:
    // A run shorter than this shows no window at all.
    static constexpr int QuietMilliseconds = 500;

    explicit WaitWindow(QWidget* parent = nullptr);
    ~WaitWindow() override;

    void setReason(const QString& text);
    // "Game Count:" unless told otherwise ("Set Count:", "Line Count:").
    void setCountCaption(const QString& text);
    // Shown only once the run has taken this long; until then the program just waits.
    void showAfter(int milliseconds);

    void setMessage(const QString& text) override;
    void setCount(int count) override;

private:
    QLabel* m_reasonLabel;
    QLabel* m_stepLabel;
    QLabel* m_countCaption;
    QLabel* m_countLabel;
    QElapsedTimer m_sincePaint;
    QElapsedTimer m_sinceStart;
    int m_showAfter = -1; // -1: shown by the caller
    FocusReturn m_focus;  // where the keyboard goes back to when the window is gone
};

// Shows a rising count without repainting for every game: at most every few hundredths of
// a second, so that tens of thousands of games load at full speed.
void showCount(QLabel* label, int count, QElapsedTimer& sincePaint);

} // namespace gui

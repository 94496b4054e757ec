#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace gui {

// Gives the keyboard back to the window and the control that had it once a modal window (a
// message, a question, the wait window) is gone. Window managers do this; without one, and with
// some that do not, the main window would take no key until it is clicked.
class FocusReturn {
public:
    FocusReturn()
        : m_window(QApplication::activeWindow())
        , m_focus(QApplication::focusWidget()) {}
    ~FocusReturn() {
        if (!m_window || !m_window->isVisible())
            return;
        m_window->activateWindow();
        if (m_focus && m_focus->window() == m_window)
            m_focus->setFocus(Qt::ActiveWindowFocusReason);
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
};

} // namespace gui

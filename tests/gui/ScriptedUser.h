#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

// Drives a window as a person would and checks what the person would see, by words apart by blanks.
// Steps: "name" clicks a control, bringing its tab to the front first; "name=item" picks a list item or types over
// a text box ("name=" empties it); "Esc" and "Return" are pressed on the focused control, "Alt+X" on the window;
// "~name" moves the pointer onto a control, "~" away from it.
// Checks: "name:on", "off", "enabled", "disabled", "shown", "hidden", "focus" or "selected" (a text box's whole
// text); "name=value" for the item, text, title, tab or window title shown, "?name=value" among steps.
struct ScriptedUser {
    QWidget* window = nullptr;
    mutable QWidget* hovered = nullptr;

    QWidget* find(const QString& name) const {
        return window->objectName() == name ? window : window->findChild<QWidget*>(name);
    }

    void act(const QString& steps) const {
        for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
            QWidget* control = find(step.section(u'=', 0, 0));
            if (step.startsWith(u'?') || (step.contains(u':') && !step.contains(u'='))) {
                verify(step.mid(step.startsWith(u'?') ? 1 : 0));
            } else if (step == u"Esc" || step == u"Return") {
                QTest::keyClick(QApplication::focusWidget(), step == u"Esc" ? Qt::Key_Escape : Qt::Key_Return);
            } else if (step.startsWith(u"Alt+")) {
                QTest::keyClick(window, Qt::Key(step.back().unicode()), Qt::AltModifier);
                QTest::qWait(150); // the accelerator clicks its button visibly, 100 ms later
            } else if (step.startsWith(u'~')) {
                QEvent leave(QEvent::Leave);
                QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
                if (hovered)
                    QApplication::sendEvent(hovered, &leave);
                if ((hovered = step.size() > 1 ? find(step.mid(1)) : nullptr))
                    QApplication::sendEvent(hovered, &enter);
            } else if (auto* list = qobject_cast<QComboBox*>(control)) {
                QVERIFY2(list->findText(step.section(u'=', 1)) >= 0, qPrintable(step));
                list->setCurrentIndex(list->findText(step.section(u'=', 1)));
            } else {
                QVERIFY2(control, qPrintable(step));
                for (QWidget* page = control; page->parentWidget(); page = page->parentWidget()) {
                    auto* tabs = qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget());
                    if (tabs && tabs->indexOf(page) >= 0)
                        tabs->setCurrentWidget(page);
                }
                QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(4, control->height() / 2));
                if (qobject_cast<QLineEdit*>(control)) {
                    QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
                    QTest::keyClick(control, Qt::Key_Delete);
                    QTest::keyClicks(control, step.section(u'=', 1));
                }
            }
        }
    }

    void verify(const QString& checks) const {
        for (const QString& check : checks.split(u' ', Qt::SkipEmptyParts)) {
            const qsizetype equals = check.indexOf(u'='), colon = check.indexOf(u':');
            const bool isState = colon > 0 && (equals < 0 || colon < equals);
            QWidget* control = find(check.left(isState ? colon : equals));
            QVERIFY2(control, qPrintable(check));
            QString shown;
            for (const char* property : {"windowTitle", "title", "text", "currentIndex", "currentText"})
                shown = control->property(property).isValid() ? control->property(property).toString() : shown;
            if (!isState) {
                QCOMPARE(check.left(equals + 1) + shown, check);
                continue;
            }
            auto* onOff = qobject_cast<QAbstractButton*>(control);
            auto* edit = qobject_cast<QLineEdit*>(control);
            QWidget* focus = QApplication::focusWidget();
            const QStringList states = {onOff && onOff->isChecked() ? "on" : "off",
                                        control->isEnabled() ? "enabled" : "disabled",
                                        control->isHidden() ? "hidden" : "shown",
                                        focus == control ? "focus" : "focus on " + (focus ? focus->objectName() : ""),
                                        edit && edit->selectedText() == shown ? "selected" : "unselected"};
            QVERIFY2(states.contains(check.mid(colon + 1)), qPrintable(check + " but " + states.join(u',')));
        }
    }
};

// A row of a data table whose one column is a structure of the suite.
template <typename Row, typename... Fields> void addRow(const QString& name, Fields... fields) {
    QTest::newRow(qPrintable(name)) << Row{fields...};
}

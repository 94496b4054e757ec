#pragma once

#include <QTabWidget>
#include <QTest>

// A window's control by its object name. A misspelt name stops the run, naming it.
template <typename T = QWidget> T* control(const QWidget* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("no %s called %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// Clicks a control near its left edge, where a check box's caption begins, its tab brought to the front first.
inline void click(QWidget* target) {
    for (QWidget* page = target; page->parentWidget(); page = page->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget()))
            tabs->setCurrentWidget(page);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, target->height() / 2));
}

#include "gui/common/QtDialogs.h"

#include "gui/common/Colours.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace gui {
namespace {

QMessageBox::Icon toQt(gui::Dialogs::Icon icon) {
    switch (icon) {
    case gui::Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case gui::Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case gui::Dialogs::Icon::Information:
        return QMessageBox::Information;
    case gui::Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Stored texts separate lines with a lone CR, which a label would not break on.
QString displayed(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

QWidget* owner() {
    return QApplication::activeWindow();
}

} // namespace

void QtDialogs::message(const QString& text, Icon icon, const QString& title) {
    QMessageBox box(toQt(icon), title, displayed(text), QMessageBox::Ok, owner());
    // Messages quote file names, the emulator's lines and descriptions: never markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtDialogs::question(const QString& text, Icon icon, bool defaultNo) {
    QMessageBox box(toQt(icon), defaultTitle(), displayed(text), QMessageBox::Yes | QMessageBox::No, owner());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultNo ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::browseForFolder(const QString& prompt, const QString& startDirectory) {
    return QFileDialog::getExistingDirectory(owner(), prompt, startDirectory);
}

std::optional<quint32> QtDialogs::chooseColor(quint32 initial) {
    const QColor start = fromBgr(initial);
    const QColor chosen = QColorDialog::getColor(start, owner());
    if (!chosen.isValid())
        return std::nullopt;
    return toBgr(chosen);
}

void QtDialogs::endProgram() {
    // Ends at once, without the close events that would ask questions: leaves every running
    // event loop now, and the main loop even when it has not started yet.
    QCoreApplication::exit(1);
    QMetaObject::invokeMethod(
        qApp, [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
}

} // namespace gui

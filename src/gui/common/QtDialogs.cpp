#include "gui/common/QtDialogs.h"

#include "gui/common/Colours.h"
#include "gui/common/FocusReturn.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

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

// Lines of a caption, tabs and a value (Path Information) are shown as a table: the values line
// up whatever the font, and a path is never broken.
bool isTable(const QString& text) {
    const QStringList lines = displayed(text).split(u'\n', Qt::SkipEmptyParts);
    return !lines.isEmpty() &&
           std::all_of(lines.cbegin(), lines.cend(), [](const QString& l) { return l.contains(u'\t'); });
}

void showTable(const QString& text, QMessageBox::Icon icon, const QString& title) {
    QDialog box(owner());
    box.setObjectName(QStringLiteral("tableBox"));
    box.setWindowTitle(title);
    box.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(box.fontMetrics().horizontalAdvance(QStringLiteral("MM")));
    int row = 0;
    for (const QString& line : displayed(text).split(u'\n')) {
        if (line.isEmpty()) {
            grid->setRowMinimumHeight(row++, box.fontMetrics().height() / 2);
            continue;
        }
        const qsizetype tab = line.indexOf(u'\t');
        const QString cells[2] = {line.left(tab), line.mid(tab).remove(u'\t')};
        for (int column = 0; column < 2; ++column) {
            auto* label = new QLabel(cells[column], &box);
            label->setTextFormat(Qt::PlainText);
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
            grid->addWidget(label, row, column);
        }
        ++row;
    }
    auto* picture = new QLabel(&box);
    const int side = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    const QStyle::StandardPixmap standard = icon == QMessageBox::Critical  ? QStyle::SP_MessageBoxCritical
                                            : icon == QMessageBox::Warning ? QStyle::SP_MessageBoxWarning
                                                                           : QStyle::SP_MessageBoxInformation;
    if (icon != QMessageBox::NoIcon)
        picture->setPixmap(box.style()->standardIcon(standard, nullptr, &box).pixmap(side, side));
    auto* ok = new QPushButton(QStringLiteral("OK"), &box);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(grid, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(&box);
    layout->addLayout(top);
    layout->addLayout(buttons);
    box.exec();
}

} // namespace

void QtDialogs::message(const QString& text, Icon icon, const QString& title) {
    const FocusReturn focus;
    if (isTable(text)) {
        showTable(text, toQt(icon), title);
        return;
    }
    QMessageBox box(toQt(icon), title, displayed(text), QMessageBox::Ok, owner());
    // Messages quote file names, the emulator's lines and descriptions: never markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtDialogs::question(const QString& text, Icon icon, bool defaultNo) {
    const FocusReturn focus;
    QMessageBox box(toQt(icon), defaultTitle(), displayed(text), QMessageBox::Yes | QMessageBox::No, owner());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultNo ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::browseForFolder(const QString& prompt, const QString& startDirectory) {
    const FocusReturn focus;
    return QFileDialog::getExistingDirectory(owner(), prompt, startDirectory);
}

QString QtDialogs::chooseFile(const QString& prompt, const QString& startPath, bool forWriting) {
    const FocusReturn focus;
    const QString filter = QStringLiteral("Ini files (*.ini);;All files (*)");
    // A folder that is not there yet would open the dialog wherever the program was started:
    // the nearest folder that is, instead.
    QFileInfo start(startPath);
    QString folder = start.absolutePath();
    while (!QFileInfo(folder).isDir() && QDir(folder).cdUp())
        folder = QFileInfo(folder).absolutePath();
    const QString path = QDir(folder).filePath(start.fileName());
    return forWriting ? QFileDialog::getSaveFileName(owner(), prompt, path, filter)
                      : QFileDialog::getOpenFileName(owner(), prompt, path, filter);
}

std::optional<quint32> QtDialogs::chooseColor(quint32 initial) {
    const FocusReturn focus;
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

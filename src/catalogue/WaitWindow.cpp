#include "catalogue/WaitWindow.h"

#include "ui/Twips.h"

#include <QLabel>

namespace catalogue {

void showCount(QLabel* label, int count, QElapsedTimer& sincePaint) {
    label->setText(QString::number(count));
    if (!sincePaint.isValid() || sincePaint.elapsed() >= 40) {
        label->repaint();
        sincePaint.start();
    }
}

WaitWindow::WaitWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    using ui::twipsRect;
    setObjectName(QStringLiteral("frmWait"));
    setWindowTitle(QStringLiteral("Marqueon"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(ui::twipsSize(5400, 1800));

    const auto label = [this](const char* name, const QString& text, QRect geometry) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(geometry);
        return label;
    };
    lblText = label("lblText", QString(), twipsRect(240, 240, 4920, 300));
    lblMessage = label("lblMessage", QString(), twipsRect(240, 660, 4920, 300));
    lblCountLabel = label("lblCountLabel", QStringLiteral("Game Count:"), twipsRect(240, 1080, 1200, 300));
    lblCount = label("lblCount", QString(), twipsRect(1440, 1080, 1500, 300));
}

void WaitWindow::setText(const QString& text) {
    lblText->setText(text);
    lblText->repaint();
}

void WaitWindow::setMessage(const QString& text) {
    lblMessage->setText(text);
    repaint();
}

void WaitWindow::setCount(int count) {
    showCount(lblCount, count, m_sincePaint);
}

} // namespace catalogue

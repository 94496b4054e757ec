#include "gui/common/WaitWindow.h"

#include "gui/common/Twips.h"

#include <QLabel>

namespace gui {

void showCount(QLabel* label, int count, QElapsedTimer& sincePaint) {
    label->setText(QString::number(count));
    if (!sincePaint.isValid() || sincePaint.elapsed() >= 40) {
        label->repaint();
        sincePaint.start();
    }
}

WaitWindow::WaitWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("waitWindow"));
    setWindowTitle(QStringLiteral("Marqueon"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(twipsSize(5400, 1800));

    const auto label = [this](const char* name, const QString& text, QRect geometry) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(geometry);
        return label;
    };
    m_reasonLabel = label("reasonLabel", QString(), twipsRect(240, 240, 4920, 300));
    m_stepLabel = label("stepLabel", QString(), twipsRect(240, 660, 4920, 300));
    label("countCaption", QStringLiteral("Game Count:"), twipsRect(240, 1080, 1200, 300));
    m_countLabel = label("countLabel", QString(), twipsRect(1440, 1080, 1500, 300));
}

void WaitWindow::setReason(const QString& text) {
    m_reasonLabel->setText(text);
    m_reasonLabel->repaint();
}

void WaitWindow::setMessage(const QString& text) {
    m_stepLabel->setText(text);
    repaint();
}

void WaitWindow::setCount(int count) {
    showCount(m_countLabel, count, m_sincePaint);
}

} // namespace gui

#include "gui/common/WaitWindow.h"

#include "gui/common/Twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace gui {

void showCount(QLabel* label, int count, QElapsedTimer& sincePaint) {
    label->setText(QString::number(count));
    if (!sincePaint.isValid() || sincePaint.elapsed() >= 40) {
        label->window()->repaint();
        sincePaint.start();
    }
}

WaitWindow::WaitWindow(QWidget* parent)
    : ProgressWindow(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("waitWindow"));
    setWindowTitle(QStringLiteral("Marqueon"));
    setWindowModality(Qt::ApplicationModal);

    const auto label = [this](const char* name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        label->setTextFormat(Qt::PlainText);
        return label;
    };
    m_reasonLabel = label("reasonLabel", QString());
    m_stepLabel = label("stepLabel", QString());
    m_countCaption = label("countCaption", QStringLiteral("Game Count:"));
    m_countLabel = label("countLabel", QString());

    // Laid out, so that every text keeps its whole width in any font and screen scale.
    auto* count = new QHBoxLayout;
    count->addWidget(m_countCaption);
    count->addWidget(m_countLabel, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(240), twips(240), twips(240), twips(240));
    layout->setSpacing(twips(120));
    layout->addWidget(m_reasonLabel);
    layout->addWidget(m_stepLabel);
    layout->addLayout(count);
    layout->addStretch(1);
    layout->addWidget(indicator());
    // At least the design width; a longer text makes the window as wide as it needs.
    layout->addSpacerItem(new QSpacerItem(twips(4920), 0, QSizePolicy::Fixed, QSizePolicy::Minimum));
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    resize(twipsSize(5400, 2280).expandedTo(sizeHint()));
    m_sinceStart.start();
}

WaitWindow::~WaitWindow() {
    // Gone before the keyboard is given back to the window under it.
    hide();
}

void WaitWindow::setReason(const QString& text) {
    m_reasonLabel->setText(text);
    m_reasonLabel->repaint();
}

void WaitWindow::setCountCaption(const QString& text) {
    m_countCaption->setText(text);
}

void WaitWindow::showAfter(int milliseconds) {
    m_showAfter = milliseconds;
    m_sinceStart.start();
}

void WaitWindow::setMessage(const QString& text) {
    m_stepLabel->setText(text);
    if (isVisible())
        repaint();
}

void WaitWindow::setCount(int count) {
    if (!isVisible() && m_showAfter >= 0 && m_sinceStart.elapsed() >= m_showAfter) {
        show();
        activateWindow();
    }
    indicator()->showCount(count);
    if (isVisible())
        showCount(m_countLabel, count, m_sincePaint);
    else
        m_countLabel->setText(QString::number(count));
}

} // namespace gui

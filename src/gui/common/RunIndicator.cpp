#include "gui/common/RunIndicator.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace gui {

RunIndicator::RunIndicator(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("runIndicator"));
    m_elapsed = new QLabel(QStringLiteral("0:00"), this);
    m_elapsed->setObjectName(QStringLiteral("elapsedLabel"));
    m_elapsed->setToolTip(QStringLiteral("Time Taken So Far"));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("progressBar"));
    m_bar->setTextVisible(false);
    m_bar->hide();
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setAutoDefault(false);
    connect(m_cancelButton, &QPushButton::clicked, this, &RunIndicator::cancel);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_elapsed);
    layout->addWidget(m_bar, 1);
    layout->addStretch(0);
    layout->addWidget(m_cancelButton);
    m_clock.start();
}

void RunIndicator::setTotal(int total) {
    m_bar->setRange(0, std::max(total, 0));
    m_bar->setVisible(total > 0);
}

void RunIndicator::showCount(int count) {
    // An estimate may be passed: the bar then stays full until the run ends.
    if (m_bar->isVisible())
        m_bar->setValue(std::min(count, m_bar->maximum()));
    const qint64 seconds = m_clock.elapsed() / 1000;
    m_elapsed->setText(QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0')));
}

void RunIndicator::setCancellable(bool cancellable) {
    m_cancellable = cancellable;
    m_cancelButton->setVisible(cancellable);
}

void RunIndicator::cancel() {
    if (!m_cancellable)
        return;
    m_cancelled = true;
    m_cancelButton->setEnabled(false);
    m_cancelButton->setText(QStringLiteral("Cancelling..."));
}

ProgressWindow::ProgressWindow(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , m_indicator(new RunIndicator(this)) {
    m_indicator->setCancellable(false);
}

void ProgressWindow::setTotal(int total) {
    m_indicator->setTotal(total);
}

void ProgressWindow::setCancellable(bool cancellable) {
    m_indicator->setCancellable(cancellable);
}

bool ProgressWindow::cancelRequested() const {
    return m_indicator->cancelled();
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        m_indicator->cancel();
    else
        QWidget::keyPressEvent(event);
}

} // namespace gui

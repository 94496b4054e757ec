#include "gui/common/PictureView.h"

#include <QPainter>

namespace gui {

PictureView::PictureView(QWidget* parent)
    : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PictureView::setPicture(const QImage& picture) {
    m_picture = picture;
    m_scaled = QPixmap();
    update();
}

void PictureView::clear() {
    setPicture(QImage());
}

void PictureView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_scaled = QPixmap();
}

void PictureView::paintEvent(QPaintEvent*) {
    if (m_picture.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    if (m_scaled.isNull()) {
        m_scaled = QPixmap::fromImage(
            m_picture.scaled(size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        m_scaled.setDevicePixelRatio(ratio);
    }
    const QSizeF shown = m_scaled.deviceIndependentSize();
    QPainter painter(this);
    painter.drawPixmap(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), m_scaled);
}

} // namespace gui

#include "gui/common/Artwork.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>

namespace gui {

QPixmap marqueePicture(QSize size) {
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), size);

    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(24, 8, 64));
    sky.setColorAt(1.0, QColor(120, 16, 72));
    painter.fillRect(area, sky);

    // A row of bulbs along each edge, as on a cabinet's lit header.
    const qreal step = 14.0;
    painter.setPen(Qt::NoPen);
    for (qreal x = step / 2; x < area.width(); x += step) {
        painter.setBrush(QColor(255, 214, 90));
        painter.drawEllipse(QPointF(x, 6), 3, 3);
        painter.drawEllipse(QPointF(x, area.height() - 6), 3, 3);
    }

    QFont font(QStringLiteral("Sans Serif"));
    font.setBold(true);
    font.setPixelSize(100);
    // As large as the picture allows, in height and in width.
    const qreal fit = qMin(area.height() * 0.38 / 100.0,
                           area.width() * 0.86 / QFontMetricsF(font).horizontalAdvance(QStringLiteral("MARQUEON")));
    font.setPixelSize(qMax(6, int(100 * fit)));
    painter.setFont(font);
    painter.setPen(QColor(40, 0, 20));
    painter.drawText(area.translated(3, 3), Qt::AlignCenter, QStringLiteral("MARQUEON"));
    painter.setPen(QColor(255, 236, 150));
    painter.drawText(area, Qt::AlignCenter, QStringLiteral("MARQUEON"));
    return picture;
}

QPixmap starFieldPicture(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    // A fixed seed keeps the sky the same from one start to the next.
    QRandomGenerator random(1981);
    const int stars = size.width() * size.height() / 180;
    for (int i = 0; i < stars; ++i) {
        const int shade = 90 + int(random.bounded(166));
        painter.setPen(QColor(shade, shade, qMin(255, shade + 30)));
        painter.drawPoint(int(random.bounded(size.width())), int(random.bounded(size.height())));
    }
    return picture;
}

} // namespace gui

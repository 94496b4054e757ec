#include "gui/common/Artwork.h"

#include "gui/common/Twips.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace gui {

void paintMarquee(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(24, 8, 64));
    sky.setColorAt(1.0, QColor(120, 16, 72));
    painter.fillRect(area, sky);

    // A row of bulbs along each edge, as on a cabinet's lit header; they grow with the picture.
    const qreal bulb = qMax<qreal>(2.0, area.height() / 17.0);
    const qreal step = bulb * 4.7;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 214, 90));
    for (qreal x = area.left() + step / 2; x < area.right(); x += step) {
        painter.drawEllipse(QPointF(x, area.top() + bulb * 2), bulb, bulb);
        painter.drawEllipse(QPointF(x, area.bottom() - bulb * 2), bulb, bulb);
    }

    // The name as large as the picture allows, in height and in width; drawn as a path, so it
    // stays sharp at any size and screen density.
    QFont font(QStringLiteral("Sans Serif"));
    font.setBold(true);
    font.setPointSizeF(100);
    QPainterPath name;
    name.addText(0, 0, font, QStringLiteral("MARQUEON"));
    const QRectF bounds = name.boundingRect();
    const qreal scale = qMin(area.height() * 0.38 / bounds.height(), area.width() * 0.86 / bounds.width());
    QTransform place;
    place.translate(area.center().x() - bounds.center().x() * scale, area.center().y() - bounds.center().y() * scale);
    place.scale(scale, scale);
    const QPainterPath shown = place.map(name);
    painter.setBrush(QColor(40, 0, 20));
    painter.drawPath(shown.translated(qMax<qreal>(1.0, area.height() / 50), qMax<qreal>(1.0, area.height() / 50)));
    painter.setBrush(QColor(255, 236, 150));
    painter.drawPath(shown);
    painter.restore();
}

MarqueeView::MarqueeView(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("marquee"));
    setMinimumSize(twipsSize(1560, 780));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize MarqueeView::sizeHint() const {
    return minimumSize();
}

void MarqueeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintMarquee(painter, rect());
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

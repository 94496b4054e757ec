#pragma once

#include <QPixmap>
#include <QWidget>

class QPainter;

// The pictures Marqueon draws itself instead of shipping image files.
namespace gui {

// A lit arcade marquee with the program's name, drawn into the area at any size.
void paintMarquee(QPainter& painter, const QRectF& area);

// The marquee as a widget of its own: sharp at any screen density, since it is drawn, not scaled.
class MarqueeView : public QWidget {
    Q_OBJECT
public:
    explicit MarqueeView(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A night sky of scattered stars, the list background when the star field is chosen.
QPixmap starFieldPicture(QSize size);

} // namespace gui

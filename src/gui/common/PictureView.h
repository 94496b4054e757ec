#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace gui {

// A picture scaled to fit the view with its aspect kept, drawn again whenever the view's size
// changes, so that it grows with the window and stays sharp on dense screens.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    void clear();
    bool hasPicture() const { return !m_picture.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage m_picture;
    QPixmap m_scaled; // the picture at the view's size in device pixels
};

} // namespace gui

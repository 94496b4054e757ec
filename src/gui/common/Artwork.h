#pragma once

#include <QPixmap>

// The pictures Marqueon draws itself instead of shipping image files.
namespace gui {

// A lit arcade marquee with the program's name, for the splash and the about box.
QPixmap marqueePicture(QSize size);

// A night sky of scattered stars, the list background when the star field is chosen.
QPixmap starFieldPicture(QSize size);

} // namespace gui

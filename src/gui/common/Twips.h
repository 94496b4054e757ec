#pragma once

#include <QRect>
#include <QSize>

// Window sizes and positions are designed in twips: 1440 to the inch, 15 to a logical pixel
// at 96 dots per inch. Qt scales logical pixels for high-density screens.
namespace gui {

constexpr int twips(int value) {
    return (value + 7) / 15;
}
constexpr QSize twipsSize(int width, int height) {
    return {twips(width), twips(height)};
}
constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

} // namespace gui

#pragma once

#include <QColor>

// Colours are stored as the emulator-era 0x00BBGGRR values.
namespace gui {

inline QColor fromBgr(quint32 value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

inline quint32 toBgr(const QColor& colour) {
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

} // namespace gui

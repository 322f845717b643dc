#pragma once
// Positions and sizes of the windows are designed in twips: 1440 to the inch, 15 to a pixel
// at 96 dpi. Colours are designed as &H values in blue-green-red byte order.
#include <QColor>
#include <QRect>

inline constexpr int twips(int t) { return t / 15; }

inline QRect rectTwips(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// &HBBGGRR -> QColor
inline QColor corBgr(unsigned bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

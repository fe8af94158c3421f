// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QWidget>

namespace tarvisol::ui {

// The window layout and the drawing are measured in twips, 1/1440 inch, so that they keep their
// proportions at every screen density. Logical dpi is used throughout: with a scale factor of
// 2 the layout in logical pixels is the same as at 1, and Qt doubles the device pixels.
constexpr double twipsPerInch = 1440;

inline double twipsToPixels(double twips, double dpi) {
    return twips * dpi / twipsPerInch;
}
inline double pixelsToTwips(double pixels, double dpi) {
    return pixels * twipsPerInch / dpi;
}

inline int twipsToPixelsX(const QWidget& widget, double twips) {
    return qRound(twipsToPixels(twips, widget.logicalDpiX()));
}
inline int twipsToPixelsY(const QWidget& widget, double twips) {
    return qRound(twipsToPixels(twips, widget.logicalDpiY()));
}

inline QRect twipsRect(const QWidget& widget, int left, int top, int width, int height) {
    const int x = twipsToPixelsX(widget, left);
    const int y = twipsToPixelsY(widget, top);
    return {x, y, twipsToPixelsX(widget, left + width) - x,
            twipsToPixelsY(widget, top + height) - y};
}

} // namespace tarvisol::ui

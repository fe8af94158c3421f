// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

class QWidget;

namespace tarvisol::ui {

// The input row keeps its twips geometry, which leaves each text box 33 by 19 pixels at 96 dpi.
// Styles pad a line edit for boxes of their own making: Fusion leaves 27 pixels for the text,
// Adwaita 23, so a value such as "5000,5" or even "23,5" scrolls and its first digits vanish
// ("23,5" shows as ",5"), and a user reads another number than the one typed. Some styles
// (Adwaita) also draw a plain styled panel with the window's own colour, and the row loses its
// frame.
//
// This style stands over the application's style for the row and its controls only. It gives
// each box the content room that the widest value needs, taken from the style's padding and no
// more (and takes back the text margins that Adwaita adds to every line edit), and draws the row's
// frame itself as a line that shows on light and dark palettes alike. Everything else is the
// application's style's own.
class InputRowStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Puts the row and its controls under an InputRowStyle over the application's current
    // style, and renews it whenever that style changes. The row owns the style.
    static void applyTo(QWidget* row);

    using QProxyStyle::polish;
    void polish(QWidget* widget) override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

    // The room a box's text needs, in pixels, for the widest value a user types: four digits,
    // a separator and a decimal, at the box's font.
    static int valueWidth(const QFontMetrics& metrics);

private:
    explicit InputRowStyle(QStyle* base);
};

} // namespace tarvisol::ui

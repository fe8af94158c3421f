// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace tarvisol {

// The main window's drawing area as the field drawing sees it. All lengths are twips
// (1/1440 inch), measured from the top-left corner of the window's inner area.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void clear() = 0;
    virtual float scaleWidth() const = 0;
    virtual float scaleHeight() const = 0;

    // Only the outline, in the foreground colour. Zero extents give a line or a point;
    // negative ones reach from the corner to the left or upwards.
    virtual void drawRectangleOutline(float x, float y, float width, float height) = 0;

    // In the font that printText() uses. Not const: a canvas may lay the text out here and
    // keep that layout for printing it.
    virtual float textWidth(std::string_view text) = 0;

    // Top-left corner of the next printed text.
    virtual void setTextX(float x) = 0;
    virtual void setTextY(float y) = 0;

    // Draws the characters in the foreground colour and leaves the background behind them.
    virtual void printText(std::string_view text) = 0;
};

} // namespace tarvisol

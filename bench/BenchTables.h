// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Canvas.h"
#include "core/EntryTable.h"
#include "core/FieldLayout.h"
#include "core/InitialWindow.h"

#include <string>
#include <vector>

// The drawing area of the window at its initial size, in twips (669 x 495 pixels at 96 dpi).
constexpr float initialAreaWidth = tarvisol::initialWindow::widthTwips;
constexpr float initialAreaHeight = tarvisol::initialWindow::heightTwips;

// A table of `count` distinct, plausible combinations: formats from 5 to about 1000 mm and
// focal lengths from 10 to 5000 mm.
inline tarvisol::EntryTable benchTable(int count) {
    tarvisol::EntryTable table;
    table.dimension();
    for (int i = 0; i < count; ++i) {
        const double width = 5 + (i * 37) % 995 + 0.1 * (i % 10);
        const double height = 5 + (i * 53) % 995;
        const double focalLength = 10 + (i * 131) % 4990;
        table.store(width, height, focalLength);
    }
    return table;
}

// A drawing area of the initial size that keeps the fields and labels Zeichnen hands it and
// measures 60 twips a byte: the drawing's own work without a window, and the fields the
// baseline draws.
class FieldListCanvas : public tarvisol::Canvas {
public:
    void clear() override {
        rectangles.clear();
        labels.clear();
    }
    float scaleWidth() const override { return initialAreaWidth; }
    float scaleHeight() const override { return initialAreaHeight; }
    void drawRectangleOutline(float x, float y, float width, float height) override {
        rectangles.push_back({x, y, width, height});
    }
    float textWidth(std::string_view text) override { return 60.0f * float(text.size()); }
    void setTextX(float) override {}
    void setTextY(float) override {}
    void printText(std::string_view text) override { labels.emplace_back(text); }

    std::vector<tarvisol::FieldRectangle> rectangles;
    std::vector<std::string> labels;
};

#pragma once

#include "core/EntryTable.h"

// The drawing area of the window at its initial size, in twips (669 x 495 pixels at 96 dpi).
constexpr float initialAreaWidth = 10035;
constexpr float initialAreaHeight = 7425;

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

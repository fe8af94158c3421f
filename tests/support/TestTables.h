// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/EntryTable.h"
#include "core/InitialWindow.h"

#include <array>
#include <initializer_list>

namespace tarvisol::testing {

// The main window's drawing area as it first appears, in twips.
constexpr float initialWidth = initialWindow::widthTwips;
constexpr float initialHeight = initialWindow::heightTwips;

// A dimensioned table holding the given entries, each {width, height, focal length}, in order.
inline EntryTable tableOf(std::initializer_list<std::array<double, 3>> entries) {
    EntryTable table;
    table.dimension();
    for (const auto& e : entries) {
        table.store(e[0], e[1], e[2]);
    }
    return table;
}

} // namespace tarvisol::testing

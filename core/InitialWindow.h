// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tarvisol::initialWindow {

// The main window's inner area, which is its drawing area, as it first opens, in twips.
inline constexpr int widthTwips = 10035;
inline constexpr int heightTwips = 7425;

} // namespace tarvisol::initialWindow

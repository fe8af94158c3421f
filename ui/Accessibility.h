// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the tool tells assistive technology beyond what Qt Widgets tells by itself: the main
// window read as a frame, the input row as a group, and the text boxes with a text
// implementation of the tool's own, which answers every query at once (see the .cpp).

namespace tarvisol::ui {

// Takes effect for every widget asked about afterwards. Call it once QApplication exists, so
// that it is asked before Qt Widgets' own accessibility; calling it again changes nothing.
void installAccessibility();

} // namespace tarvisol::ui

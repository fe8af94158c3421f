// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the tool tells assistive technology beyond what Qt Widgets tells by itself: widgets
// read in the role their window gives them, and the text boxes with a text implementation of
// the tool's own, which answers every query at once (see the .cpp).

#include <QAccessible>

class QWidget;

namespace tarvisol::desktop {

// Takes effect for every widget asked about afterwards. Call it once QApplication exists, so
// that it is asked before Qt Widgets' own accessibility; calling it again changes nothing.
void installAccessibility();

// Has a screen reader read `widget` in `role` rather than in the role Qt gives its class. Qt
// keeps the first answer it gets for each widget, so call this before the widget gets
// children or is shown.
void readAs(QWidget& widget, QAccessible::Role role);

} // namespace tarvisol::desktop

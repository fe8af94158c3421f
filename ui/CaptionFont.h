// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <QVector>

namespace tarvisol::ui {

// A caption and the room it has, in logical pixels.
struct CaptionRoom {
    QString text; // may hold "\n"
    int width;
    int height;
};

// The input row keeps its fixed twips geometry, made for a small 8-point font. This picks the
// largest size up to 8 points at which every caption fits its room, in the first installed of
// the platform's caption families (on Linux a narrow one), else in the base font's family;
// below 6 points it stops shrinking.
QFont captionFont(const QFont& base, const QVector<CaptionRoom>& captions);

} // namespace tarvisol::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/EntryTable.h"

#include <string>
#include <string_view>

namespace tarvisol {

// Angle of view in degrees across a format dimension, both in mm. The half turn is taken as
// 3.141593 rather than the exact pi, so every shown angle is the one the users have always
// seen from this tool (a relative 1.1e-7 smaller than the exact conversion).
double angleOfView(double dimension, double focalLength);

struct FieldRectangle {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};

// The common frame of one drawing: every entry's angles computed into the table, the largest
// angles, and the one scale (twips per degree) that fits them all into the drawing area.
// The area's sizes are single precision, the angles and the scale double, as the picture has
// always been computed. A plain value: it keeps nothing of the table it was made from.
class FieldLayout {
public:
    FieldLayout(EntryTable& table, float scaleWidth, float scaleHeight);

    double scale() const { return scale_; }
    float centreX() const { return centreX_; }
    float centreY() const { return centreY_; }

    // The field of an entry with these angles, centred on the common centre. Its label
    // stands on its top edge, at y.
    FieldRectangle rectangle(double horizontalAngle, double verticalAngle) const;
    // Where a label of this width starts, so that it is centred too.
    float textX(float measuredTextWidth) const;

private:
    float centreX_ = 0;
    float centreY_ = 0;
    double scale_ = 0;
};

// The label of an entry whose angles are in the table: "36x24 50mm / 39.6x27.0°".
std::string fieldLabel(const EntryTable& table, int row, std::string_view decimalSeparator);

} // namespace tarvisol

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FieldLayout.h"

#include "core/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvisol {

namespace {

constexpr double halfTurn = 3.141593;
constexpr double degreesPerHalfTurn = 180;
constexpr float widthMargin = 200;   // 100 twips left and right
constexpr float heightMargin = 1000; // 900 at the top for the input row, 100 at the bottom
constexpr float topOffset = 900;

// Coordinates are worked out in double and handed over in single precision. The scale is the
// smaller factor of the two directions, so on an area of absurd size (beyond about 1e35 twips,
// far past any screen) the product of one direction's factor with the other's larger angle can
// leave the float range; converting such a double is undefined and would give the canvas an
// infinity. It is held at the largest float instead; every reachable value passes unchanged.
float toTwips(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    return float(std::isnan(value) ? value : std::clamp(value, -largest, largest));
}

} // namespace

double angleOfView(double dimension, double focalLength) {
    const double q = (dimension / 2) / focalLength;
    const double t = std::atan(q);
    return ((t + t) * degreesPerHalfTurn) / halfTurn;
}

FieldLayout::FieldLayout(EntryTable& table, float scaleWidth, float scaleHeight) {
    for (int row = 1; row <= table.count(); ++row) {
        const double focalLength = table.value(EntryTable::FocalLength, row);
        table.setAngle(EntryTable::HorizontalAngle, row,
                       angleOfView(table.value(EntryTable::Width, row), focalLength));
        table.setAngle(EntryTable::VerticalAngle, row,
                       angleOfView(table.value(EntryTable::Height, row), focalLength));
    }
    double largestHorizontal = 0;
    double largestVertical = 0;
    for (int row = 1; row <= table.count(); ++row) {
        largestHorizontal =
            std::max(largestHorizontal, table.value(EntryTable::HorizontalAngle, row));
        largestVertical = std::max(largestVertical, table.value(EntryTable::VerticalAngle, row));
    }
    const float usableWidth = scaleWidth - widthMargin;
    centreX_ = scaleWidth / 2;
    const float usableHeight = scaleHeight - heightMargin;
    centreY_ = usableHeight / 2 + topOffset;

    const double widthFactor = usableWidth / largestHorizontal;
    const double heightFactor = usableHeight / largestVertical;
    scale_ = widthFactor < heightFactor ? widthFactor : heightFactor;
    // Only an empty table gets here with no positive angle; keep every coordinate finite.
    if (!std::isfinite(scale_)) {
        scale_ = 0;
    }
}

FieldRectangle FieldLayout::rectangle(double horizontalAngle, double verticalAngle) const {
    const double a = horizontalAngle;
    const double b = verticalAngle;
    return {toTwips(centreX_ - scale_ * (a / 2)), toTwips(centreY_ - scale_ * (b / 2)),
            toTwips(scale_ * a), toTwips(scale_ * b)};
}

float FieldLayout::textX(float measuredTextWidth) const {
    return centreX_ - measuredTextWidth / 2;
}

std::string fieldLabel(const EntryTable& table, int row, std::string_view decimalSeparator) {
    auto general = [&](EntryTable::Column column) {
        return formatNumber(table.value(column, row), NumberPattern::General, decimalSeparator);
    };
    auto angle = [&](EntryTable::Column column) {
        return formatNumber(table.value(column, row), NumberPattern::HashDotZero, decimalSeparator);
    };
    return general(EntryTable::Width) + "x" + general(EntryTable::Height) + " " +
           general(EntryTable::FocalLength) + "mm / " + angle(EntryTable::HorizontalAngle) + "x" +
           angle(EntryTable::VerticalAngle) + "°";
}

} // namespace tarvisol

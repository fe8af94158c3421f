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

FieldLayout::FieldLayout(EntryTable& table, float scaleWidth, float scaleHeight,
                         std::string_view decimalSeparator, FieldCache* cache)
    : table_(table), cache_(cache) {
    if (cache_) {
        cache_->useSeparator(decimalSeparator);
    }
    computeAnglesAndLabels(decimalSeparator);
    computeScale(scaleWidth, scaleHeight);
}

void FieldLayout::computeAnglesAndLabels(std::string_view separator) {
    const auto count = std::size_t(table_.count());
    labels_.reserve(count);
    if (!cache_) {
        ownLabels_.reserve(count); // no reallocation, so the views below stay valid
    }
    for (int row = 1; row <= table_.count(); ++row) {
        const double width = table_.value(EntryTable::Width, row);
        const double height = table_.value(EntryTable::Height, row);
        const double focalLength = table_.value(EntryTable::FocalLength, row);
        const FieldCache::Entry* known =
            cache_ ? cache_->find(row, width, height, focalLength) : nullptr;
        if (known) {
            table_.setAngle(EntryTable::HorizontalAngle, row, known->horizontalAngle);
            table_.setAngle(EntryTable::VerticalAngle, row, known->verticalAngle);
            labels_.push_back(known->label);
            continue;
        }
        const double horizontal = angleOfView(width, focalLength);
        const double vertical = angleOfView(height, focalLength);
        table_.setAngle(EntryTable::HorizontalAngle, row, horizontal);
        table_.setAngle(EntryTable::VerticalAngle, row, vertical);
        std::string text = makeLabel({width, height, focalLength}, horizontal, vertical, separator);
        if (cache_) {
            FieldCache::Entry entry{width,      height,   focalLength,
                                    horizontal, vertical, std::move(text)};
            labels_.push_back(cache_->remember(row, std::move(entry)).label);
        } else {
            labels_.push_back(ownLabels_.emplace_back(std::move(text)));
        }
    }
}

void FieldLayout::computeScale(float scaleWidth, float scaleHeight) {
    double largestHorizontal = 0;
    double largestVertical = 0;
    for (int row = 1; row <= table_.count(); ++row) {
        if (horizontalAngle(row) > largestHorizontal) {
            largestHorizontal = horizontalAngle(row);
        }
        if (verticalAngle(row) > largestVertical) {
            largestVertical = verticalAngle(row);
        }
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

FieldRectangle FieldLayout::rectangle(int row) const {
    const double a = horizontalAngle(row);
    const double b = verticalAngle(row);
    return {toTwips(centreX_ - scale_ * (a / 2)), top(row), toTwips(scale_ * a),
            toTwips(scale_ * b)};
}

float FieldLayout::top(int row) const {
    return toTwips(centreY_ - scale_ * (verticalAngle(row) / 2));
}

std::string_view FieldLayout::label(int row) const {
    if (row < 1 || std::size_t(row) > labels_.size()) {
        return {};
    }
    return labels_[std::size_t(row) - 1];
}

std::string FieldLayout::makeLabel(const Combination& values, double horizontal, double vertical,
                                   std::string_view separator) {
    auto general = [&](double value) {
        return formatNumber(value, NumberPattern::General, separator);
    };
    auto angle = [&](double degrees) {
        return formatNumber(degrees, NumberPattern::HashDotZero, separator);
    };
    return general(values.width) + "x" + general(values.height) + " " +
           general(values.focalLength) + "mm / " + angle(horizontal) + "x" + angle(vertical) + "°";
}

float FieldLayout::textX(float measuredTextWidth) const {
    return centreX_ - measuredTextWidth / 2;
}

// The label stands on the field's top edge.
float FieldLayout::textY(int row) const {
    return top(row);
}

std::vector<FieldItem> FieldLayout::items(const TextWidthMeasure& measure) const {
    std::vector<FieldItem> result;
    result.reserve(std::size_t(entryCount()));
    for (int row = 1; row <= entryCount(); ++row) {
        const std::string_view text = label(row);
        result.push_back({rectangle(row), text, textX(measure(text)), textY(row)});
    }
    return result;
}

} // namespace tarvisol

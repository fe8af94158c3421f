#pragma once

#include "core/EntryTable.h"
#include "core/FieldCache.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

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

// Its label is a view into the layout that made it (or its cache), valid while that lives.
struct FieldItem {
    FieldRectangle rectangle;
    std::string_view label;
    float textX = 0;
    float textY = 0;
};

using TextWidthMeasure = std::function<float(std::string_view)>;

// The common frame of one drawing: every entry's angles computed into the table, the largest
// angles, and the one scale (twips per degree) that fits them all into the drawing area.
// The area's sizes are single precision, the angles and the scale double, as the picture has
// always been computed.
class FieldLayout {
public:
    // With a cache, rows whose combination it already knows take their angles and label
    // from it; the results are the same either way. Labels are made once, here, and handed
    // out as views: a layout of 999 entries copies no label text. The views into a cache hold
    // until the next layout with that cache.
    FieldLayout(EntryTable& table, float scaleWidth, float scaleHeight,
                std::string_view decimalSeparator, FieldCache* cache = nullptr);
    // A copy's views would point into the original's labels.
    FieldLayout(const FieldLayout&) = delete;
    FieldLayout& operator=(const FieldLayout&) = delete;

    int entryCount() const { return table_.count(); }
    double scale() const { return scale_; }
    float centreX() const { return centreX_; }
    float centreY() const { return centreY_; }

    FieldRectangle rectangle(int row) const;
    // Empty for a row outside 1 to entryCount().
    std::string_view label(int row) const;
    float textX(float measuredTextWidth) const;
    float textY(int row) const;

    // The whole layout in row order, measuring each label as it goes.
    std::vector<FieldItem> items(const TextWidthMeasure& measure) const;

private:
    struct Combination {
        double width, height, focalLength;
    };

    void computeAnglesAndLabels(std::string_view separator);
    static std::string makeLabel(const Combination& values, double horizontal, double vertical,
                                 std::string_view separator);
    void computeScale(float scaleWidth, float scaleHeight);
    float top(int row) const;
    double horizontalAngle(int row) const { return table_.value(EntryTable::HorizontalAngle, row); }
    double verticalAngle(int row) const { return table_.value(EntryTable::VerticalAngle, row); }

    EntryTable& table_;
    FieldCache* cache_;
    std::vector<std::string> ownLabels_;   // without a cache, the labels live here
    std::vector<std::string_view> labels_; // row 1 first
    float centreX_ = 0;
    float centreY_ = 0;
    double scale_ = 0;
};

} // namespace tarvisol

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EntryTable.h"

#include <cmath>

namespace tarvisol {

void EntryTable::dimension() {
    cells_.assign(std::size_t(ColumnCount) * RowCount, emptyCellValue());
}

bool EntryTable::find(double width, double height, double focalLength) const {
    bool found = false;
    for (int row = 1; row <= count_; ++row) {
        if (value(Width, row) == width && value(Height, row) == height &&
            value(FocalLength, row) == focalLength) {
            found = true;
        }
    }
    return found;
}

EntryTable::StoreResult EntryTable::store(double width, double height, double focalLength) {
    if (!isDimensioned()) {
        dimension();
    }
    auto result = StoreResult::Stored;
    ++count_;
    if (count_ > MaxEntries) {
        count_ = MaxEntries;
        result = StoreResult::ReplacedLastEntry;
    }
    set(Width, count_, width);
    set(Height, count_, height);
    set(FocalLength, count_, focalLength);
    return result;
}

bool EntryTable::isEmpty(int column, int row) const {
    return std::isnan(value(column, row));
}

void EntryTable::setAngle(Column column, int row, double degrees) {
    if ((column == HorizontalAngle || column == VerticalAngle) && row >= 1 && row <= count_) {
        set(column, row, degrees);
    }
}

void EntryTable::set(int column, int row, double value) {
    if (isDimensioned() && isInside(column, row)) {
        cells_[indexOf(column, row)] = value;
    }
}

} // namespace tarvisol

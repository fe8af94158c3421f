// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>
#include <vector>

namespace tarvisol {

// The combinations the user has added during the run, each with its two angles of view.
//
// The cells form 6 columns by 1000 rows; row 0 and column 0 are never used, so the table
// holds at most 999 entries, in rows 1 to count(). Rows above the count may still hold the
// values of entries from before a clear; nothing reads them until a store overwrites them.
class EntryTable {
public:
    enum Column : int {
        Width = 1,
        Height = 2,
        FocalLength = 3,
        HorizontalAngle = 4,
        VerticalAngle = 5,
    };

    static constexpr int ColumnCount = 6;
    static constexpr int RowCount = 1000;
    static constexpr std::int16_t MaxEntries = RowCount - 1;

    enum class StoreResult { Stored, ReplacedLastEntry };

    // Makes the cells, every one of them empty. Until then the table has no cells and
    // holds no entry; storing into it dimensions it first.
    void dimension();
    bool isDimensioned() const { return !cells_.empty(); }

    // Exact comparison of all three values against rows 1 to count().
    bool find(double width, double height, double focalLength) const;

    // Appends a new combination. On a full table the combination replaces entry 999 and the
    // count stays at 999.
    StoreResult store(double width, double height, double focalLength);

    // Forgets all entries; the cells keep their values until later stores overwrite them.
    void clear() { count_ = 0; }

    std::int16_t count() const { return count_; }

    // Cells outside the table, and cells never written, read as empty.
    bool isEmpty(int column, int row) const;
    double value(int column, int row) const {
        if (!isDimensioned() || !isInside(column, row)) {
            return emptyCellValue();
        }
        return cells_[indexOf(column, row)];
    }

    // Only the angle columns of stored entries are writable from outside.
    void setAngle(Column column, int row, double degrees);

private:
    static bool isInside(int column, int row) {
        return column >= 0 && column < ColumnCount && row >= 0 && row < RowCount;
    }
    static double emptyCellValue() { return std::numeric_limits<double>::quiet_NaN(); }
    static std::size_t indexOf(int column, int row) {
        return std::size_t(row) * ColumnCount + column;
    }
    void set(int column, int row, double value);

    std::int16_t count_ = 0;
    std::vector<double> cells_; // a quiet NaN marks an empty cell
};

} // namespace tarvisol

#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace tarvisol {

// What the field layout worked out for each row's combination: its two angles and its label.
// Every "hinzufügen" lays out the whole table again although at most one entry is new; with
// this the unchanged rows skip the arctangents and the number formatting. The angles are a
// pure function of the three values, so a remembered angle is the very value a fresh
// computation would give.
class FieldCache {
public:
    struct Entry {
        double width = 0;
        double height = 0;
        double focalLength = 0;
        double horizontalAngle = 0;
        double verticalAngle = 0;
        std::string label;
    };

    // Labels depend on the decimal separator: a different one forgets everything.
    void useSeparator(std::string_view separator);

    // The remembered entry of a row, if it was made for exactly these values.
    const Entry* find(int row, double width, double height, double focalLength) const;

    // A remembered entry stays where it is, so a layout may hand out views of its label,
    // until its row is remembered anew or the separator changes.
    const Entry& remember(int row, Entry entry);

private:
    std::string separator_;
    // A deque, because growing it at the end moves none of the entries already there.
    std::deque<std::optional<Entry>> rows_;
};

} // namespace tarvisol

#include "core/FieldCache.h"

namespace tarvisol {

void FieldCache::useSeparator(std::string_view separator) {
    if (separator != separator_) {
        separator_ = separator;
        rows_.clear();
    }
}

const FieldCache::Entry* FieldCache::find(int row, double width, double height,
                                          double focalLength) const {
    if (row < 0 || std::size_t(row) >= rows_.size() || !rows_[std::size_t(row)]) {
        return nullptr;
    }
    const Entry& entry = *rows_[std::size_t(row)];
    const bool same =
        entry.width == width && entry.height == height && entry.focalLength == focalLength;
    return same ? &entry : nullptr;
}

void FieldCache::remember(int row, Entry entry) {
    if (row < 0) {
        return;
    }
    if (std::size_t(row) >= rows_.size()) {
        rows_.resize(std::size_t(row) + 1);
    }
    rows_[std::size_t(row)] = std::move(entry);
}

} // namespace tarvisol

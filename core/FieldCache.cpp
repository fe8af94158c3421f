#include "core/FieldCache.h"

#include <algorithm>

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

const FieldCache::Entry& FieldCache::remember(int row, Entry entry) {
    const auto index = std::size_t(std::max(row, 0)); // the layout's rows start at 1
    if (index >= rows_.size()) {
        rows_.resize(index + 1);
    }
    return rows_[index].emplace(std::move(entry));
}

} // namespace tarvisol

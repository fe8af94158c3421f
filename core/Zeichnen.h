#pragma once

#include "core/Canvas.h"
#include "core/EntryTable.h"
#include "core/FieldCache.h"

#include <string_view>

namespace tarvisol {

// Renews the whole drawing: clears the canvas, recomputes every entry's angles into the
// table and draws each entry, in the order stored, as an outlined field with its label on
// the field's top edge. Later entries draw over earlier ones.
// A cache kept from one drawing to the next spares unchanged entries their formatting.
void Zeichnen(EntryTable& table, Canvas& canvas, std::string_view decimalSeparator,
              FieldCache* cache = nullptr);

} // namespace tarvisol

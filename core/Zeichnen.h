// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Canvas.h"
#include "core/EntryTable.h"

#include <string_view>

namespace tarvisol {

// Renews the whole drawing: clears the canvas, recomputes every entry's angles into the table
// and draws each entry, in the order stored, as an outlined field with its label on the
// field's top edge. Later entries draw over earlier ones.
void Zeichnen(EntryTable& table, Canvas& canvas, std::string_view decimalSeparator);

} // namespace tarvisol

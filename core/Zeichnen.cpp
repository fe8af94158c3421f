// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Zeichnen.h"

#include "core/FieldLayout.h"

#include <string>

namespace tarvisol {

void Zeichnen(EntryTable& table, Canvas& canvas, std::string_view decimalSeparator) {
    canvas.clear();
    if (table.count() == 0) {
        return;
    }
    const float scaleWidth = canvas.scaleWidth();
    const float scaleHeight = canvas.scaleHeight();
    const FieldLayout layout(table, scaleWidth, scaleHeight);
    for (int row = 1; row <= table.count(); ++row) {
        const FieldRectangle field = layout.rectangle(table.value(EntryTable::HorizontalAngle, row),
                                                      table.value(EntryTable::VerticalAngle, row));
        canvas.drawRectangleOutline(field.x, field.y, field.width, field.height);
        const std::string label = fieldLabel(table, row, decimalSeparator);
        canvas.setTextX(layout.textX(canvas.textWidth(label)));
        canvas.setTextY(field.y); // the label stands on the field's top edge
        canvas.printText(label);
    }
}

} // namespace tarvisol

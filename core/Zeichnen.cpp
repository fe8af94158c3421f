#include "core/Zeichnen.h"

#include "core/FieldLayout.h"

namespace tarvisol {

void Zeichnen(EntryTable& table, Canvas& canvas, std::string_view decimalSeparator,
              FieldCache* cache) {
    canvas.clear();
    if (table.count() == 0) {
        return;
    }
    const float scaleWidth = canvas.scaleWidth();
    const float scaleHeight = canvas.scaleHeight();
    const FieldLayout layout(table, scaleWidth, scaleHeight, decimalSeparator, cache);
    for (int row = 1; row <= layout.entryCount(); ++row) {
        const FieldRectangle r = layout.rectangle(row);
        canvas.drawRectangleOutline(r.x, r.y, r.width, r.height);
        const std::string_view label = layout.label(row);
        canvas.setTextX(layout.textX(canvas.textWidth(label)));
        canvas.setTextY(layout.textY(row));
        canvas.printText(label);
    }
}

} // namespace tarvisol

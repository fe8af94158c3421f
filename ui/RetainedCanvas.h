// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Canvas.h"

#include <QFont>
#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <QStaticText>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <map>
#include <string>

class QPainter;
class QWidget;

namespace tarvisol::ui {

// The drawing area of the main window. The fields are kept as a list of what was drawn, in
// twips, and painted again whenever the window is repainted: unchanged and unscaled, until the
// next clear. A pixmap of the last painted size saves replaying the list on every repaint, so
// uncovering a window with 999 fields costs one blit.
class RetainedCanvas : public Canvas {
public:
    explicit RetainedCanvas(QWidget& area) : area_(area) {}

    void clear() override;
    float scaleWidth() const override;
    float scaleHeight() const override;
    void drawRectangleOutline(float x, float y, float width, float height) override;
    float textWidth(std::string_view text) override;
    void setTextX(float x) override { textX_ = x; }
    void setTextY(float y) override { textY_ = y; }
    void printText(std::string_view text) override;

    // Paints the retained drawing at the area's top-left corner.
    void paint(QPainter& painter);

    // The label texts in the order they were printed.
    QStringList printedTexts() const;
    bool isEmpty() const { return rectangles_.isEmpty() && texts_.isEmpty(); }

private:
    struct Outline {
        float x, y, width, height;
    };
    struct PrintedText {
        float x, y;
        QStaticText text; // laid out once, when measured
    };

    void renderInto(QPixmap& pixmap);
    static void appendOutline(QVector<QRectF>& strips, const Outline& outline,
                              double twipsPerDeviceX, double twipsPerDeviceY, double dpr);
    double twipsPerPixelX() const;
    double twipsPerPixelY() const;
    const QStaticText& laidOut(std::string_view text);
    void forgetLayoutsOfAnotherFont();

    QWidget& area_;
    float textX_ = 0;
    float textY_ = 0;
    QVector<Outline> rectangles_;
    QVector<PrintedText> texts_;
    using Layouts = std::map<std::string, QStaticText, std::less<>>;
    // Each label laid out once, by whichever comes first, measuring or printing it: shaping is
    // most of the drawing's cost, and a label is always both measured and printed. A new
    // drawing mostly repeats the labels of the one before, so those move over to it instead of
    // being shaped again; labels the new drawing leaves unused go at the clear after it.
    Layouts laidOut_;       // by the drawing since the last clear
    Layouts laidOutBefore_; // by the drawing before it
    // What the layouts were shaped for; any change shapes every label afresh.
    QFont layoutFont_;
    qreal layoutPixelRatio_ = 0;
    QPixmap cache_;
    bool cacheValid_ = false;
    qint64 renderedPalette_ = 0; // the cache key of the palette the cache was rendered with
    QFont renderedFont_;
};

} // namespace tarvisol::ui

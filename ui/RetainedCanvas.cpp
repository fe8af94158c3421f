// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RetainedCanvas.h"

#include "ui/CoreText.h"
#include "ui/Twips.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace tarvisol::ui {

void RetainedCanvas::clear() {
    rectangles_.clear();
    texts_.clear();
    laidOutBefore_.clear();
    laidOutBefore_.swap(laidOut_);
    cacheValid_ = false;
}

double RetainedCanvas::twipsPerPixelX() const {
    return pixelsToTwips(1, area_.logicalDpiX());
}
double RetainedCanvas::twipsPerPixelY() const {
    return pixelsToTwips(1, area_.logicalDpiY());
}

float RetainedCanvas::scaleWidth() const {
    return float(area_.width() * twipsPerPixelX());
}
float RetainedCanvas::scaleHeight() const {
    return float(area_.height() * twipsPerPixelY());
}

void RetainedCanvas::drawRectangleOutline(float x, float y, float width, float height) {
    rectangles_.append({x, y, width, height});
    cacheValid_ = false;
}

// Glyph advances depend on the font and, through hinting, on the device pixels they land on.
void RetainedCanvas::forgetLayoutsOfAnotherFont() {
    const qreal pixelRatio = area_.devicePixelRatioF();
    if (area_.font() != layoutFont_ || pixelRatio != layoutPixelRatio_) {
        laidOut_.clear();
        laidOutBefore_.clear();
        layoutFont_ = area_.font();
        layoutPixelRatio_ = pixelRatio;
    }
}

const QStaticText& RetainedCanvas::laidOut(std::string_view text) {
    forgetLayoutsOfAnotherFont();
    if (auto known = laidOut_.find(text); known != laidOut_.end()) {
        return known->second;
    }
    if (auto before = laidOutBefore_.find(text); before != laidOutBefore_.end()) {
        return laidOut_.insert(laidOutBefore_.extract(before)).position->second;
    }
    QStaticText layout(fromCore(text));
    layout.setTextFormat(Qt::PlainText);
    layout.prepare(QTransform(), layoutFont_);
    return laidOut_.emplace(std::string(text), std::move(layout)).first->second;
}

float RetainedCanvas::textWidth(std::string_view text) {
    return float(laidOut(text).size().width() * twipsPerPixelX());
}

void RetainedCanvas::printText(std::string_view text) {
    texts_.append({textX_, textY_, laidOut(text)});
    cacheValid_ = false;
}

QStringList RetainedCanvas::printedTexts() const {
    QStringList result;
    result.reserve(texts_.size());
    for (const auto& printed : texts_) {
        result.append(printed.text.text());
    }
    return result;
}

void RetainedCanvas::paint(QPainter& painter) {
    if (isEmpty()) {
        return;
    }
    const double dpr = area_.devicePixelRatioF();
    const QSize deviceSize = (QSizeF(area_.size()) * dpr).toSize().expandedTo(QSize(1, 1));
    // A new drawing reuses the pixmap of the same size rather than allocating 1.3 MB afresh.
    if (cache_.size() != deviceSize || cache_.devicePixelRatio() != dpr) {
        cache_ = QPixmap(deviceSize);
        cache_.setDevicePixelRatio(dpr);
        cacheValid_ = false;
    }
    // New colours or a new font show at the next repaint, in the same places.
    if (area_.palette().cacheKey() != renderedPalette_ || area_.font() != renderedFont_) {
        cacheValid_ = false;
    }
    if (!cacheValid_) {
        renderInto(cache_);
        cacheValid_ = true;
    }
    // The cache is opaque, background included, so a repaint is a plain copy whatever it shows.
    painter.drawPixmap(0, 0, cache_);
}

void RetainedCanvas::renderInto(QPixmap& pixmap) {
    renderedPalette_ = area_.palette().cacheKey();
    renderedFont_ = area_.font();
    pixmap.fill(area_.palette().color(QPalette::Window));
    QPainter painter(&pixmap);
    const double dpr = pixmap.devicePixelRatio();
    const double perPixelX = twipsPerPixelX();
    const double perPixelY = twipsPerPixelY();
    const QColor foreground = area_.palette().color(QPalette::WindowText);
    // All outlines go to the painter as one batch of filled strips: one call instead of four
    // per field.
    QVector<QRectF> strips;
    strips.reserve(rectangles_.size() * 4);
    for (const auto& outline : rectangles_) {
        appendOutline(strips, outline, perPixelX / dpr, perPixelY / dpr, dpr);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(foreground);
    painter.drawRects(strips.constData(), int(strips.size()));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(foreground);
    painter.setFont(renderedFont_);
    for (const auto& printed : texts_) {
        painter.drawStaticText(QPointF(printed.x / perPixelX, printed.y / perPixelY), printed.text);
    }
}

// The outline is laid on whole device pixels, one logical pixel thick, so its lines stay sharp
// at every scale factor and its position is exact to a device pixel.
void RetainedCanvas::appendOutline(QVector<QRectF>& strips, const Outline& outline,
                                   double twipsPerDeviceX, double twipsPerDeviceY, double dpr) {
    auto toDevice = [](double twips, double perDevice) {
        // Beyond any screen the exact position no longer matters, only that it stays off it.
        return std::clamp(std::round(twips / perDevice), -1.0e6, 1.0e6);
    };
    double left = toDevice(outline.x, twipsPerDeviceX);
    double right = toDevice(double(outline.x) + outline.width, twipsPerDeviceX);
    double top = toDevice(outline.y, twipsPerDeviceY);
    double bottom = toDevice(double(outline.y) + outline.height, twipsPerDeviceY);
    if (right < left) {
        std::swap(left, right);
    }
    if (bottom < top) {
        std::swap(top, bottom);
    }
    const double thickness = std::max(1.0, std::round(dpr));
    auto fillDevice = [&](double x, double y, double w, double h) {
        strips.append(QRectF(x / dpr, y / dpr, w / dpr, h / dpr));
    };
    const double width = right - left + thickness;
    const double height = bottom - top + thickness;
    fillDevice(left, top, width, thickness);
    fillDevice(left, bottom, width, thickness);
    fillDevice(left, top, thickness, height);
    fillDevice(right, top, thickness, height);
}

} // namespace tarvisol::ui

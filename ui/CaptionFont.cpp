// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CaptionFont.h"

#include "desktop/CaptionFamilies.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <algorithm>

namespace tarvisol::ui {

namespace {

constexpr double largestPointSize = 8.0;
constexpr double smallestPointSize = 6.0;
constexpr double pointStep = 0.25;

// How much the font could grow (above 1) or must shrink (below 1) for every caption to fit.
double fitRatio(const QFont& font, const QVector<CaptionRoom>& captions) {
    const QFontMetricsF metrics(font);
    double ratio = 1e9;
    for (const auto& caption : captions) {
        const QStringList lines = caption.text.split(QLatin1Char('\n'));
        double widest = 0;
        for (const auto& line : lines) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        const double height = lines.size() * metrics.lineSpacing();
        ratio = std::min(
            {ratio, caption.width / std::max(widest, 1.0), caption.height / std::max(height, 1.0)});
    }
    return ratio;
}

QString preferredFamily(const QFont& base) {
    for (const QString& family : desktop::captionFamilies()) {
        if (QFontDatabase::hasFamily(family)) {
            return family;
        }
    }
    return base.family();
}

} // namespace

QFont captionFont(const QFont& base, const QVector<CaptionRoom>& captions) {
    QFont font = base;
    font.setFamily(preferredFamily(base));
    // Hinting makes text widths grow in steps rather than in proportion to the size, so a size
    // guessed from the widths at 8 points can miss a larger one that fits (under Wine's Tahoma
    // the guess was 7 points where 7.5 fit): every size is tried, the largest first, nine at
    // most.
    for (double size = largestPointSize; size > smallestPointSize; size -= pointStep) {
        font.setPointSizeF(size);
        if (fitRatio(font, captions) >= 1) {
            return font;
        }
    }
    font.setPointSizeF(smallestPointSize);
    return font;
}

} // namespace tarvisol::ui

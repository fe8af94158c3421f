#include "ui/CaptionFont.h"

#include <QFontDatabase>
#include <QFontMetricsF>

namespace tarvisol::ui {

namespace {

constexpr double largestPointSize = 8.0;
constexpr double smallestPointSize = 6.0;
constexpr double pointStep = 0.25;

bool fits(const QFont& font, const QVector<CaptionRoom>& captions) {
    const QFontMetricsF metrics(font);
    for (const auto& caption : captions) {
        const QStringList lines = caption.text.split(QLatin1Char('\n'));
        double widest = 0;
        for (const auto& line : lines) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        const double height = lines.size() * metrics.lineSpacing();
        if (widest > caption.width || height > caption.height) {
            return false;
        }
    }
    return true;
}

QString preferredFamily(const QFont& base) {
    for (const QString& family :
         {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")}) {
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
    for (double size = largestPointSize; size > smallestPointSize; size -= pointStep) {
        font.setPointSizeF(size);
        if (fits(font, captions)) {
            return font;
        }
    }
    font.setPointSizeF(smallestPointSize);
    return font;
}

} // namespace tarvisol::ui

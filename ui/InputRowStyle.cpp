// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/InputRowStyle.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace tarvisol::ui {

namespace {

// QLineEdit keeps this many pixels between its content rectangle and the text on each side,
// and one more for the cursor after the last character; both are fixed inside Qt (Qt 4 to 6.8)
// and not asked of the style. The window tests measure the real text position, so a Qt that
// changed them would fail there.
constexpr int lineEditTextMargin = 2;
constexpr int lineEditCursorWidth = 1;

// Share of the text colour in the frame line: far enough from the window's colour to show on
// light and dark palettes, quieter than the captions.
constexpr double frameLineShare = 0.45;

// Where the style's own span [start, start + length) inside the box's [outerStart, outerStart +
// outerLength) is too short for `needed`: a span of that length centred in the box, or the
// whole box when even that is too short. A span with room enough stays as the style made it.
std::pair<int, int> widened(int start, int length, int outerStart, int outerLength, int needed) {
    if (length >= needed) {
        return {start, length};
    }
    if (needed >= outerLength) {
        return {outerStart, outerLength};
    }
    return {outerStart + (outerLength - needed) / 2, needed};
}

QColor mixed(const QColor& from, const QColor& to, double share) {
    auto channel = [share](int a, int b) { return int(a + (b - a) * share + 0.5); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

// Renews the row's style when the window's style changes: a widget with a style of its own is
// left alone by QApplication::setStyle(), so the row would go on looking like the old style.
class StyleFollower : public QObject {
public:
    static inline const QString name = QStringLiteral("inputRowStyleFollower");

    StyleFollower(QWidget* row, QWidget* window) : QObject(row), row_(row) {
        setObjectName(name);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::StyleChange && row_ && watched == row_->parentWidget()) {
            InputRowStyle::applyTo(row_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> row_;
};

} // namespace

InputRowStyle::InputRowStyle(QStyle* base) : QProxyStyle(base) {}

void InputRowStyle::applyTo(QWidget* row) {
    QWidget* window = row->parentWidget();
    const QStyle* surrounding = window ? window->style() : QApplication::style();
    // A proxy takes ownership of its base and makes itself the base's proxy, so it gets an
    // instance of its own; the application's style stays untouched. A style the factory does
    // not know (one made in code) leaves QProxyStyle to take the desktop's default.
    auto* style = new InputRowStyle(QStyleFactory::create(surrounding->name()));
    style->setParent(row);
    // QWidget::setStyle() does not take ownership: the row holds the style, and the old one
    // goes once no control uses it.
    QStyle* previous = row->style();
    row->setStyle(style);
    for (QWidget* control : row->findChildren<QWidget*>()) {
        control->setStyle(style);
    }
    if (auto* old = qobject_cast<InputRowStyle*>(previous); old && old->parent() == row) {
        old->deleteLater();
    }
    // Found by name: without a meta-object of its own the follower would match any child.
    if (window && !row->findChild<QObject*>(StyleFollower::name, Qt::FindDirectChildrenOnly)) {
        new StyleFollower(row, window);
    }
}

void InputRowStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    // Adwaita pads each line edit with text margins of its own (8 pixels a side, 2 above and
    // below), judged on the box's size at the moment of polishing. The content rectangle below
    // keeps whatever padding the box has room for, so these margins go.
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        box->setTextMargins(QMargins());
    }
}

int InputRowStyle::valueWidth(const QFontMetrics& metrics) {
    int digit = 0;
    for (char c = '0'; c <= '9'; ++c) {
        digit = std::max(digit, metrics.horizontalAdvance(QLatin1Char(c)));
    }
    int separator = 0;
    for (const QString& s : {QStringLiteral(","), QStringLiteral("."), QStringLiteral(u"\u066b")}) {
        separator = std::max(separator, metrics.horizontalAdvance(s));
    }
    return 5 * digit + separator;
}

QRect InputRowStyle::subElementRect(SubElement element, const QStyleOption* option,
                                    const QWidget* widget) const {
    const QRect rect = QProxyStyle::subElementRect(element, option, widget);
    if (element != SE_LineEditContents || !option) {
        return rect;
    }
    const QRect box = option->rect;
    const int neededWidth =
        valueWidth(option->fontMetrics) + 2 * lineEditTextMargin + lineEditCursorWidth;
    const auto [left, width] =
        widened(rect.left(), rect.width(), box.left(), box.width(), neededWidth);
    const auto [top, height] =
        widened(rect.top(), rect.height(), box.top(), box.height(), option->fontMetrics.height());
    return {left, top, width, height};
}

void InputRowStyle::drawControl(ControlElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element != CE_ShapedFrame || !frame || frame->frameShape != QFrame::StyledPanel) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    painter->save();
    painter->setPen(mixed(option->palette.color(QPalette::Window),
                          option->palette.color(QPalette::WindowText), frameLineShare));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

} // namespace tarvisol::ui

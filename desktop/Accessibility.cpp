// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontInfo>
#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace tarvisol::desktop {

namespace {

// One piece of a text between two boundaries: [start, end).
struct Piece {
    int start;
    int end;
};

constexpr Piece noPiece{-1, -1};

// Where the pieces of `text` start that a finder of `kind` separates; `startsOnly` keeps
// those positions that begin an item (a word), not those that end one. The finder only ever
// moves forward, so the walk ends at the text's end.
QList<int> finderStarts(const QString& text, QTextBoundaryFinder::BoundaryType kind,
                        bool startsOnly) {
    QList<int> starts{0};
    QTextBoundaryFinder finder(kind, text);
    for (int at = finder.toNextBoundary(); at > 0 && at < text.size();
         at = finder.toNextBoundary()) {
        if (!startsOnly || finder.boundaryReasons().testFlag(QTextBoundaryFinder::StartOfItem)) {
            starts.append(at);
        }
    }
    return starts;
}

QList<int> startsAfterNewlines(const QString& text) {
    QList<int> starts{0};
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n')) {
            starts.append(i + 1);
        }
    }
    return starts;
}

// The piece holding `offset`; `starts` begins with 0 and rises, `length` ends the last piece.
Piece pieceAt(const QList<int>& starts, int length, int offset) {
    const auto next = std::upper_bound(starts.begin(), starts.end(), offset);
    const auto index = std::distance(starts.begin(), next) - 1;
    return {starts[index], next == starts.end() ? length : *next};
}

// Text queries answered from the whole text at once. Qt's own textAtOffset, which its line
// edit uses (Qt 6.4.2, and 6.8.2 alike), walks a boundary finder on until the finder reports an
// item's end, which it never does once it stands at the text's end: asked for a word or a
// sentence at the end of the text (or at -1, which stands for it), the tool spun at 100 % CPU
// for good. A screen reader asks just that for the word at the caret behind the last digit.
// Here the pieces are found first, by a walk that only moves forward, and then looked up.
class BoundedText : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    using QAccessibleWidget::QAccessibleWidget;

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override {
        return which == QAccessible::Value ? content() : QAccessibleWidget::text(which);
    }

    QString text(int start, int end) const override {
        const QString all = content();
        if (end < 0 || end > all.size()) {
            end = int(all.size());
        }
        start = std::clamp(start, 0, end);
        return all.mid(start, end - start);
    }

    int characterCount() const override { return int(content().size()); }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override {
        return answer(pieceAtOffset(offset, boundary), start, end);
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override {
        const Piece at = pieceAtOffset(offset, boundary);
        if (at.start <= 0) {
            return answer(noPiece, start, end);
        }
        return answer(pieceAtOffset(at.start - 1, boundary), start, end);
    }

    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override {
        const Piece at = pieceAtOffset(offset, boundary);
        if (at.end < 0 || at.end >= characterCount()) {
            return answer(noPiece, start, end);
        }
        return answer(pieceAtOffset(at.end, boundary), start, end);
    }

    // The whole text is one run of the widget's font. Qt reports no run at all, and a screen
    // reader that reads a box run by run then reads nothing, or only the first digit.
    QString attributes(int offset, int* start, int* end) const override {
        const int length = characterCount();
        const bool inside = offset >= 0 && offset <= length;
        *start = inside ? 0 : -1;
        *end = inside ? length : -1;
        const QFontInfo font(widget()->font());
        return QStringLiteral("font-family:\"%1\";font-size:%2pt;font-weight:%3;")
            .arg(font.family())
            .arg(font.pointSizeF())
            .arg(font.bold() ? QStringLiteral("bold") : QStringLiteral("normal"));
    }

protected:
    virtual QString content() const = 0;

private:
    // -1 stands for the end of the text, as assistive technology uses it.
    Piece pieceAtOffset(int offset, QAccessible::TextBoundaryType boundary) const {
        const QString all = content();
        const int length = int(all.size());
        if (offset == -1) {
            offset = length;
        }
        if (offset < 0 || offset > length || all.isEmpty()) {
            return offset == 0 ? Piece{0, 0} : noPiece;
        }
        if (boundary == QAccessible::CharBoundary && offset == length) {
            return {length, length};
        }
        return pieceAt(pieceStarts(all, boundary), length, offset);
    }

    QList<int> pieceStarts(const QString& all, QAccessible::TextBoundaryType boundary) const {
        switch (boundary) {
        case QAccessible::CharBoundary:
            return finderStarts(all, QTextBoundaryFinder::Grapheme, false);
        case QAccessible::WordBoundary:
            return finderStarts(all, QTextBoundaryFinder::Word, true);
        case QAccessible::SentenceBoundary:
            return finderStarts(all, QTextBoundaryFinder::Sentence, false);
        case QAccessible::LineBoundary:
        case QAccessible::ParagraphBoundary:
            return startsAfterNewlines(all);
        case QAccessible::NoBoundary:
            break;
        }
        return {0};
    }

    QString answer(Piece piece, int* start, int* end) const {
        *start = piece.start;
        *end = piece.end;
        return piece.start < 0 ? QString() : text(piece.start, piece.end);
    }
};

// A text box: read whole, edited as typed.
class AccessibleBox : public BoundedText, public QAccessibleEditableTextInterface {
public:
    explicit AccessibleBox(QLineEdit* box) : BoundedText(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return BoundedText::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = BoundedText::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }

    void setText(QAccessible::Text which, const QString& text) override {
        if (which == QAccessible::Value && !box()->isReadOnly()) {
            box()->setText(text);
        } else {
            BoundedText::setText(which, text);
        }
    }

    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        const bool exists = index == 0 && box()->hasSelectedText();
        *start = exists ? box()->selectionStart() : 0;
        *end = exists ? box()->selectionEnd() : 0;
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) {
            box()->deselect();
        }
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) {
            box()->setSelection(start, end - start);
        }
    }

    // Measured from the caret, the one position whose place a line edit tells.
    QRect characterRect(int offset) const override {
        const QString shown = content();
        if (offset < 0 || offset >= shown.size()) {
            return {};
        }
        const QFontMetrics metrics(box()->font());
        const QRect caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = caret.center().x() + metrics.horizontalAdvance(shown.left(offset)) -
                      metrics.horizontalAdvance(shown.left(box()->cursorPosition()));
        const QRect local(x, caret.top(), metrics.horizontalAdvance(shown.at(offset)),
                          caret.height());
        return local.translated(box()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { box()->setCursorPosition(start); }

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        if (box()->isReadOnly()) {
            return;
        }
        QString edited = box()->text();
        end = std::clamp(end, 0, int(edited.size()));
        start = std::clamp(start, 0, end);
        box()->setText(edited.replace(start, end - start, text));
    }

protected:
    QString content() const override { return box()->displayText(); }

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
};

const char* const roleProperty = "tarvisol.accessibleRole";

bool isClass(const QString& className, const QMetaObject& meta) {
    return className == QLatin1String(meta.className());
}

// Asked before Qt Widgets' own factory, which QApplication installs when it starts: Qt asks
// the most recently installed factory first, for the object's own class before its bases.
QAccessibleInterface* accessibleWidget(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) {
        return nullptr;
    }
    const QVariant role = widget->property(roleProperty);
    if (role.isValid()) {
        return new QAccessibleWidget(widget, QAccessible::Role(role.toInt()));
    }
    if (isClass(className, QLineEdit::staticMetaObject)) {
        return new AccessibleBox(static_cast<QLineEdit*>(widget));
    }
    return nullptr;
}

} // namespace

void readAs(QWidget& widget, QAccessible::Role role) {
    widget.setProperty(roleProperty, int(role));
}

void installAccessibility() {
    // Qt keeps one copy of each factory, however often it is installed.
    QAccessible::installFactory(accessibleWidget);
}

} // namespace tarvisol::desktop

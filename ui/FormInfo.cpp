// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FormInfo.h"

#include "core/InfoText.h"
#include "desktop/AppIcon.h"
#include "desktop/CloseOnlyWindow.h"
#include "ui/CoreText.h"
#include "ui/Form1.h"
#include "ui/Twips.h"

#include <QDate>
#include <QEvent>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextOption>

namespace tarvisol::ui {

namespace {
constexpr int clientWidthTwips = 6285;
constexpr int clientHeightTwips = 5370;
constexpr int textLeft = 120;
constexpr int textTop = 120;
constexpr int textWidth = 6012;
constexpr int textHeight = 5052;
} // namespace

// The window needs a close control only. Without CustomizeWindowHint Qt leaves the title-bar
// controls to the window system's defaults; with it, only the hints named here (and the system
// menu that Qt adds for the close button) reach the window manager: on X11 the Motif hints
// allow moving and closing, neither minimising nor maximising. A window manager that reads
// these hints only in part gets its own words from the desktop layer.
FormInfo::FormInfo(Form1& form1)
    : QDialog(&form1, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      form1_(form1) {
    setObjectName(QStringLiteral("FormInfo"));
    setWindowTitle(QStringLiteral("Info"));
    setWindowIcon(desktop::applicationIcon());
    setModal(true);
    setFixedSize(twipsToPixelsX(*this, clientWidthTwips), twipsToPixelsY(*this, clientHeightTwips));

    TextInfo = new QPlainTextEdit(this);
    TextInfo->setObjectName(QStringLiteral("TextInfo"));
    TextInfo->setGeometry(twipsRect(*this, textLeft, textTop, textWidth, textHeight));
    TextInfo->setReadOnly(true);
    // A caret that the arrow keys move line by line, so a screen reader reads the line it
    // reaches; a keyboard user can select and copy a line as well.
    TextInfo->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    TextInfo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TextInfo->setWordWrapMode(QTextOption::WordWrap);
    TextInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TextInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setAccessibleName(QStringLiteral("Info"));
    TextInfo->setAccessibleName(QStringLiteral("Infotext"));
    setListTabStops();
    desktop::offerCloseControlOnly(*this);
}

// The list's columns line up at stops made for the widest values that can occur.
void FormInfo::setListTabStops() {
    const QFontMetricsF metrics(TextInfo->font());
    const double gap = metrics.horizontalAdvance(QStringLiteral("  "));
    QList<QTextOption::Tab> tabs;
    double position = 0;
    for (const QString& widest : {QStringLiteral("1000x1000"), QStringLiteral("5000"),
                                  QStringLiteral("177.71 x 177.71°")}) {
        position += metrics.horizontalAdvance(widest) + gap;
        tabs.append(QTextOption::Tab(position, QTextOption::LeftTab));
    }
    QTextOption option = TextInfo->document()->defaultTextOption();
    option.setTabs(tabs);
    TextInfo->document()->setDefaultTextOption(option);
}

void FormInfo::Form_Activate() {
    QPalette textPalette = TextInfo->palette();
    textPalette.setColor(QPalette::Base, palette().color(QPalette::Window));
    TextInfo->setPalette(textPalette);

    const InfoMode mode = infoMode(toCore(form1_.iTxt));
    // Read aloud, the box says which of its two texts it holds. The name comes first, so a
    // screen reader announcing the new text already knows whose text it is.
    const bool list = mode == InfoMode::List;
    const bool help = mode == InfoMode::Help;
    TextInfo->setAccessibleName(list   ? QStringLiteral("Werteliste")
                                : help ? QStringLiteral("Hilfetext")
                                       : QStringLiteral("Infotext"));
    setAccessibleDescription(list   ? QStringLiteral("Liste der numerischen Werte")
                             : help ? QStringLiteral("Hilfe und Programminfos")
                                    : QString());
    const std::string text =
        infoText(mode, form1_.Liste, QDate::currentDate().year(), decimalSeparator());
    // Also puts the caret back at the top.
    TextInfo->setPlainText(fromCore(text));
    TextInfo->verticalScrollBar()->setValue(0);
}

void FormInfo::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // Building again would make a screen reader hear the whole text deleted and inserted
        // a second time for one opening.
        if (builtForShowing_) {
            builtForShowing_ = false;
        } else {
            Form_Activate();
        }
    }
    QDialog::changeEvent(event);
}

// The text is built before the window appears, so a screen reader meets it complete, also on
// window systems that never activate the window.
void FormInfo::showEvent(QShowEvent* event) {
    Form_Activate();
    builtForShowing_ = true;
    QDialog::showEvent(event);
}

} // namespace tarvisol::ui

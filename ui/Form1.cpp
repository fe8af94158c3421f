// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "core/FieldLayout.h"
#include "core/InitialWindow.h"
#include "core/Messages.h"
#include "core/Zeichnen.h"
#include "desktop/Accessibility.h"
#include "desktop/AppIcon.h"
#include "ui/CaptionFont.h"
#include "ui/CoreText.h"
#include "ui/FormInfo.h"
#include "ui/InputRowStyle.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

namespace tarvisol::ui {

namespace {

constexpr int controlTop = 240;

const QString label1Caption = QStringLiteral("Film-/Chipformat:");
const QString label3Caption = QStringLiteral("Objektivbrennweite:");
const QString millimetreLine = QStringLiteral("\n(mm)");
const QString nothingDrawn = QStringLiteral("Keine Felder gezeichnet");

// Frame-relative twips geometry of one control of the input row.
struct Placement {
    int left;
    int width;
    int height;
};

constexpr Placement label1Place{120, 1200, 192};
constexpr Placement textFilmQPlace{1440, 492, 288};
constexpr Placement label2Place{2000, 72, 192};
constexpr Placement textFilmHPlace{2160, 492, 288};
constexpr Placement label3Place{2880, 1404, 192};
constexpr Placement textBrennwPlace{4440, 492, 288};
constexpr Placement commandOKPlace{5160, 1092, 372};
constexpr Placement commandListePlace{6480, 1092, 372};
constexpr Placement commandDelPlace{7800, 1092, 372};
constexpr Placement commandHilfePlace{9240, 372, 372};
constexpr int frameLeft = 120;
constexpr int frameWidth = 9735;
constexpr int frameHeight = 732;

QLineEdit* makeTextBox(const QString& name, const QString& text, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    return box;
}

QLabel* makeLabel(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* makeButton(const QString& name, const QString& caption, const QString& tooltip,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tooltip);
    button->setAccessibleDescription(tooltip);
    return button;
}

// A screen reader names a text box by what it holds, not by the label beside it, and reads
// the unit that the label gives on its second line.
void describe(QWidget* control, const QString& name, const QString& description) {
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

} // namespace

Form1::Form1(desktop::WarningSound& sound, QWidget* parent)
    : Form1(std::make_unique<QtMessageService>(this, sound), nullptr, parent) {}

Form1::Form1(MessageService& messages, QWidget* parent) : Form1(nullptr, &messages, parent) {}

Form1::Form1(std::unique_ptr<QtMessageService> ownMessages, MessageService* messages,
             QWidget* parent)
    : QWidget(parent), ownMessages_(std::move(ownMessages)),
      messages_(messages ? *messages : *ownMessages_), canvas_(*this), announcer_(*this) {
    // Qt exposes a plain top-level widget as a filler; a screen reader announces and lists
    // Form1 as the application's window only when it is a frame, as other main windows are.
    desktop::readAs(*this, QAccessible::Window);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tarvisol"));
    setWindowIcon(desktop::applicationIcon());
    buildControls();
    placeControls();
    resize(twipsToPixelsX(*this, initialWindow::widthTwips),
           twipsToPixelsY(*this, initialWindow::heightTwips));
    Form_Load();
}

void Form1::buildControls() {
    Frame1 = new QFrame(this);
    // The input row is a part of the window, which a screen reader would take for a window
    // of its own were it exposed as Qt exposes a frame.
    desktop::readAs(*Frame1, QAccessible::Grouping);
    // A plain styled panel: it frames the row like a group box, at a fraction of the cost
    // of painting one at start-up.
    Frame1->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    Frame1->setObjectName(QStringLiteral("Frame1"));

    Label1 = makeLabel(QStringLiteral("Label1"), label1Caption, Frame1);
    TextFilmQ = makeTextBox(QStringLiteral("TextFilmQ"), QStringLiteral("36"), Frame1);
    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("x"), Frame1);
    TextFilmH = makeTextBox(QStringLiteral("TextFilmH"), QStringLiteral("24"), Frame1);
    Label3 = makeLabel(QStringLiteral("Label3"), label3Caption, Frame1);
    TextBrennw = makeTextBox(QStringLiteral("TextBrennw"), QStringLiteral("50"), Frame1);
    CommandOK = makeButton(QStringLiteral("CommandOK"), QStringLiteral("hinzufügen"),
                           QStringLiteral("Werte berechnen und einzeichnen"), Frame1);
    CommandListe = makeButton(QStringLiteral("CommandListe"), QStringLiteral("Liste"),
                              QStringLiteral("Liste der numerischen Werte"), Frame1);
    CommandDel = makeButton(QStringLiteral("CommandDel"), QStringLiteral("löschen"),
                            QStringLiteral("die Liste löschen"), Frame1);
    CommandHilfe = makeButton(QStringLiteral("CommandHilfe"), QStringLiteral("?"),
                              QStringLiteral("Hilfe und Programminfos"), Frame1);
    Label1->setBuddy(TextFilmQ);
    Label3->setBuddy(TextBrennw);
    InputRowStyle::applyTo(Frame1);

    setAccessibleName(QStringLiteral("Tarvisol"));
    describeDrawing();
    describe(Frame1, QStringLiteral("Eingabe"),
             QStringLiteral("Format, Brennweite und die Befehle"));
    describe(Label1, QStringLiteral("Film-/Chipformat in mm"), QString());
    describe(Label2, QStringLiteral("mal"), QString());
    describe(Label3, QStringLiteral("Objektivbrennweite in mm"), QString());
    describe(TextFilmQ, QStringLiteral("Formatbreite"),
             QStringLiteral("Breite des Film- oder Chipformats in mm"));
    describe(TextFilmH, QStringLiteral("Formathöhe"),
             QStringLiteral("Höhe des Film- oder Chipformats in mm"));
    describe(TextBrennw, QStringLiteral("Brennweite"), QStringLiteral("Objektivbrennweite in mm"));
    CommandOK->setAccessibleName(QStringLiteral("hinzufügen"));
    CommandListe->setAccessibleName(QStringLiteral("Liste"));
    CommandDel->setAccessibleName(QStringLiteral("löschen"));
    CommandHilfe->setAccessibleName(QStringLiteral("Hilfe"));

    // Enter in any box adds, as the default button of a dialog would.
    CommandOK->setDefault(true);
    for (QLineEdit* box : {TextFilmQ, TextFilmH, TextBrennw}) {
        connect(box, &QLineEdit::returnPressed, CommandOK, &QPushButton::click);
    }
    QWidget::setTabOrder(TextFilmQ, TextFilmH);
    QWidget::setTabOrder(TextFilmH, TextBrennw);
    QWidget::setTabOrder(TextBrennw, CommandOK);
    QWidget::setTabOrder(CommandOK, CommandListe);
    QWidget::setTabOrder(CommandListe, CommandDel);
    QWidget::setTabOrder(CommandDel, CommandHilfe);

    connect(CommandOK, &QPushButton::clicked, this, &Form1::CommandOK_Click);
    connect(CommandDel, &QPushButton::clicked, this, &Form1::CommandDel_Click);
    connect(CommandListe, &QPushButton::clicked, this, &Form1::CommandListe_Click);
    connect(CommandHilfe, &QPushButton::clicked, this, &Form1::CommandHilfe_Click);
    // F1 is where a desktop user looks for help first.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &Form1::CommandHilfe_Click);
}

void Form1::placeControls() {
    Frame1->setGeometry(twipsRect(*this, frameLeft, 0, frameWidth, frameHeight));
    auto place = [&](QWidget* control, Placement p) {
        control->setGeometry(twipsRect(*this, p.left, controlTop, p.width, p.height));
    };
    place(TextFilmQ, textFilmQPlace);
    place(TextFilmH, textFilmHPlace);
    place(TextBrennw, textBrennwPlace);
    place(CommandOK, commandOKPlace);
    place(CommandListe, commandListePlace);
    place(CommandDel, commandDelPlace);
    place(CommandHilfe, commandHilfePlace);

    // The two-line captions need more height than their stored 192 twips: they may reach down
    // to the frame's inner edge. The "x" may widen up to the next box, never into it.
    constexpr int frameLineInset = 2;
    const int labelHeight =
        twipsToPixelsY(*this, frameHeight) - twipsToPixelsY(*this, controlTop) - frameLineInset;
    auto placeLabel = [&](QLabel* label, Placement p, int widthTwips) {
        const QRect r = twipsRect(*this, p.left, controlTop, widthTwips, p.height);
        label->setGeometry(r.x(), r.y(), r.width(), labelHeight);
    };
    placeLabel(Label1, label1Place, label1Place.width);
    placeLabel(Label2, label2Place, textFilmHPlace.left - label2Place.left);
    placeLabel(Label3, label3Place, label3Place.width);

    auto buttonRoom = [&](QPushButton* button, Placement p) {
        // Leaves the button's frame and padding around its caption.
        return CaptionRoom{button->text(), twipsToPixelsX(*this, p.width) - 8,
                           twipsToPixelsY(*this, p.height) - 4};
    };
    Frame1->setFont(
        captionFont(font(), {{label1Caption + millimetreLine, Label1->width(), labelHeight},
                             {QStringLiteral("x"), Label2->width(), labelHeight},
                             {label3Caption + millimetreLine, Label3->width(), labelHeight},
                             buttonRoom(CommandOK, commandOKPlace),
                             buttonRoom(CommandListe, commandListePlace),
                             buttonRoom(CommandDel, commandDelPlace)}));
}

void Form1::Form_Load() {
    Liste.dimension();
}

void Form1::Form_Activate() {
    Label1->setText(label1Caption + millimetreLine);
    Label3->setText(label3Caption + millimetreLine);
}

void Form1::Zeichnen() {
    tarvisol::Zeichnen(Liste, canvas_, decimalSeparator());
    describeDrawing();
    update();
}

// The window is the drawing area, so its description is what the picture shows: one line per
// drawn field, the label that stands on it.
void Form1::describeDrawing() {
    const QStringList labels = drawnLabels();
    const QString description =
        labels.isEmpty() ? nothingDrawn
                         : QStringLiteral("Gezeichnete Felder:\n") + labels.join(QLatin1Char('\n'));
    if (description == accessibleDescription()) {
        return;
    }
    // Qt tells assistive technology of the change itself; an event of our own would make a
    // screen reader read every new field twice.
    setAccessibleDescription(description);
}

void Form1::CommandOK_Click() {
    const AddOutcome outcome =
        addRequest(Liste, messages_, toCore(TextFilmQ->text()), toCore(TextFilmH->text()),
                   toCore(TextBrennw->text()), decimalSeparator());
    if (isAccepted(outcome)) {
        Zeichnen();
        announceAdded(outcome);
    }
}

// The window's description changes too, but not every screen reader speaks that, and one that
// does reads every field drawn; the announcement names the one field that came.
void Form1::announceAdded(AddOutcome outcome) {
    if (outcome == AddOutcome::AlreadyStored) {
        announcer_.announce(QStringLiteral("Feld schon gezeichnet"));
        return;
    }
    // A new combination is always the last entry, also where it took the place of entry 999.
    announcer_.announce(fromCore(fieldLabel(Liste, Z(), decimalSeparator())));
}

void Form1::CommandDel_Click() {
    const auto answer = messages_.messageBox(messages::deleteQuestion, messages::deleteTitle,
                                             MessageIcon::Question, MessageButtons::OkCancel);
    if (answer == MessageAnswer::Ok) {
        Liste.clear();
        Zeichnen(); // an empty table draws nothing
        announcer_.announce(nothingDrawn);
    }
}

void Form1::CommandListe_Click() {
    iTxt = QStringLiteral("l");
    showInfo();
}

void Form1::CommandHilfe_Click() {
    iTxt = QStringLiteral("h");
    showInfo();
}

void Form1::showInfo() {
    FormInfo info(*this);
    info.exec();
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintDrawing(painter);
}

void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        Form_Activate();
    }
    QWidget::changeEvent(event);
}

void Form1::showEvent(QShowEvent* event) {
    // The first showing counts as an activation even where the window system does not
    // activate the window (offscreen, some tiling managers).
    Form_Activate();
    QWidget::showEvent(event);
}

} // namespace tarvisol::ui

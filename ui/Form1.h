// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window and how a click travels through the tool.
//
// Three libraries: core/ (standard C++: the entry table, the acceptance of typed values, the
// field layout, the number and info texts), ui/ (these windows, and the Qt side of the core's
// interfaces: RetainedCanvas for the drawing, QtMessageService for beep and boxes) and desktop/
// (what differs between desktops and operating systems: the warning sound, what a screen reader
// is told, Qt's German texts, the icon). app/main.cpp wires them: it picks the desktop's warning
// sound and hands it to Form1.
//
// Form1 owns the tool's state: the entry table `Liste` (with its count `Z()`) and `iTxt`, which
// tells FormInfo what to show. Its input row sits in `Frame1` over the top of the drawing area,
// which is the whole window.
//
// "hinzufügen" hands the three typed texts to the core's addRequest(), which reports problems
// through a MessageService (QtMessageService: the desktop's WarningSound, then a modal box)
// and stores new combinations in `Liste`. An accepted request runs Zeichnen(): the core lays out
// every entry and draws it on a RetainedCanvas, which keeps the drawing and paints it on every
// repaint. The desktop's Announcer then tells a screen reader what the command changed.
// "Liste" and "?" set `iTxt` and show FormInfo modally; FormInfo reads `Liste` and `iTxt`.

#include "core/AddRequest.h"
#include "core/EntryTable.h"
#include "core/MessageService.h"
#include "desktop/Announcer.h"
#include "desktop/WarningSound.h"
#include "ui/QtMessageService.h"
#include "ui/RetainedCanvas.h"

#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>

class QFrame;
class QLabel;
class QPainter;
class QLineEdit;
class QPushButton;

namespace tarvisol::ui {

class Form1 : public QWidget {
    Q_OBJECT

public:
    // Message boxes modal to this window, each error box after `sound`.
    explicit Form1(desktop::WarningSound& sound, QWidget* parent = nullptr);
    // Message boxes and beeps through `messages` alone.
    explicit Form1(MessageService& messages, QWidget* parent = nullptr);

    EntryTable Liste;
    std::int16_t Z() const { return Liste.count(); }
    QString iTxt;

    void Form_Load();
    void Form_Activate();
    void Zeichnen();

    // Paints the retained drawing, as every repaint of the window does.
    void paintDrawing(QPainter& painter) { canvas_.paint(painter); }

    // What the drawing area shows, for tests and assistive technology.
    QStringList drawnLabels() const { return canvas_.printedTexts(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CommandOK_Click();
    void CommandDel_Click();
    void CommandListe_Click();
    void CommandHilfe_Click();

    void buildControls();
    void placeControls();
    void showInfo();
    void describeDrawing();
    void announceAdded(AddOutcome outcome);

    Form1(std::unique_ptr<QtMessageService> ownMessages, MessageService* messages, QWidget* parent);

    std::unique_ptr<QtMessageService> ownMessages_;
    MessageService& messages_;
    RetainedCanvas canvas_;
    desktop::Announcer announcer_;

    QFrame* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* TextFilmQ = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* TextFilmH = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* TextBrennw = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandListe = nullptr;
    QPushButton* CommandDel = nullptr;
    QPushButton* CommandHilfe = nullptr;
};

} // namespace tarvisol::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ModalAnswerer.h"
#include "WindowTest.h"
#include "ui/Form1.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

// Drives a Form1 through its controls as a user would, found by their object names.
class WindowProbe {
public:
    explicit WindowProbe(tarvisol::ui::Form1& form) : form_(form) {}

    template <typename T = QWidget> T* control(const char* name) const {
        return form_.findChild<T*>(QString::fromLatin1(name));
    }
    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }

    void type(const QString& width, const QString& height, const QString& focalLength) const {
        box("TextFilmQ")->setText(width);
        box("TextFilmH")->setText(height);
        box("TextBrennw")->setText(focalLength);
    }

    // The window as the screen shows it, in device pixels, and its two colours.
    QImage picture() const { return form_.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QRgb ink() const { return form_.palette().color(QPalette::WindowText).rgb(); }
    QRgb paper() const { return form_.palette().color(QPalette::Window).rgb(); }

    // Clicks a button that opens no modal window.
    void click(const char* name) const { button(name)->click(); }

    // Shows the window and adds its initial texts, the worked example: where most tests start.
    [[nodiscard]] bool showWorkedExample() const {
        const bool exposed = shown(form_);
        click("CommandOK");
        return exposed;
    }

    // Clicks a button that opens a message box, presses `press` in it and returns what it
    // showed; `answered` tells whether a box appeared at all.
    SeenBox clickAndAnswer(const char* name, QMessageBox::StandardButton press,
                           bool* answered = nullptr) const {
        SeenBox seen;
        ModalAnswerer answerer(pressInBox(seen, press));
        button(name)->click();
        if (answered) {
            *answered = answerer.answered() && !answerer.stuck();
        }
        return seen;
    }

    // Clicks "Liste" or "?" and returns the info window's text as it was shown.
    QString infoText(const char* buttonName, bool* answered = nullptr) const {
        QString text;
        ModalAnswerer answerer([&text](QWidget* modal) {
            if (auto* textInfo = modal->findChild<QPlainTextEdit*>(QStringLiteral("TextInfo"))) {
                text = textInfo->toPlainText();
            }
            modal->close();
        });
        button(buttonName)->click();
        if (answered) {
            *answered = answerer.answered() && !answerer.stuck();
        }
        return text;
    }

private:
    tarvisol::ui::Form1& form_;
};

// The smallest rectangle holding every pixel of `band` that `isText` picks; empty if none.
inline QRect inkBounds(const QImage& image, const QRect& band,
                       const std::function<bool(QRgb)>& isText) {
    QRect bounds;
    for (int y = band.top(); y <= band.bottom(); ++y) {
        for (int x = band.left(); x <= band.right(); ++x) {
            if (isText(image.pixel(x, y))) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

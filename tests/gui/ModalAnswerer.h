// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>

// Answers the next modal window that opens, from a timer running inside the window's own
// event loop, so the action that opened it can return. Should the handler leave the window
// open, or a further modal window appear, it is closed after a timeout and the answerer
// reports that it got stuck: no test can hang on a modal window.
class ModalAnswerer : public QObject {
public:
    using Handler = std::function<void(QWidget*)>;

    explicit ModalAnswerer(Handler handler, int timeoutMs = 5000)
        : handler_(std::move(handler)), timeoutMs_(timeoutMs) {
        connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::poll);
        timer_.start(10);
        clock_.start();
    }

    bool answered() const { return answered_; }
    bool stuck() const { return stuck_; }

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            return;
        }
        if (!answered_) {
            answered_ = true;
            clock_.restart();
            handler_(modal);
        } else if (clock_.elapsed() > timeoutMs_) {
            stuck_ = true;
            modal->close();
        }
    }

    Handler handler_;
    int timeoutMs_;
    QTimer timer_;
    QElapsedTimer clock_;
    bool answered_ = false;
    bool stuck_ = false;
};

// What a message box showed, and the button that was pressed to close it.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

inline ModalAnswerer::Handler pressInBox(SeenBox& seen, QMessageBox::StandardButton press) {
    return [&seen, press](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            modal->close();
            return;
        }
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                box->defaultButton() ? box->standardButton(box->defaultButton())
                                     : QMessageBox::NoButton};
        if (QAbstractButton* button = box->button(press)) {
            button->click();
        }
    };
}

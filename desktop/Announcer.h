// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QAccessibleInterface;
class QWidget;

namespace tarvisol::desktop {

// Tells a screen reader in a few words what a command changed, once per change, without
// moving the focus and without anything appearing on the screen.
//
// Qt 6.8 has an event for exactly this. Older Qt has none, so the message becomes the name of
// an object in the notification role that shows for a moment beside the window: screen readers
// speak such an object when it appears, as they do a desktop notification. The object is never
// a child in the window's tree, so what a reader lists or navigates stays as it was.
class Announcer : public QObject {
    Q_OBJECT

public:
    explicit Announcer(QWidget& window);
    ~Announcer() override;

    void announce(const QString& message);

    // The message last announced, empty before the first.
    QString message() const { return message_; }
    QWidget& window() const { return window_; }
    // Whether the momentary notification is up (never on Qt versions with the event).
    bool isShowing() const { return showing_; }

signals:
    // After each announcement has gone out.
    void announced(const QString& message);

private:
    void setShowing(bool showing);

    QWidget& window_;
    QString message_;
    bool showing_ = false;
    QAccessibleInterface* notification_ = nullptr;
    QTimer hideTimer_;
};

} // namespace tarvisol::desktop

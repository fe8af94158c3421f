// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/Announcer.h"

#include <QAccessible>
#include <QWidget>
#include <QtGlobal>

namespace tarvisol::desktop {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

Announcer::Announcer(QWidget& window) : QObject(&window), window_(window) {}

Announcer::~Announcer() = default;

void Announcer::announce(const QString& message) {
    message_ = message;
    QAccessibleAnnouncementEvent event(&window_, message);
    QAccessible::updateAccessibility(&event);
    emit announced(message);
}

void Announcer::setShowing(bool) {}

#else

namespace {

// The momentary notification: its name is the message. It has no place on the screen and no
// children; it names the window as its parent so a reader knows whose message it is.
class NotificationAccessible : public QAccessibleInterface {
public:
    explicit NotificationAccessible(Announcer& announcer) : announcer_(announcer) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return &announcer_; }
    QWindow* window() const override { return announcer_.window().windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(&announcer_.window());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text which) const override {
        return which == QAccessible::Name ? announcer_.message() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !announcer_.isShowing();
        state.readOnly = true;
        return state;
    }

private:
    Announcer& announcer_;
};

// Long enough for a reader to ask for the name after the event, short enough that a reader
// looking around later does not meet a stale message.
constexpr int showMilliseconds = 3000;

} // namespace

Announcer::Announcer(QWidget& window)
    : QObject(&window), window_(window), notification_(new NotificationAccessible(*this)) {
    QAccessible::registerAccessibleInterface(notification_);
    hideTimer_.setSingleShot(true);
    hideTimer_.setInterval(showMilliseconds);
    connect(&hideTimer_, &QTimer::timeout, this, [this] { setShowing(false); });
}

Announcer::~Announcer() {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(notification_));
}

void Announcer::announce(const QString& message) {
    // A reader speaks a notification as it appears, so one still up disappears first.
    setShowing(false);
    message_ = message;
    setShowing(true);
    hideTimer_.start();
    emit announced(message);
}

void Announcer::setShowing(bool showing) {
    if (showing == showing_) {
        return;
    }
    showing_ = showing;
    QAccessibleEvent event(notification_,
                           showing ? QAccessible::ObjectShow : QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&event);
}

#endif

} // namespace tarvisol::desktop

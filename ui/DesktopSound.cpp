// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesktopSound.h"

#include "ui/AppIcon.h"

#include <QApplication>
#include <canberra.h>

namespace tarvisol::ui {

DesktopSound::~DesktopSound() {
    if (context_) {
        ca_context_destroy(context_);
    }
}

void DesktopSound::ringBell() {
    QApplication::beep();
}

void DesktopSound::playThemeEvent(const std::string& eventId) {
    if (!context_) {
        if (ca_context_create(&context_) != CA_SUCCESS) {
            context_ = nullptr;
            return;
        }
        // Names the tool to the sound server, whose per-application volume and mute the user
        // may have set.
        const QByteArray id = applicationId().toUtf8();
        ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Tarvisol",
                                CA_PROP_APPLICATION_ID, id.constData(),
                                CA_PROP_APPLICATION_ICON_NAME, id.constData(), nullptr);
    }
    // Playing is asynchronous. A failure (no sound device, sounds switched off) leaves the
    // warning to the message box that follows, which is all a missing bell would leave too.
    ca_context_play(context_, 0, CA_PROP_EVENT_ID, eventId.c_str(), CA_PROP_EVENT_DESCRIPTION,
                    "Fehler", nullptr);
}

} // namespace tarvisol::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/linux/CanberraPlayer.h"

#include "desktop/AppIcon.h"

#include <cstdint>

namespace tarvisol::desktop {

namespace {

// libcanberra's property names and its success code, as its interface fixes them; declared
// here so that building the tool needs only the library's run-time package.
namespace property {
constexpr const char* applicationName = "application.name";
constexpr const char* applicationId = "application.id";
constexpr const char* applicationIconName = "application.icon_name";
constexpr const char* eventId = "event.id";
constexpr const char* eventDescription = "event.description";
constexpr const char* themeName = "canberra.xdg-theme.name";
} // namespace property
constexpr int success = 0;
// Ends the variadic property lists, which the library reads as strings.
constexpr const char* endOfProperties = nullptr;

template <typename Function>
bool resolveInto(Function& function, QLibrary& library, const char* name) {
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

} // namespace

struct CanberraPlayer::EntryPoints {
    int (*create)(ca_context** context) = nullptr;
    int (*destroy)(ca_context* context) = nullptr;
    int (*changeProps)(ca_context* context, ...) = nullptr;
    int (*play)(ca_context* context, std::uint32_t id, ...) = nullptr;
};

CanberraPlayer::CanberraPlayer(const QString& library, int majorVersion)
    : library_(library, majorVersion) {}

CanberraPlayer::~CanberraPlayer() {
    if (context_) {
        entryPoints_->destroy(context_);
    }
}

bool CanberraPlayer::openContext() {
    if (context_) {
        return true;
    }
    if (!entryPoints_) {
        if (loadTried_) {
            return false;
        }
        loadTried_ = true;
        auto points = std::make_unique<EntryPoints>();
        if (!library_.load() || !resolveInto(points->create, library_, "ca_context_create") ||
            !resolveInto(points->destroy, library_, "ca_context_destroy") ||
            !resolveInto(points->changeProps, library_, "ca_context_change_props") ||
            !resolveInto(points->play, library_, "ca_context_play")) {
            return false;
        }
        entryPoints_ = std::move(points);
    }
    if (entryPoints_->create(&context_) != success) {
        context_ = nullptr;
        return false;
    }
    // Names the tool to the sound server, whose per-application volume and mute the user may
    // have set.
    const QByteArray id = applicationId().toUtf8();
    entryPoints_->changeProps(context_, property::applicationName, "Tarvisol",
                              property::applicationId, id.constData(),
                              property::applicationIconName, id.constData(), endOfProperties);
    return true;
}

void CanberraPlayer::play(const QByteArray& eventId, const QByteArray& themeName) {
    if (!openContext()) {
        return;
    }
    // A failure (no sound device) leaves the warning to the error box, which is all a missing
    // bell would leave too.
    entryPoints_->play(context_, 0, property::eventId, eventId.constData(),
                       property::eventDescription, "Fehler", property::themeName,
                       themeName.constData(), endOfProperties);
}

} // namespace tarvisol::desktop

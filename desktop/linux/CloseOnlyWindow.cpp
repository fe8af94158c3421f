// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/CloseOnlyWindow.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

namespace tarvisol::desktop {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t atom(xcb_connection_t* connection, const QByteArray& name) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, name.size(), name.constData()), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

Reply<xcb_get_property_reply_t> property(xcb_connection_t* connection, xcb_window_t window,
                                         xcb_atom_t name, xcb_atom_t type) {
    return Reply<xcb_get_property_reply_t>(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, 1024), nullptr));
}

// The name the running window manager gives itself (EWMH: the window named on the root's
// _NET_SUPPORTING_WM_CHECK carries _NET_WM_NAME); empty without one.
QString windowManagerName(xcb_connection_t* connection, xcb_window_t root) {
    const Reply<xcb_get_property_reply_t> check =
        property(connection, root, atom(connection, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
    if (!check || check->format != 32 || xcb_get_property_value_length(check.get()) < 4) {
        return {};
    }
    const auto wm = *static_cast<xcb_window_t*>(xcb_get_property_value(check.get()));
    const Reply<xcb_get_property_reply_t> name =
        property(connection, wm, atom(connection, "_NET_WM_NAME"), atom(connection, "UTF8_STRING"));
    if (!name || name->format != 8) {
        return {};
    }
    return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(name.get())),
                             xcb_get_property_value_length(name.get()));
}

} // namespace

void offerCloseControlOnly(QWidget& window) {
    // Qt's offscreen platform also answers as an X11 application, without a connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (QGuiApplication::platformName() != QLatin1String("xcb") || connection == nullptr) {
        return;
    }
    const xcb_window_t id = static_cast<xcb_window_t>(window.winId());
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const QByteArrayList extra = closeOnlyWindowTypes(windowManagerName(connection, screen->root));
    if (extra.isEmpty()) {
        return;
    }
    const xcb_atom_t typeName = atom(connection, "_NET_WM_WINDOW_TYPE");
    std::vector<xcb_atom_t> types;
    for (const QByteArray& name : extra) {
        types.push_back(atom(connection, name));
    }
    // Qt wrote its own types when it created the window and does not write them again on
    // showing; they follow ours.
    const Reply<xcb_get_property_reply_t> qtTypes =
        property(connection, id, typeName, XCB_ATOM_ATOM);
    if (qtTypes && qtTypes->format == 32) {
        const auto* first = static_cast<const xcb_atom_t*>(xcb_get_property_value(qtTypes.get()));
        types.insert(types.end(), first, first + xcb_get_property_value_length(qtTypes.get()) / 4);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, typeName, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(types.size()), types.data());
    xcb_flush(connection);
}

} // namespace tarvisol::desktop

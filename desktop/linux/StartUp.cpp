// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/StartUp.h"

#include <QByteArray>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace tarvisol::desktop {

namespace {

constexpr const char* noDisplayNamed =
    "tarvisol: Keine Anzeige gefunden: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt.\n";
constexpr const char* displayUnreachable =
    "tarvisol: Keine Anzeige gefunden: die in DISPLAY oder WAYLAND_DISPLAY genannte Anzeige "
    "ist nicht erreichbar.\n";

[[noreturn]] void endWith(const char* line) {
    std::fputs(line, stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

// Qt's platforms that draw without any display (tests, rendering, framebuffers).
bool platformNeedsNoDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return !platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland");
}

QtMessageHandler qtHandler = nullptr;

// Qt reports a window system it cannot open as a fatal message, then aborts; its warnings
// before (which display it tried) still go out as Qt writes them.
void endOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        endWith(displayUnreachable);
    }
    qtHandler(type, context, message);
}

} // namespace

std::unique_ptr<QApplication> startApplication(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !platformNeedsNoDisplay()) {
        endWith(noDisplayNamed);
    }
    qtHandler = qInstallMessageHandler(endOnFatal);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtHandler);
    return application;
}

} // namespace tarvisol::desktop

// SPDX-License-Identifier: GPL-3.0-or-later
// The warning sound on a real Wayland compositor (run-under-weston.sh). Qt has no bell there,
// so a rejected request must ask the sound theme for its bell, once, before the error box.

#include "WindowProbe.h"

#include <QtTest>
#include <canberra.h>
#include <cstdarg>
#include <cstring>

namespace {
QStringList requestedEvents;
}

// Stands in for libcanberra's own, which this executable would otherwise call: records the
// requested event instead of playing it, so the test stays silent on a machine with speakers.
extern "C" int ca_context_play(ca_context* context, uint32_t id, ...) {
    va_list properties;
    va_start(properties, id);
    QString event = QStringLiteral("<no event id>");
    while (const char* key = va_arg(properties, const char*)) {
        const char* value = va_arg(properties, const char*);
        if (std::strcmp(key, CA_PROP_EVENT_ID) == 0) {
            event = QString::fromUtf8(value);
        }
    }
    va_end(properties);
    requestedEvents.append(context ? event : event + QStringLiteral(" without a context"));
    return CA_SUCCESS;
}

class WaylandSoundTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(!QApplication::activeModalWidget()); }

    // State: the window on weston. Action: a focal length that is no number.
    // Expected: the theme's bell requested once, and already when the box appears.
    void rejectedRequestRequestsTheThemeBellBeforeTheBox() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        tarvisol::ui::Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        WindowProbe probe(form);
        probe.type("36", "24", "abc");
        QStringList heardBeforeTheBox;
        QString boxTitle;
        ModalAnswerer answerer([&](QWidget* modal) {
            heardBeforeTheBox = requestedEvents;
            boxTitle = modal->windowTitle();
            modal->close();
        });
        probe.click("CommandOK");
        QVERIFY(answerer.answered() && !answerer.stuck());
        QCOMPARE(boxTitle, QStringLiteral("Fehler"));
        QCOMPARE(heardBeforeTheBox, QStringList{"bell"});
        QCOMPARE(requestedEvents, QStringList{"bell"});
    }
};

QTEST_MAIN(WaylandSoundTest)
#include "tst_wayland_sound.moc"

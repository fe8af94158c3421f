// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

// Reports, once the watched window has been painted for the first time, how long ago the
// launcher started this process (it passes its CLOCK_MONOTONIC start in STARTUP_T0_NS), then
// ends the process at once so teardown does not count.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool painted = event->type() == QEvent::Paint;
        const bool result = QObject::eventFilter(watched, event);
        if (painted) {
            QMetaObject::invokeMethod(
                this, [] { report(); }, Qt::QueuedConnection);
        }
        return result;
    }

private:
    static void report() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const char* t0 = std::getenv("STARTUP_T0_NS");
        const long long start = t0 ? std::atoll(t0) : 0;
        const long long elapsed = now.tv_sec * 1000000000LL + now.tv_nsec - start;
        std::printf("%lld\n", elapsed);
        std::fflush(stdout);
        _exit(0);
    }
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecordingSound.h"
#include "TestTables.h"

#include <QApplication>
#include <QRect>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <initializer_list>

// The window's geometry at 96 logical dpi, where one pixel is 15 twips.
namespace geometry {
constexpr int twipsPerPixel = 15;
// The client area is the drawing area, 10035 x 7425 twips.
constexpr QSize initialSize(669, 495);
// The worked example's outline, corners (304.6, 900) and (9730.4, 7325) twips: 20.3, 60,
// 648.7 and 488.3 pixels, rounded.
constexpr QRect workedExampleOutline(QPoint(20, 60), QPoint(649, 488));
} // namespace geometry

// Shows a window and waits until the window system has exposed it.
[[nodiscard]] inline bool shown(QWidget& window) {
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

// One Qt Test data row per list: the row's name, then one text per column.
inline void addTextRows(std::initializer_list<const char*> columns,
                        std::initializer_list<QStringList> rows) {
    for (const char* column : columns) {
        QTest::addColumn<QString>(column);
    }
    for (const QStringList& row : rows) {
        QTestData& data = QTest::newRow(qPrintable(row.first()));
        for (qsizetype i = 1; i < row.size(); ++i) {
            data << row[i];
        }
    }
}

// Every window test ends with no modal window and no top-level window left open, so that no
// test sees what an earlier one left behind.
class WindowTest : public QObject {
    Q_OBJECT

protected:
    // The warning sound of every window the test makes.
    RecordingSound sound;

protected slots:
    void cleanup() {
        QVERIFY(!QApplication::activeModalWidget());
        QTRY_VERIFY(std::ranges::none_of(QApplication::topLevelWidgets(), &QWidget::isVisible));
    }
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The input row under every style a user may have: each typed value shows whole from its first
// character, every caption and button text fits, and the row keeps a visible frame. Each row
// changes the application's style while the window is open, as a desktop's settings may.
//
// Where the suite asks for the styles the test machines install (TARVISOL_REQUIRE_STYLES, set by
// make test), one that the release packages for Qt 6 must be there: a missing one fails. Other
// missing styles are skipped: Breeze on Debian 12, which has it for Qt 5 only, and any style
// not installed in a distribution's package build.

#include "WindowProbe.h"
#include "WindowTest.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QStyleOption>
#include <QtTest>
#include <cstdlib>

using tarvisol::ui::Form1;

namespace {

// Debian's major release, 0 elsewhere.
int debianRelease() {
    QFile osRelease(QStringLiteral("/etc/os-release"));
    if (!osRelease.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QString text = QString::fromUtf8(osRelease.readAll());
    static const QRegularExpression debian(QStringLiteral("^ID=\"?debian\"?$"),
                                           QRegularExpression::MultilineOption);
    static const QRegularExpression version(QStringLiteral("^VERSION_ID=\"?(\\d+)"),
                                            QRegularExpression::MultilineOption);
    return debian.match(text).hasMatch() ? version.match(text).captured(1).toInt() : 0;
}

// Where the text cursor stands: the middle of the rectangle that the box gives input methods,
// which reaches a few pixels to either side of it.
int cursorX(const QLineEdit& box) {
    const QRect r = box.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    return r.left() + r.width() / 2;
}

bool styleInstalled(const QString& key) {
    return QStyleFactory::keys().contains(key, Qt::CaseInsensitive);
}

// Lightness difference from the window's colour that a line needs to be seen.
constexpr int visibleContrast = 40;

bool edgeShows(const QImage& image, const QRect& band, const QColor& paper) {
    for (int y = band.top(); y <= band.bottom(); ++y) {
        for (int x = band.left(); x <= band.right(); ++x) {
            if (std::abs(image.pixelColor(x, y).lightness() - paper.lightness()) >=
                visibleContrast) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class InputRowStylesTest : public WindowTest {
    Q_OBJECT

private slots:
    void everyTextShowsWhole_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("package"); // empty: built into Qt
        QTest::addColumn<int>("fromRelease"); // the Debian release that has it for Qt 6
        QTest::newRow("Fusion") << "Fusion" << QString() << 12;
        QTest::newRow("Windows") << "Windows" << QString() << 12;
        QTest::newRow("Adwaita") << "Adwaita"
                                 << "adwaita-qt6" << 12;
        QTest::newRow("Adwaita-Dark") << "Adwaita-Dark"
                                      << "adwaita-qt6" << 12;
        QTest::newRow("Breeze") << "Breeze"
                                << "kde-style-breeze" << 13;
    }

    // State: the window open under some style. Action: the application's style changes, then
    // values of up to six characters are typed into each box. Expected: the boxes follow the
    // new style; each value fits the box's content rectangle and starts at its left, unscrolled;
    // every caption fits; the row's frame shows on all four sides.
    void everyTextShowsWhole() {
        QFETCH(QString, style);
        QFETCH(QString, package);
        QFETCH(int, fromRelease);
        if (!styleInstalled(style)) {
            const bool required = qEnvironmentVariableIsSet("TARVISOL_REQUIRE_STYLES");
            if (required && debianRelease() >= fromRelease) {
                QFAIL(qPrintable(QStringLiteral("style %1 missing: install %2 (make test does)")
                                     .arg(style, package)));
            }
            QSKIP("this system has no such style for Qt 6, or the suite asks for none");
        }

        Form1 form(sound);
        QVERIFY(shown(form));
        QApplication::setStyle(style);
        WindowProbe probe(form);
        for (const char* name : {"TextFilmQ", "TextFilmH", "TextBrennw"}) {
            QLineEdit* box = probe.box(name);
            const auto* proxy = qobject_cast<const QProxyStyle*>(box->style());
            QVERIFY2(proxy, name);
            QCOMPARE(proxy->baseStyle()->name(), style.toLower());
            for (const QString& value :
                 {QStringLiteral("5000,5"), QStringLiteral("23,5"), QStringLiteral("15,6"),
                  QStringLiteral("1000"), QStringLiteral("80")}) {
                QString where = QStringLiteral("%1 in %2").arg(value, QLatin1String(name));
                box->setText(value); // the cursor after the last character, as typed
                box->repaint();      // where the box decides how far to scroll
                const int end = cursorX(*box);
                box->setCursorPosition(0);
                box->repaint();
                const int start = cursorX(*box);

                QStyleOptionFrame option;
                option.initFrom(box);
                option.rect = box->contentsRect();
                option.lineWidth =
                    box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
                const QRect contents =
                    box->style()
                        ->subElementRect(QStyle::SE_LineEditContents, &option, box)
                        .marginsRemoved(box->textMargins());
                const QFontMetrics metrics(box->font());
                const int advance = metrics.horizontalAdvance(value);
                where += QStringLiteral(": text from %1 to %2, %3 wide; content from %4 to %5")
                             .arg(start)
                             .arg(end)
                             .arg(advance)
                             .arg(contents.left())
                             .arg(contents.right());
                // QLineEdit keeps 2 pixels from the content's edges and 1 for the cursor.
                QVERIFY2(advance + 2 * 2 + 1 <= contents.width(), qPrintable(where));
                QVERIFY2(metrics.height() <= contents.height(), qPrintable(where));
                QVERIFY2(box->rect().contains(contents), qPrintable(where));
                // Unscrolled: the first character at the content's left, and the cursor after
                // the last one as far from it as the text is wide, still inside.
                QVERIFY2(start >= contents.left() && start <= contents.left() + 2,
                         qPrintable(where));
                QVERIFY2(std::abs(end - start - advance) <= 1, qPrintable(where));
                QVERIFY2(end <= contents.right(), qPrintable(where));
            }
        }

        for (const char* name : {"CommandOK", "CommandListe", "CommandDel", "CommandHilfe"}) {
            QPushButton* button = probe.button(name);
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect contents =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= contents.width(),
                     name);
            QVERIFY2(button->fontMetrics().height() <= contents.height(), name);
        }
        for (const char* name : {"Label1", "Label2", "Label3"}) {
            auto* label = probe.control<QLabel>(name);
            const QRect needed = label->fontMetrics().boundingRect(
                QRect(0, 0, 10000, 10000), Qt::AlignLeft | Qt::AlignTop, label->text());
            QVERIFY2(needed.width() <= label->contentsRect().width(), name);
            QVERIFY2(needed.height() <= label->contentsRect().height(), name);
        }

        auto* frame = probe.control<QFrame>("Frame1");
        const QImage image = frame->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal scale = image.devicePixelRatio();
        const QRect all(0, 0, image.width(), image.height());
        const int band = int(2 * scale);
        const QColor paper = form.palette().color(QPalette::Window);
        const int middleX = all.width() / 2;
        const int middleY = all.height() / 2;
        QVERIFY2(edgeShows(image, QRect(middleX, 0, 1, band), paper), "top");
        QVERIFY2(edgeShows(image, QRect(middleX, all.height() - band, 1, band), paper), "bottom");
        QVERIFY2(edgeShows(image, QRect(0, middleY, band, 1), paper), "left");
        QVERIFY2(edgeShows(image, QRect(all.width() - band, middleY, band, 1), paper), "right");
    }
};

QTEST_MAIN(InputRowStylesTest)
#include "tst_input_row_styles.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main window after the worked example, and the info window with the list and
// with the help text, to PNG files in the folder given as the only argument.

#include "desktop/DesktopWarningSound.h"
#include "ui/Form1.h"
#include "ui/FormInfo.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <cstdio>

namespace {

using tarvisol::ui::Form1;
using tarvisol::ui::FormInfo;

bool save(QWidget& window, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    const bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

bool saveInfo(Form1& form1, const QString& mode, const QDir& folder, const QString& name) {
    form1.iTxt = mode;
    FormInfo info(form1);
    info.show();
    QTest::qWait(50);
    return save(info, folder, name);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    folder.mkpath(QStringLiteral("."));

    tarvisol::desktop::DesktopWarningSound sound(QGuiApplication::platformName());
    Form1 form1(sound);
    form1.show();
    QTest::qWait(50);
    form1.findChild<QPushButton*>(QStringLiteral("CommandOK"))->click();
    const QList<std::array<const char*, 3>> more{
        {"24", "36", "50"}, {"36", "24", "200"}, {"23,6", "15,7", "35"}};
    for (const auto& [w, h, f] : more) {
        form1.findChild<QLineEdit*>(QStringLiteral("TextFilmQ"))->setText(QString::fromUtf8(w));
        form1.findChild<QLineEdit*>(QStringLiteral("TextFilmH"))->setText(QString::fromUtf8(h));
        form1.findChild<QLineEdit*>(QStringLiteral("TextBrennw"))->setText(QString::fromUtf8(f));
        form1.findChild<QPushButton*>(QStringLiteral("CommandOK"))->click();
    }
    QTest::qWait(50);

    const QString suffix = form1.devicePixelRatioF() > 1
                               ? QStringLiteral("@%1x").arg(form1.devicePixelRatioF())
                               : QString();
    bool ok = save(form1, folder, QStringLiteral("main-window%1.png").arg(suffix));
    ok = saveInfo(form1, QStringLiteral("l"), folder,
                  QStringLiteral("info-list%1.png").arg(suffix)) &&
         ok;
    ok = saveInfo(form1, QStringLiteral("h"), folder,
                  QStringLiteral("info-help%1.png").arg(suffix)) &&
         ok;
    return ok ? 0 : 1;
}

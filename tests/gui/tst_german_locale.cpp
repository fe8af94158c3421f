// SPDX-License-Identifier: GPL-3.0-or-later
// Run with LC_ALL=de_DE.UTF-8: shown numbers take the comma, typed ones may use either.

#include "WindowProbe.h"
#include "WindowTest.h"

#include <QtTest>

using tarvisol::ui::Form1;

class GermanLocaleTest : public WindowTest {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(",")); }

    void labelsAndListUseTheComma() {
        Form1 form(sound);
        WindowProbe probe(form);
        probe.click("CommandOK");
        probe.type("23.6", "15,7", "50");
        probe.click("CommandOK");
        QCOMPARE(form.drawnLabels(), (QStringList{QStringLiteral("36x24 50mm / 39,6x27,0°"),
                                                  QStringLiteral("23,6x15,7 50mm / 26,6x17,8°")}));
        QCOMPARE(probe.infoText("CommandListe"),
                 QStringLiteral("36x24\t50\t39,60 x 26,99°\t2375,9 x 1619,5'\n"
                                "23,6x15,7\t50\t26,56 x 17,85°\t1593,5 x 1070,7'\n"));
    }
};

QTEST_MAIN(GermanLocaleTest)
#include "tst_german_locale.moc"

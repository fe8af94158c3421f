// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// What the window tests expect, written once: texts word for word, and the captions' size.
namespace expected {
inline const QString workedExampleLabel = QStringLiteral("36x24 50mm / 39.6x27.0°");
inline const QString workedExampleLine =
    QStringLiteral("36x24\t50\t39.60 x 26.99°\t2375.9 x 1619.5'");
// The captions' size in their platform's family: Linux's narrow one fits every caption at the
// full 8 points. Windows' Tahoma is wider; its size is whatever fits the room, which is tested
// apart, so a real Windows' Tahoma needs no figure measured under Wine's. Where the family is
// missing, what brings it.
#ifdef Q_OS_WIN
inline constexpr std::optional<double> captionPointSize;
inline const QString captionFamilySource =
    QStringLiteral("Windows ships it; under Wine, tools/run-under-wine.sh copies fonts-wine's "
                   "fonts into a new prefix");
#else
inline constexpr std::optional<double> captionPointSize = 8.0;
inline const QString captionFamilySource = QStringLiteral(
    "install fonts-liberation-sans-narrow (Debian 13) or fonts-liberation (Debian 12)");
#endif
inline const QString notNumeric = QStringLiteral("Falsche Zahleneingabe. (Komma = '.')");

// The buttons' tooltips, which a screen reader reads as their descriptions.
namespace tooltip {
inline const QString commandOK = QStringLiteral("Werte berechnen und einzeichnen");
inline const QString commandListe = QStringLiteral("Liste der numerischen Werte");
inline const QString commandDel = QStringLiteral("die Liste löschen");
inline const QString commandHilfe = QStringLiteral("Hilfe und Programminfos");
} // namespace tooltip
} // namespace expected

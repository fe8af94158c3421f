// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <string>
#include <string_view>

namespace tarvisol::ui {

// The core speaks UTF-8 with CR LF line ends; Qt's text widgets want QString with plain LF.
inline QString fromCore(std::string_view text) {
    QString result = QString::fromUtf8(text.data(), qsizetype(text.size()));
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return result;
}

inline std::string toCore(const QString& text) {
    return text.toStdString();
}

// Shown numbers take the user's decimal separator, and typed ones may use it; the drawing, the
// list and the add request ask here alike.
inline std::string decimalSeparator() {
    return toCore(QLocale::system().decimalPoint());
}

} // namespace tarvisol::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/AllowedRange.h"

#include <string>

// Every text the tool shows in a message box, kept together so their wording is read and
// changed in one place.
namespace tarvisol::messages {

inline const std::string errorTitle = "Fehler";
inline const std::string notNumeric = "Falsche Zahleneingabe. (Komma = '.')";
inline const std::string outOfRange = "Falsche Werteingabe. Filmformat " + formatRange.text() +
                                      " mm, Brennw. " + focalLengthRange.text() + " mm.";
inline const std::string tableFull = "Keine weiteren Daten mehr möglich.";

inline const std::string deleteTitle = "löschen";
inline const std::string deleteQuestion = "Die Liste und alle Einträge wirklich löschen?";

} // namespace tarvisol::messages

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Every text the tool shows in a message box, kept together so their wording is read and
// changed in one place.
namespace tarvisol::messages {

inline const std::string errorTitle = "Fehler";
inline const std::string notNumeric = "Falsche Zahleneingabe. (Komma = '.')";
inline const std::string outOfRange =
    "Falsche Werteingabe. Filmformat 5 - 1000 mm, Brennw. 10 - 5000 mm.";
inline const std::string tableFull = "Keine weiteren Daten mehr möglich.";

inline const std::string deleteTitle = "löschen";
inline const std::string deleteQuestion = "Die Liste und alle Einträge wirklich löschen?";

} // namespace tarvisol::messages

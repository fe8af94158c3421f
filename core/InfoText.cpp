// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/InfoText.h"

#include "core/AllowedRange.h"
#include "core/NumberFormat.h"
#include "core/Version.h"

#include <array>

namespace tarvisol {

namespace {

constexpr std::string_view lineEnd = "\r\n";

constexpr std::string_view titleBeforeVersion = "Tarvisol v";
constexpr std::string_view creditLine1 = "Entwickelt vom Tarvisol-Team, © ";
constexpr std::array<std::string_view, 3> creditLines2to4{
    "Ein Werkzeug für Fotografinnen und Fotografen",
    "zum Vergleich der Bildwinkel von Formaten und Objektiven.",
    "Alle Angaben ohne Gewähr.",
};
constexpr std::string_view creditLine5 = "Anregungen und Fehlerberichte sind jederzeit willkommen.";

constexpr std::string_view aboutTheDrawing =
    "Das Programm berechnet und zeichnet das scheinbare Gesichtsfeld versch. Foto- und "
    "Filmkameras in Abhängigkeit von der Objektivbrennweite. Die Bildfelder werden berechneten "
    "und nur in relativer Größe zueinander gezeichnet und mit den Daten sowie den Bildwinkeln "
    "in Grad beschriftet.";

// Names the bounds that the range check itself uses.
std::string howToAdd() {
    return "Geben Sie zuerst die Größe ihres Film- bzw. Chipformates in mm ein. " +
           formatRange.text() +
           " mm sind die erlaubten Werte. Komma kann als '.' oder ',' eingegeben werden. Hoch- "
           "und Querformat können Sie durch Tausch der Werte auswählen. Geben Sie dann die echte "
           "Objektivbrennweite in mm ein. " +
           focalLengthRange.text() +
           " mm sind die erlaubten Werte. NICHT die Crop-Brennweite eingeben! Nun auf "
           "'hinzufügen' klicken, dann werden die Werte berechnet und das scheinbare Bildfeld "
           "gezeichnet. Das können Sie nun beliebig oft wiederholen.";
}

constexpr std::array<std::string_view, 4> closingParagraphs{
    "Basis für die Grafik ist immer das größte berechnete Bildfeld, d.h. wenn Sie nachträglich "
    "ein größeres Bildfeld bekommen, werden die bisherigen automatisch kleiner gezeichnet.",
    "Mit 'Liste' wird eine Liste der numerischen Werte ausgegeben.",
    "Mit 'löschen' wird der Bildschirm gelöscht und Sie können neue Werte eingeben. Ein "
    "einzelner Wert bzw. Eintrag kann nachträglich nicht mehr gelöscht werden.",
    "Das Programmfenster können Sie beliebig verkleinern und bis zum Vollbild vergrößern. "
    "Klicken Sie anschließend nochmal auf 'hinzufügen', dann wird die Grafik der neuen "
    "Bildschirmgröße angepasst.",
};

void appendLine(std::string& text, std::string_view line) {
    text += line;
    text += lineEnd;
}

} // namespace

std::string helpText(int year) {
    std::string text;
    appendLine(text, std::string(titleBeforeVersion) + std::string(version));
    appendLine(text, "");
    appendLine(text, std::string(creditLine1) + formatNumber(year, NumberPattern::General, "."));
    for (const auto line : creditLines2to4) {
        appendLine(text, line);
    }
    appendLine(text, "");
    appendLine(text, creditLine5);
    appendLine(text, "");
    auto appendParagraph = [&text](std::string_view paragraph) {
        appendLine(text, paragraph);
        appendLine(text, "");
    };
    appendParagraph(aboutTheDrawing);
    appendParagraph(howToAdd());
    for (const auto paragraph : closingParagraphs) {
        appendParagraph(paragraph);
    }
    return text;
}

std::string valueList(const EntryTable& table, std::string_view separator) {
    std::string text;
    const int count = table.count();
    for (int row = 1; row <= count; ++row) {
        auto cell = [&](EntryTable::Column column) { return table.value(column, row); };
        auto format = [&](double value, NumberPattern pattern) {
            return formatNumber(value, pattern, separator);
        };
        const double a = cell(EntryTable::HorizontalAngle);
        const double b = cell(EntryTable::VerticalAngle);
        text += format(cell(EntryTable::Width), NumberPattern::General) + "x" +
                format(cell(EntryTable::Height), NumberPattern::General) + "\t" +
                format(cell(EntryTable::FocalLength), NumberPattern::General) + "\t" +
                format(a, NumberPattern::ZeroDotZeroZero) + " x " +
                format(b, NumberPattern::ZeroDotZeroZero) + "°\t" +
                format(60 * a, NumberPattern::ZeroDotZero) + " x " +
                format(60 * b, NumberPattern::ZeroDotZero) + "'";
        text += lineEnd;
    }
    return text;
}

InfoMode infoMode(std::string_view iTxt) {
    if (iTxt == "h") {
        return InfoMode::Help;
    }
    if (iTxt == "l") {
        return InfoMode::List;
    }
    return InfoMode::None;
}

std::string infoText(InfoMode mode, const EntryTable& table, int year,
                     std::string_view decimalSeparator) {
    switch (mode) {
    case InfoMode::Help:
        return helpText(year);
    case InfoMode::List:
        return valueList(table, decimalSeparator);
    case InfoMode::None:
        break;
    }
    return {};
}

} // namespace tarvisol

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/InfoText.h"

#include "TestTables.h"
#include "core/FieldLayout.h"
#include "core/Version.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace tarvisol {
namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = text.find("\r\n"); end != std::string::npos;
         start = end + 2, end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text does not end with CR LF";
    return lines;
}

// Tables get their angles the way the window does: from a drawing's layout.
EntryTable drawnTable(std::initializer_list<std::array<double, 3>> entries) {
    EntryTable table = testing::tableOf(entries);
    FieldLayout(table, testing::initialWidth, testing::initialHeight);
    return table;
}

TEST(HelpTextTest, HasItsFixedShape) {
    const std::string text = helpText(2026);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 21);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 21);
    EXPECT_TRUE(text.ends_with("\r\n\r\n"));

    const auto lines = splitLines(text);
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], "Tarvisol v" + std::string(version));
    EXPECT_TRUE(lines[2].ends_with(" 2026")) << lines[2];
    for (int empty : {1, 6, 8, 10, 12, 14, 16, 18, 20}) {
        EXPECT_EQ(lines[std::size_t(empty)], "") << "line " << empty + 1;
    }
    for (int credit : {2, 3, 4, 5, 7}) {
        EXPECT_FALSE(lines[std::size_t(credit)].empty()) << "line " << credit + 1;
    }
    for (std::size_t p = 9; p <= 19; p += 2) {
        const auto& paragraph = lines[p];
        EXPECT_NE(paragraph.front(), ' ');
        EXPECT_NE(paragraph.back(), ' ');
        EXPECT_EQ(paragraph.find("  "), std::string::npos);
    }
}

TEST(HelpTextTest, ParagraphsWordForWord) {
    const auto lines = splitLines(helpText(1999));
    EXPECT_TRUE(lines[2].ends_with("1999"));
    EXPECT_EQ(lines[9], "Das Programm berechnet und zeichnet das scheinbare Gesichtsfeld versch. "
                        "Foto- und Filmkameras in Abhängigkeit von der Objektivbrennweite. Die "
                        "Bildfelder werden berechneten und nur in relativer Größe zueinander "
                        "gezeichnet und mit den Daten sowie den Bildwinkeln in Grad beschriftet.");
    EXPECT_EQ(lines[11],
              "Geben Sie zuerst die Größe ihres Film- bzw. Chipformates in mm ein. 5 - 1000 mm "
              "sind die erlaubten Werte. Komma kann als '.' oder ',' eingegeben werden. Hoch- und "
              "Querformat können Sie durch Tausch der Werte auswählen. Geben Sie dann die echte "
              "Objektivbrennweite in mm ein. 10 - 5000 mm sind die erlaubten Werte. NICHT die "
              "Crop-Brennweite eingeben! Nun auf 'hinzufügen' klicken, dann werden die Werte "
              "berechnet und das scheinbare Bildfeld gezeichnet. Das können Sie nun beliebig oft "
              "wiederholen.");
    EXPECT_EQ(lines[13], "Basis für die Grafik ist immer das größte berechnete Bildfeld, d.h. wenn "
                         "Sie nachträglich ein größeres Bildfeld bekommen, werden die bisherigen "
                         "automatisch kleiner gezeichnet.");
    EXPECT_EQ(lines[15], "Mit 'Liste' wird eine Liste der numerischen Werte ausgegeben.");
    EXPECT_EQ(lines[17], "Mit 'löschen' wird der Bildschirm gelöscht und Sie können neue Werte "
                         "eingeben. Ein einzelner Wert bzw. Eintrag kann nachträglich nicht mehr "
                         "gelöscht werden.");
    EXPECT_EQ(lines[19], "Das Programmfenster können Sie beliebig verkleinern und bis zum Vollbild "
                         "vergrößern. Klicken Sie anschließend nochmal auf 'hinzufügen', dann wird "
                         "die Grafik der neuen Bildschirmgröße angepasst.");
}

struct ListCase {
    const char* name;
    std::array<double, 3> entry;
    const char* line;
};

void PrintTo(const ListCase& c, std::ostream* os) {
    *os << c.name;
}

class ValueListLine : public ::testing::TestWithParam<ListCase> {};

TEST_P(ValueListLine, ShowsDegreesAndArcMinutes) {
    const auto table = drawnTable({GetParam().entry});
    EXPECT_EQ(valueList(table, "."), std::string(GetParam().line) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValueListLine,
    ::testing::Values(
        ListCase{"WorkedExample", {36, 24, 50}, "36x24\t50\t39.60 x 26.99°\t2375.9 x 1619.5'"},
        ListCase{"Portrait", {24, 36, 50}, "24x36\t50\t26.99 x 39.60°\t1619.5 x 2375.9'"},
        ListCase{"NarrowestField", {5, 5, 5000}, "5x5\t5000\t0.06 x 0.06°\t3.4 x 3.4'"},
        ListCase{
            "WidestField", {1000, 1000, 10}, "1000x1000\t10\t177.71 x 177.71°\t10662.5 x 10662.5'"},
        ListCase{"Decimals", {23.6, 15.7, 50}, "23.6x15.7\t50\t26.56 x 17.85°\t1593.5 x 1070.7'"}),
    [](const auto& info) { return info.param.name; });

TEST(ValueListTest, CommaSeparator) {
    const auto table = drawnTable({{36, 24, 50}});
    EXPECT_EQ(valueList(table, ","), "36x24\t50\t39,60 x 26,99°\t2375,9 x 1619,5'\r\n");
}

TEST(ValueListTest, ListsOnlyCurrentEntries) {
    auto table = drawnTable({{36, 24, 50}, {24, 36, 50}});
    EXPECT_EQ(splitLines(valueList(table, ".")).size(), 2u);
    table.clear();
    EXPECT_EQ(valueList(table, "."), "");
    table.store(6, 6, 100);
    FieldLayout(table, testing::initialWidth, testing::initialHeight);
    const auto lines = splitLines(valueList(table, "."));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].starts_with("6x6\t100\t"));
}

TEST(ValueListTest, FullTableGives999Lines) {
    EntryTable table = testing::tableOf({});
    for (int i = 1; i <= 999; ++i) {
        table.store(5 + i * 0.25, 24, 50);
    }
    FieldLayout(table, testing::initialWidth, testing::initialHeight);
    EXPECT_EQ(splitLines(valueList(table, ".")).size(), 999u);
}

TEST(InfoTextTest, ModeSelectsTheText) {
    const auto table = drawnTable({{36, 24, 50}});
    auto shown = [&](std::string_view iTxt) { return infoText(infoMode(iTxt), table, 2026, "."); };
    EXPECT_EQ(shown("h"), helpText(2026));
    EXPECT_EQ(shown("l"), valueList(table, "."));
    for (const char* other : {"", "H", "L", "hl", " l"}) {
        EXPECT_EQ(shown(other), "") << '"' << other << '"';
    }
}

} // namespace
} // namespace tarvisol

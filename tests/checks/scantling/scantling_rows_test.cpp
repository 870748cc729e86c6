// The scantling and yield rows of the result list, built from a full set of checks.
#include <gtest/gtest.h>

#include "checks/scantling/scantling.h"
#include "scantling_case.h"

namespace veltar {
namespace {

using test::ScantlingCase;
using test::ScantlingTables;

void RunChecks(Case& c) {
    const Tables tables = ScantlingTables();
    PlateYield(c);
    StiffenerYield(c);
    PlateScantling(c);
    StiffenerScantling(c, tables);
    GirderScantling(c, tables);
}

struct ExpectedRow {
    RowStyle style;
    const char* text;
    const char* value;
    int colour;
};

TEST(ScantlingRows, DefaultCaseListsEighteenRows) {
    Case c = ScantlingCase();
    RunChecks(c);
    c.ResultRow = 1;
    ShowScantlingResults(c);
    const ExpectedRow expected[] = {
        {RowStyle::Note,
         "Rule/Scantling/Yield: ABS, Mobile Offshore Drilling Units, Part 3 Hull Construction "
         "and equipment)", "", 0},
        {RowStyle::Heading, "PLATE SCANTLING:", "", 0},
        {RowStyle::Result, "Plate 1: UF = tmin/t = 6.76/20.00 = ", "0.34", 2},
        {RowStyle::Heading, "STIFFENER SCANTLING:", "", 0},
        {RowStyle::Note, "Effective width sw = 625.0 mm ", "", 0},
        {RowStyle::Result, "UF = SM/Weffmin  = 118.5/80.3 = ", "1.47", 4},
        {RowStyle::Heading, "GIRDER SCANTLING:", "", 0},
        {RowStyle::Note, "Effective width sw = 2640.0 mm ", "", 0},
        {RowStyle::Result, "UF = SM/Weffmin  = 2111.7/5036.8 = ", "0.42", 2},
        {RowStyle::Result, "Min depth of girder = 750.0 mm", "OK", 2},
        {RowStyle::Result, "Min thickness of web = 11.0 mm", "NOK", 4},
        {RowStyle::Result, "Max distance between tripping brackets = 3000 mm", "OK", 2},
        {RowStyle::Heading, "PLATE YIELD CONTROL:", "", 0},
        {RowStyle::Result, "Point: A:  UF = F.S.*Sigeq/Fy = 1.43*112.7/235.0 = ", "0.69", 2},
        {RowStyle::Heading, "STIFFENER YIELD CHECK:", "", 0},
        {RowStyle::Note,
         "Effective width sw = 625.0 mm (check at points 1-3, plate(p) and stiffener(s)). ", "",
         0},
        {RowStyle::Result, "Point 2p: UF = F.S.*Sigeq/Fy  = 1.43*117.1/235.0 = ", "0.71", 2},
        {RowStyle::Result, "Point 1s: UF = F.S.*Sigeq/Fy  = 1.43*275.0/235.0 = ", "1.67", 4},
    };
    ASSERT_EQ(c.Rows.size(), std::size(expected));
    for (size_t i = 0; i < c.Rows.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i + 1);
        EXPECT_EQ(c.Rows[i].style, expected[i].style);
        EXPECT_EQ(c.Rows[i].text, expected[i].text);
        EXPECT_EQ(c.Rows[i].value, expected[i].value);
        EXPECT_EQ(c.Rows[i].colour, expected[i].colour);
    }
    EXPECT_EQ(c.Rows[2].reference, "  < 1.0  (3-2-2/9.3)");
    EXPECT_EQ(c.Rows[11].reference, "  (3-2-2/9.9.3)");
    EXPECT_EQ(c.ResultRow, 18);
}

TEST(ScantlingRows, AfterBucklingRowsIndexContinues) {
    Case c = ScantlingCase();
    RunChecks(c);
    c.Rows.resize(9);  // rows of an earlier part of the list
    c.ResultRow = 10;
    ShowScantlingResults(c);
    EXPECT_EQ(c.Rows.size(), 27u);
    EXPECT_EQ(c.ResultRow, 27);
}

TEST(ScantlingRows, WithoutSectionModulusLinesGirderLinesStay) {
    Case c = ScantlingCase();
    c.ps = 0.0;  // no required modulus: neither modulus line is written
    RunChecks(c);
    c.ResultRow = 1;
    ShowScantlingResults(c);
    ASSERT_EQ(c.Rows.size(), 12u);
    EXPECT_EQ(c.Rows[2].text, "Plate 1: UF = tmin/t = 6.67/20.00 = ");  // 625/150 + 2.5
    EXPECT_EQ(c.Rows[3].text, "Min depth of girder = 750.0 mm");
    EXPECT_EQ(c.Rows[6].text, "PLATE YIELD CONTROL:");
    EXPECT_EQ(c.ResultRow, 12);
}

TEST(ScantlingRows, LinesNotWrittenAreLeftOut) {
    Case c = ScantlingCase();
    c.DecSep = 1;
    c.ResultRow = 1;
    ShowScantlingResults(c);  // no check has run: every line is empty
    ASSERT_EQ(c.Rows.size(), 3u);
    EXPECT_EQ(c.Rows[1].text, "STIFFENER YIELD CHECK:");
    EXPECT_EQ(c.Rows[2].text,
              "Effective width sw = 625,0 mm (check at points 1-3, plate(p) and stiffener(s)). ");
    EXPECT_EQ(c.ResultRow, 3);
}

}  // namespace
}  // namespace veltar

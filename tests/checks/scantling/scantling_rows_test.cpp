// The scantling and yield rows of the default case, and what a fault leaves behind.
#include <gtest/gtest.h>

#include "checks/scantling/scantling.h"
#include "scantling_case.h"

namespace veltar {
namespace {

using test::FaultOf;
using test::ScantlingCase;
using test::ScantlingTables;

void RunChecks(Case& c) {
    PlateYield(c);
    StiffenerYield(c);
    PlateScantling(c);
    StiffenerScantling(c, ScantlingTables());
    GirderScantling(c, ScantlingTables());
}

// Defaults (tank bulkhead, clip attachment): stiffener 7.8*0.9*3*0.625*9 = 118.46 cm3,
// girder 4.74*1.5*3*2.75*36 = 2111.67 cm3, web 0.01*800 + 3 = 11 > tw 10; plate
// yield sqrt(12700) = 112.69 at every corner; stiffener yield as in the check test.
TEST(ScantlingRows, DefaultCaseListsEighteenRows) {
    Case c = ScantlingCase();
    RunChecks(c);
    c.ResultRow = 1;
    ShowScantlingResults(c);
    using enum RowStyle;
    struct { RowStyle style; const char *text, *value; int colour; } const expected[] = {
        {Note, "Rule/Scantling/Yield: ABS, Mobile Offshore Drilling Units, Part 3 Hull "
               "Construction and equipment)", "", 0},
        {Heading, "PLATE SCANTLING:", "", 0},
        {Result, "Plate 1: UF = tmin/t = 6.76/20.00 = ", "0.34", 2},
        {Heading, "STIFFENER SCANTLING:", "", 0},
        {Note, "Effective width sw = 625.0 mm ", "", 0},
        {Result, "UF = SM/Weffmin  = 118.5/80.3 = ", "1.47", 4},
        {Heading, "GIRDER SCANTLING:", "", 0},
        {Note, "Effective width sw = 2640.0 mm ", "", 0},
        {Result, "UF = SM/Weffmin  = 2111.7/5036.8 = ", "0.42", 2},
        {Result, "Min depth of girder = 750.0 mm", "OK", 2},
        {Result, "Min thickness of web = 11.0 mm", "NOK", 4},
        {Result, "Max distance between tripping brackets = 3000 mm", "OK", 2},
        {Heading, "PLATE YIELD CONTROL:", "", 0},
        {Result, "Point: A:  UF = F.S.*Sigeq/Fy = 1.43*112.7/235.0 = ", "0.69", 2},
        {Heading, "STIFFENER YIELD CHECK:", "", 0},
        {Note,
         "Effective width sw = 625.0 mm (check at points 1-3, plate(p) and stiffener(s)). ", "",
         0},
        {Result, "Point 2p: UF = F.S.*Sigeq/Fy  = 1.43*117.1/235.0 = ", "0.71", 2},
        {Result, "Point 1s: UF = F.S.*Sigeq/Fy  = 1.43*275.0/235.0 = ", "1.67", 4},
    };
    ASSERT_EQ(c.Rows.size(), std::size(expected));
    for (size_t i = 0; i < c.Rows.size(); ++i) {
        EXPECT_EQ(c.Rows[i].style, expected[i].style) << "row " << i + 1;
        EXPECT_EQ(c.Rows[i].text, expected[i].text);
        EXPECT_EQ(c.Rows[i].value, expected[i].value) << expected[i].text;
        EXPECT_EQ(c.Rows[i].colour, expected[i].colour) << expected[i].text;
    }
    EXPECT_EQ(c.Rows[2].reference, "  < 1.0  (3-2-2/9.3)");
    EXPECT_EQ(c.Rows[17].reference, "  < 1.0 (3-2-1/3.11)");
    EXPECT_EQ(c.ResultRow, 18);
    EXPECT_EQ(c.PlateYieldNote, "  Control in points A-D,  Factor of Safety F.S. = 1.43");
    // 7.8*Q is formed as a 32-bit float (7.80000019), Weffmin likewise.
    EXPECT_DOUBLE_EQ(c.UFsm, double(7.8f) * 0.9 * (100 * 0.03) * 0.625 * 9 /
                                 static_cast<float>(double(80337.3f) / 1000));
}

TEST(ScantlingRows, MissingLinesAndContinuedIndex) {
    Case c = ScantlingCase();
    c.ps = 0.0;  // no required section modulus: both modulus lines stay empty
    c.DecSep = 1;
    RunChecks(c);
    c.Rows.resize(9);  // rows of the buckling part before
    c.ResultRow = 10;
    ShowScantlingResults(c);
    ASSERT_EQ(c.Rows.size(), 9u + 12u);
    EXPECT_EQ(c.Rows[11].text, "Plate 1: UF = tmin/t = 6,67/20,00 = ");  // 625/150 + 2.5
    EXPECT_EQ(c.Rows[12].text, "Min depth of girder = 750,0 mm");
    EXPECT_EQ(c.Rows[18].text,
              "Effective width sw = 625,0 mm (check at points 1-3, plate(p) and stiffener(s)). ");
    EXPECT_EQ(c.ResultRow, 21);
}

TEST(ScantlingFaults, TextNamesCheckCauseAndHint) {
    using Run = void (*)(Case&, const Tables&);
    const Run plate = [](Case& c, const Tables&) { PlateScantling(c); };
    const std::string dash = " \u2014 ";
    struct { void (*spoil)(Case&); Run run; std::string text; } const cases[] = {
        {[](Case& c) { c.t = 0; }, plate,
         "Plate scantling: division by zero" + dash + "the plate thickness t is zero"},
        {[](Case& c) { c.L1 = -1000.0; }, plate,
         "Plate scantling: square root of a negative number" + dash +
             "L1/s1 is negative: check the span L1 and the spacing s1"},
        {[](Case& c) { c.ps = 1e307; }, plate,
         "Plate scantling: overflow" + dash +
             "check the pressure ps and the plate strengths Fyp, Fup"},
        {[](Case& c) { c.Fyp = 0; }, [](Case& c, const Tables&) { PlateYield(c); },
         "Plate yield: division by zero" + dash + "the plate yield stress Fyp is zero"},
        {[](Case& c) { c.Fys = 0; }, [](Case& c, const Tables&) { StiffenerYield(c); },
         "Stiffener yield: division by zero" + dash + "the stiffener yield stress Fys is zero"},
        {[](Case& c) { c.WepSc = -1e300; }, StiffenerScantling,  // -1e297 cm3 is no float
         "Stiffener scantling: overflow" + dash + "check the section moduli of the stiffener"},
        {[](Case& c) { c.WesG = 0; }, GirderScantling,
         "Girder scantling: division by zero" + dash +
             "the section modulus of the girder with plating is zero"},
    };
    for (const auto& tc : cases) {
        Case c = ScantlingCase();
        tc.spoil(c);
        EXPECT_EQ(FaultOf([&] { tc.run(c, ScantlingTables()); }), tc.text);
    }
}

bool Mentions(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

TEST(ScantlingFaults, WhatWasWrittenBeforeStays) {
    Case c = ScantlingCase();
    RunChecks(c);
    c.UFys = 0.5;
    c.WesSc = 0;  // after UFyp, before UFys and the lines
    EXPECT_TRUE(Mentions(FaultOf([&] { StiffenerYield(c); }), "WesSc at the profile top"));
    EXPECT_NEAR(c.UFyp, 0.7125, 1e-4);
    EXPECT_EQ(c.UFys, 0.5);
    EXPECT_TRUE(c.StiffYieldPLine.Title.empty());

    c.StiffQ = 0.5f;
    c.c = 0;
    c.WepSc = 0;  // Q and c come before the division
    EXPECT_TRUE(Mentions(FaultOf([&] { StiffenerScantling(c, ScantlingTables()); }),
                         "stiffener with plating is zero"));
    EXPECT_EQ(c.StiffQ, 1.0f);
    EXPECT_EQ(c.c, 0.9);
    EXPECT_EQ(c.UFsm, -2);
    EXPECT_TRUE(c.StiffSMLine.Title.empty());

    c.GirdTw = 0.0;  // depth line written, web and tripping not
    EXPECT_TRUE(Mentions(FaultOf([&] { GirderScantling(c, ScantlingTables()); }),
                         "web thickness is zero"));
    EXPECT_EQ(c.GirderDepthLine.Value, "OK");
    EXPECT_EQ(c.UFgw, -2);
    EXPECT_TRUE(c.GirderWebLine.Title.empty() && c.TrippingLine.Title.empty());

    c.t = 0;
    EXPECT_FALSE(FaultOf([&] { PlateScantling(c); }).empty());
    EXPECT_EQ(c.UFt, -2);
    EXPECT_TRUE(c.PlateScantlingLine.Title.empty());
}

}  // namespace
}  // namespace veltar

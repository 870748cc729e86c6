// Minimum plate thickness and plate yield at the panel corners.
#include <gtest/gtest.h>

#include "checks/scantling/scantling.h"
#include "scantling_case.h"

namespace veltar {
namespace {

using test::ScantlingCase;

TEST(PlateScantling, DefaultTankBulkhead) {
    Case c = ScantlingCase();
    PlateScantling(c);
    // tf = 625*sqrt(3)/254 + 2.5 = 6.7619 beats tb = 625/150 + 2.5 = 6.667.
    EXPECT_NEAR(c.UFt, 6.761936 / 20, 1e-7);
    const ResultLine& line = c.PlateScantlingLine;
    EXPECT_EQ(line.Title, "Plate 1: UF = tmin/t = ");
    EXPECT_EQ(line.Formula, "6.76/20.00 = ");
    EXPECT_EQ(line.Value, "0.34");
    EXPECT_EQ(line.Reference, "  < 1.0  (3-2-2/9.3)");
    EXPECT_EQ(line.Colour, 2);
}

struct ThicknessCase {
    i16 type, option;
    double ps, s;
    const char* formula;
    const char* reference;
};

TEST(PlateScantling, ThicknessByStructureType) {
    const ThicknessCase cases[] = {
        // watertight: tb = 6 beats 625*sqrt(3)/290 + 1.5 = 5.23; with ps 0.1 the formula 8.32
        {0, 0, 0.03, 625, "6.00/20.00 = ", "  < 1.0  (3-2-2/7.3)"},
        {0, 1, 0.1, 625, "8.32/20.00 = ", "  < 1.0  (3-2-2/7.3)"},
        {0, 0, 0.0, 1000, "7.50/20.00 = ", "  < 1.0  (3-2-2/7.3)"},  // 1000/200 + 2.5
        {1, 1, 0.03, 625, "6.76/20.00 = ", "  < 1.0  (3-2-2/9.3)"},
        {1, 0, 0.0, 900, "8.50/20.00 = ", "  < 1.0  (3-2-2/9.3)"},  // 900/150 + 2.5
        {1, 0, 0.0, 600, "6.50/20.00 = ", "  < 1.0  (3-2-2/9.3)"},
        {2, 1, 0.03, 625, "6.76/20.00 = ", "  < 1.0  (3-2-4/3.3)"},  // as the tank bulkhead
        // clear of tanks: 0.0039*625*sqrt(1000*0.03/7.05) + 1.5 = 6.528, no lower bound but 5
        {2, 0, 0.03, 625, "6.53/20.00 = ", "  < 1.0  (3-2-4/3.3)"},
        {2, 0, 0.0001, 625, "5.00/20.00 = ", "  < 1.0  (3-2-4/3.3)"},
        {2, 0, -0.03, 625, "6.53/20.00 = ", "  < 1.0  (3-2-4/3.3)"},  // by magnitude
        {7, 0, 0.03, 625, "6.53/20.00 = ", "  < 1.0  (3-2-4/3.3)"},   // any other type: upper
    };
    for (const ThicknessCase& tc : cases) {
        Case c = ScantlingCase();
        c.BulkheadType = tc.type;
        c.EndOption = tc.option;
        c.ps = tc.ps;
        c.s1 = tc.s;
        c.s2 = tc.s;
        c.L1 = 3 * tc.s;  // keeps k = 1
        PlateScantling(c);
        SCOPED_TRACE(testing::Message() << "type " << tc.type << " option " << tc.option);
        EXPECT_EQ(c.PlateScantlingLine.Formula, tc.formula);
        EXPECT_EQ(c.PlateScantlingLine.Reference, tc.reference);
    }
}

TEST(PlateScantling, WiderSecondFieldGovernsButAspectStaysWithS1) {
    Case c = ScantlingCase();
    c.s2 = 900;
    c.L1 = 1000;  // L1/s1 = 1.6: k = (3.075*sqrt(1.6) - 2.077)/1.872 = 0.96827
    c.ps = 0.1;
    PlateScantling(c);
    // 900*0.96827*sqrt(10)/254 + 2.5 = 13.349; k from L1/s2 would give 11.93
    EXPECT_EQ(c.PlateScantlingLine.Title, "Plate 2: UF = tmin/t = ");
    EXPECT_EQ(c.PlateScantlingLine.Formula, "13.35/20.00 = ");
}

TEST(PlateScantling, AspectRatioTwoStillUsesTheFormula) {
    Case c = ScantlingCase();
    c.L1 = 1250;  // L1/s1 = 2: k = 0.99985, not 1
    c.ps = 1.0;
    PlateScantling(c);
    // 625*0.99985*10/254 + 2.5 = 27.103 (k = 1 would give 27.106)
    EXPECT_EQ(c.PlateScantlingLine.Formula, "27.10/20.00 = ");
}

TEST(PlateScantling, YieldStressLimitedByTensileStrength) {
    Case c = ScantlingCase();
    c.Fyp = 355.0f;
    c.Fup = 400.0f;  // Y = 0.72*400 = 288, q = 0.81597
    c.ps = 0.1;
    PlateScantling(c);
    // 625*sqrt(0.81597*10)/254 + 2.5 = 9.529
    EXPECT_EQ(c.PlateScantlingLine.Formula, "9.53/20.00 = ");
}

TEST(PlateScantling, ThinPlateFailsInRedWithCommaSeparator) {
    Case c = ScantlingCase();
    c.t = 6.5f;
    c.DecSep = 1;
    PlateScantling(c);
    EXPECT_EQ(c.PlateScantlingLine.Formula, "6,76/6,50 = ");
    EXPECT_EQ(c.PlateScantlingLine.Value, "1,04");
    EXPECT_EQ(c.PlateScantlingLine.Colour, 4);
}

TEST(PlateYield, DefaultStressesPointAGoverns) {
    Case c = ScantlingCase();
    PlateYield(c);
    // sqrt(10000 + 900 - 3000 + 4800) = 112.69 at all four corners; D as a float
    // rounds down, so the tie stays with A.
    EXPECT_NEAR(c.UFy, 1.43f * 112.6942767 / 235, 1e-9);
    const ResultLine& line = c.PlateYieldLine;
    EXPECT_EQ(line.Title, "Point: A:  UF = F.S.*Sigeq/Fy = ");
    EXPECT_EQ(line.Formula, "1.43*112.7/235.0 = ");
    EXPECT_EQ(line.Value, "0.69");
    EXPECT_EQ(line.Reference, "  < 1.0 (3-2-1/3.11)");
    EXPECT_EQ(line.Colour, 2);
    EXPECT_EQ(c.PlateYieldNote, "  Control in points A-D,  Factor of Safety F.S. = 1.43");
}

struct CornerCase {
    double sxA;
    float sxB;
    double syA;
    float syC;
    const char* title;
    const char* formula;
};

TEST(PlateYield, GoverningCorner) {
    const CornerCase cases[] = {
        // B and D tie at sqrt(40000 + 900 - 6000 + 4800) = 199.2: the earlier B
        {-100, -200, -30, -30, "Point: B:  UF = F.S.*Sigeq/Fy = ", "1.43*199.2/235.0 = "},
        {-100, -50, -30, 100, "Point: C:  UF = F.S.*Sigeq/Fy = ", "1.43*186.5/235.0 = "},
        {0, -100, -30, 100, "Point: D:  UF = F.S.*Sigeq/Fy = ", "1.43*186.5/235.0 = "},
        // all equal at 294.448637; D held as a float rounds up to 294.448639 and wins
        {-300, -300, -30, -30, "Point: D:  UF = F.S.*Sigeq/Fy = ", "1.43*294.4/235.0 = "},
    };
    for (const CornerCase& cc : cases) {
        Case c = ScantlingCase();
        c.SigxA = cc.sxA;
        c.SigxB = cc.sxB;
        c.SigyA = cc.syA;
        c.SigyC = cc.syC;
        PlateYield(c);
        EXPECT_EQ(c.PlateYieldLine.Title, cc.title);
        EXPECT_EQ(c.PlateYieldLine.Formula, cc.formula);
    }
}

TEST(PlateYield, UsesFypWithoutTensileLimitAndFailsAboveOne) {
    Case c = ScantlingCase();
    c.Fyp = 150.0f;
    c.Fup = 160.0f;  // 0.72*Fup = 115.2 would give a larger factor
    PlateYield(c);
    EXPECT_EQ(c.PlateYieldLine.Formula, "1.43*112.7/150.0 = ");
    EXPECT_EQ(c.PlateYieldLine.Value, "1.07");
    EXPECT_EQ(c.PlateYieldLine.Colour, 4);
}

TEST(PlateYield, ZeroStressWritesFactorButNoLine) {
    Case c = ScantlingCase();
    c.SigxA = 0;
    c.SigxB = 0;
    c.SigyA = 0;
    c.SigyC = 0;
    c.Tau = 0;
    PlateYield(c);
    EXPECT_EQ(c.UFy, 0.0);
    EXPECT_TRUE(c.PlateYieldLine.Title.empty());
    EXPECT_FALSE(c.PlateYieldNote.empty());
}

}  // namespace
}  // namespace veltar

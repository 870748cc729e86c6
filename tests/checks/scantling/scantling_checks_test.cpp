// The scantling and yield checks against hand calculations; the defaults are in the
// row test.
#include <gtest/gtest.h>

#include "checks/scantling/scantling.h"
#include "scantling_case.h"

namespace veltar {
namespace {

using test::ScantlingCase;
using test::ScantlingTables;

TEST(PlateScantling, MinimumThicknessByStructureType) {
    // s1 = s2 = s and L1 = 3s (k = 1); lower bounds are max(6, s/200 + 2.5) watertight,
    // max(6.5, s/150 + 2.5) tank and in way of tanks, 5 clear of tanks.
    struct { i16 type, option; double ps, s; const char *formula, *reference; } const cases[] = {
        {1, 1, 0.03, 625, "6.76/20.00 = ", "  < 1.0  (3-2-2/9.3)"},  // 625*sqrt(3)/254 + 2.5
        {0, 0, 0.03, 625, "6.00/20.00 = ", "  < 1.0  (3-2-2/7.3)"},  // formula 5.23
        {0, 1, 0.1, 625, "8.32/20.00 = ", "  < 1.0  (3-2-2/7.3)"},   // 625*sqrt(10)/290 + 1.5
        {0, 0, 0.0, 1000, "7.50/20.00 = ", "  < 1.0  (3-2-2/7.3)"},
        {1, 0, 0.0, 900, "8.50/20.00 = ", "  < 1.0  (3-2-2/9.3)"},
        {1, 0, 0.0, 600, "6.50/20.00 = ", "  < 1.0  (3-2-2/9.3)"},
        {2, 1, 0.03, 625, "6.76/20.00 = ", "  < 1.0  (3-2-4/3.3)"},
        // clear of tanks: 0.0039*625*sqrt(30/7.05) + 1.5
        {2, 0, 0.03, 625, "6.53/20.00 = ", "  < 1.0  (3-2-4/3.3)"},
        {2, 0, -0.03, 625, "6.53/20.00 = ", "  < 1.0  (3-2-4/3.3)"},
        {2, 0, 0.0001, 625, "5.00/20.00 = ", "  < 1.0  (3-2-4/3.3)"},
        {7, 0, 0.03, 625, "6.53/20.00 = ", "  < 1.0  (3-2-4/3.3)"},  // unknown type: upper
    };
    for (const auto& tc : cases) {
        Case c = ScantlingCase();
        c.BulkheadType = tc.type;
        c.EndOption = tc.option;
        c.ps = tc.ps;
        c.s1 = c.s2 = tc.s;
        c.L1 = 3 * tc.s;
        PlateScantling(c);
        EXPECT_EQ(c.PlateScantlingLine.Formula, tc.formula) << tc.type << "/" << tc.option;
        EXPECT_EQ(c.PlateScantlingLine.Reference, tc.reference) << tc.type << "/" << tc.option;
    }
}

TEST(PlateScantling, SpacingAspectAndStrength) {
    struct { double s2, L1, ps; float fyp; const char *title, *formula; } const cases[] = {
        // s2 governs, k from L1/s1 = 1.6 (0.96827): 900*k*sqrt(10)/254 + 2.5 (L1/s2 gives 11.93)
        {900, 1000, 0.1, 235, "Plate 2: UF = tmin/t = ", "13.35/20.00 = "},
        // L1/s1 = 2 still takes the formula k = 0.99985: 27.103 (k = 1 gives 27.106)
        {625, 1250, 1.0, 235, "Plate 1: UF = tmin/t = ", "27.10/20.00 = "},
        // Y = 0.72*400 = 288 below Fyp: q = 0.81597, 625*sqrt(8.1597)/254 + 2.5
        {625, 3000, 0.1, 355, "Plate 1: UF = tmin/t = ", "9.53/20.00 = "},
    };
    for (const auto& tc : cases) {
        Case c = ScantlingCase();
        c.s2 = tc.s2;
        c.L1 = tc.L1;
        c.ps = tc.ps;
        c.Fyp = tc.fyp;
        PlateScantling(c);
        EXPECT_EQ(c.PlateScantlingLine.Title, tc.title);
        EXPECT_EQ(c.PlateScantlingLine.Formula, tc.formula);
    }
}

TEST(PlateYield, GoverningCornerAndTies) {
    // Fup = 160 would limit Y to 115.2: the yield check ignores it. All fail (red).
    struct {
        double sxA;
        float sxB;
        double syA;
        float syC, fyp;
        const char *title, *formula, *value;
    } const cases[] = {
        {-100, -200, -30, -30, 235, "Point: B:  ", "1.43*199.2/235.0 = ", "1.21"},  // B ties D
        {-100, -50, -30, 100, 235, "Point: C:  ", "1.43*186.5/235.0 = ", "1.14"},
        {0, -100, -30, 100, 235, "Point: D:  ", "1.43*186.5/235.0 = ", "1.14"},
        // four equal corners at 294.448637: D held as a float is 294.448639 and wins
        {-300, -300, -30, -30, 235, "Point: D:  ", "1.43*294.4/235.0 = ", "1.79"},
        {-100, -100, -30, -30, 150, "Point: A:  ", "1.43*112.7/150.0 = ", "1.07"},
    };
    for (const auto& tc : cases) {
        Case c = ScantlingCase();
        c.SigxA = tc.sxA;
        c.SigxB = tc.sxB;
        c.SigyA = tc.syA;
        c.SigyC = tc.syC;
        c.Fyp = tc.fyp;
        c.Fup = 160.0f;
        PlateYield(c);
        EXPECT_EQ(c.PlateYieldLine.Title, std::string(tc.title) + "UF = F.S.*Sigeq/Fy = ");
        EXPECT_EQ(c.PlateYieldLine.Formula, tc.formula);
        EXPECT_EQ(c.PlateYieldLine.Value, tc.value);
        EXPECT_EQ(c.PlateYieldLine.Colour, 4) << tc.formula;
    }
}

TEST(StiffenerYield, GoverningPoints) {
    // p*sm*L1^2 = 1.6875e8: plate side +11.49 at the ends, -5.75 at mid-span; stiffener
    // side -175.04 at the ends, +87.52 at mid-span.
    struct { double sigxS, p; float syC; const char *plate, *stiffener; } const cases[] = {
        {-100, 0.03, -30, "Point 2p", "Point 1s"},
        {-100, 0.03, 100, "Point 3p", "Point 1s"},
        {200, 0.03, -30, "Point 1p", "Point 2s"},
        {-100, 0, -30, "Point 1p", "Point 1s"},  // all equal: the first point
        {0.1, 0, -30, "Point 1p", "Point 2s"},   // mid-span held as a float: 0.100000001
    };
    for (const auto& tc : cases) {
        Case c = ScantlingCase();
        c.SigxS = tc.sigxS;
        c.p = tc.p;
        c.SigyC = tc.syC;
        StiffenerYield(c);
        EXPECT_EQ(c.StiffYieldPLine.Title, std::string(tc.plate) + ": UF = F.S.*Sigeq/Fy  = ");
        EXPECT_EQ(c.StiffYieldSLine.Title, std::string(tc.stiffener) + ": UF = F.S.*Sigeq/Fy  = ");
    }
}

TEST(StiffenerScantling, CFactor) {
    struct { i16 type, option; float ul; double c; } const cases[] = {
        {0, 0, 65, 0.56}, {0, 0, 61, 0.56}, {0, 0, 53, 0.46 + 0.1 * 8 / 16},
        {0, 0, 60.5f, 0.46 + 0.1 * 15.5 / 16}, {0, 0, 45, 0.46}, {0, 0, 40, 0.46},
        {0, 1, 53, 0.58 + 0.02 * 8 / 16}, {0, 1, 61, 0.6}, {0, 1, 40, 0.58}, {1, 0, 40, 0.9},
        {1, 1, 40, 1.0}, {2, 0, 40, 0.6}, {2, 1, 40, 1.0}, {2, 3, 40, 0.6},
    };
    for (const auto& tc : cases) {
        Case c = ScantlingCase();
        c.BulkheadType = tc.type;
        c.EndOption = tc.option;
        c.UL = tc.ul;
        StiffenerScantling(c, ScantlingTables());
        EXPECT_DOUBLE_EQ(c.c, tc.c) << tc.type << "/" << tc.option << " UL " << tc.ul;
    }
}

TEST(StiffenerScantling, GoverningMaterialFactor) {
    struct { i16 stiffGrade; double fyp, fys; float fus, q; } const cases[] = {
        {3, 355, 235, 400, 0.8f},     // plate grade 1 (0.9), the weaker stiffener governs
        {3, 235, 235, 400, 0.9f},     // equal yield stresses: the plate's
        {3, 235, 355, 400, 0.9f},
        {4, 400, 355, 490, 0.7182f},  // above grade 3: 489.55/(355 + 2*490/3)
    };
    for (const auto& tc : cases) {
        Case c = ScantlingCase();
        c.PlateGradeIndex = 1;
        c.StiffGradeIndex = tc.stiffGrade;
        c.Fyp = tc.fyp;
        c.Fys = tc.fys;
        c.Fus = tc.fus;
        StiffenerScantling(c, ScantlingTables());
        EXPECT_NEAR(c.StiffQ, tc.q, 5e-5) << "grade " << tc.stiffGrade << " Fys " << tc.fys;
        GirderScantling(c, ScantlingTables());
        EXPECT_EQ(c.StiffQ, 0.9f);  // the girder is of plate material
    }
}

TEST(Scantling, SectionModulusByStructureType) {
    // Stiffener 7.8*c*h*0.625*9 against 80.3 cm3, head 100*ps or 1000*ps/7.05; girder
    // (4.7*100 or 4.74*cg)*h*2.75*36 against 5036.8 cm3; depth Lgs/12, /8, 0.125, 0.0583.
    struct {
        i16 type, option;
        const char *stiff, *stiffRef, *girder, *girderRef, *depth, *ref2, *ref3;
    } const cases[] = {
        {0, 1, "79.0/80.3 = ", "  < 1.0  (3-2-2/7.5)", "1395.9/5036.8 = ", "  < 1.0  (3-2-2/7.9)",
         "500.0 mm", "  (3-2-2/7.9.2)", "  (3-2-2/7.9.3)"},
        {1, 1, "131.6/80.3 = ", "  < 1.0  (3-2-2/9.5)", "2111.7/5036.8 = ", "  < 1.0  (3-2-2/9.9)",
         "750.0 mm", "  (3-2-2/9.9.2)", "  (3-2-2/9.9.3)"},
        {2, 0, "112.0/80.3 = ", "  < 1.0  (3-2-4/3.5)", "1407.8/5036.8 = ", "  < 1.0  (3-2-4/3.7)",
         "349.8 mm", "  (3-2-4/3.7.2)", "  (3-2-4/3.7.3)"},
        {2, 1, "186.7/80.3 = ", "  < 1.0  (3-2-4/3.5)", "2111.7/5036.8 = ", "  < 1.0  (3-2-4/3.7)",
         "750.0 mm", "  (3-2-4/3.7.2)", "  (3-2-4/3.7.3)"},
    };
    for (const auto& tc : cases) {
        Case c = ScantlingCase();
        c.BulkheadType = tc.type;
        c.EndOption = tc.option;
        StiffenerScantling(c, ScantlingTables());
        GirderScantling(c, ScantlingTables());
        EXPECT_EQ(c.StiffSMLine.Formula, tc.stiff);
        EXPECT_EQ(c.StiffSMLine.Reference, tc.stiffRef);
        EXPECT_EQ(c.GirderSMLine.Formula, tc.girder);
        EXPECT_EQ(c.GirderSMLine.Reference, tc.girderRef);
        EXPECT_EQ(c.GirderDepthLine.Formula, tc.depth);
        EXPECT_EQ(c.GirderDepthLine.Reference, tc.ref2);
        EXPECT_EQ(c.GirderWebLine.Reference, tc.ref2);
        EXPECT_EQ(c.TrippingLine.Reference, tc.ref3);
    }
}

TEST(GirderScantling, DepthWebAndTrippingLimits) {
    // twmin = 0.01*H + 3, at most 11; depth 750 for a tank bulkhead; brackets 3000 apart.
    struct { double h, tw, lt; const char *web, *webOk, *depthOk, *trippingOk; } const cases[] = {
        {800, 11, 3000, "11.0 mm", "OK", "OK", "OK"},  // 11 is not above 11: UFgw = 1
        {850, 11, 3001, "11.0 mm", "OK", "OK", "NOK"},
        {500, 8, 3000, "8.0 mm", "OK", "NOK", "OK"},
        {500, 7.9, 3000, "8.0 mm", "NOK", "NOK", "OK"},
        {750, 11, 3000, "10.5 mm", "OK", "OK", "OK"},   // UFgd = 1
        {749.9, 11, 3000, "10.5 mm", "OK", "NOK", "OK"},
    };
    for (const auto& tc : cases) {
        Case c = ScantlingCase();
        c.GirdH = tc.h;
        c.GirdTw = tc.tw;
        c.Lt = tc.lt;
        GirderScantling(c, ScantlingTables());
        for (const auto& [line, value] : {std::pair{&c.GirderWebLine, tc.webOk},
                                          {&c.GirderDepthLine, tc.depthOk},
                                          {&c.TrippingLine, tc.trippingOk}}) {
            EXPECT_EQ(line->Value, value) << line->Title << " H " << tc.h;
            EXPECT_EQ(line->Colour, std::string(value) == "OK" ? 2 : 4) << line->Title;
        }
        EXPECT_EQ(c.GirderWebLine.Formula, tc.web);
    }
}

TEST(CFactorText, CaptionTabAndOption) {
    struct {
        i16 type, option;
        double cv, cg;
        i16 sep, tab, selected;
        std::string Case::*caption;
        const char* text;
    } const cases[] = {
        {0, 1, 0.59, 1.0, 0, 0, 1, &Case::ctext0, "c = 0.59   ABS (3-2-2/7.5)"},
        {1, 0, 0.9, 1.5, 0, 1, 0, &Case::ctext1,
         "c = 0.90 / 1.50  stiff/gird   ABS (3-2-2/9.5&&9.9)"},
        {1, 1, 1.0, 1.5, 1, 1, 1, &Case::ctext1,
         "c = 1,00 / 1,50  stiff/gird   ABS (3-2-2/9.5&&9.9)"},
        {5, 3, 0.6, 1.0, 0, 2, 0, &Case::ctext2,
         "c = 0.60 / 1.00  stiff/gird   ABS (3-2-4/3.5&&3.7)"},
    };
    for (const auto& tc : cases) {
        Case c;
        c.BulkheadType = tc.type;
        c.EndOption = tc.option;
        c.c = tc.cv;
        c.cg = tc.cg;
        c.DecSep = tc.sep;
        CFactorText(c);
        EXPECT_EQ(c.*tc.caption, tc.text);
        EXPECT_EQ(c.CFactorTab, tc.tab) << tc.text;
        EXPECT_EQ(c.CFactorOption, tc.selected) << tc.text;
    }
}

}  // namespace
}  // namespace veltar

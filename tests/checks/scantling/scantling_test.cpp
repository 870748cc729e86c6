// The scantling and yield checks against hand calculations, their rows in the result
// list, and what a fault leaves behind.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "checks/scantling/scantling.h"
#include "core/arith.h"
#include "faultof.h"

namespace veltar {
namespace {

// Start-up defaults (tank bulkhead, clip attachment) with 235/400 MPa steel, SigxS
// -100, L100x75x7x7 on a 625 x 20 strip and the T 800x200x10x20 girder on a 2640 x 20
// strip (moduli worked out by hand: Wp = Ie/zp, Ws = Ie/zf).
Case Scantling() {
    Case c;
    c.Fyp = c.Fys = 235, c.Fup = c.Fus = 400, c.Lm = 2750, c.sm = 625, c.SigxS = -100, c.GirdH = 800, c.GirdTw = 10;
    c.beSc = 625, c.WepSc = 1223481.9, c.WesSc = 80337.3f, c.beG = 2640, c.WepG = 36665098.9, c.WesG = 5036808.8f;
    return c;
}

// Tabulated material factors 1.0, 0.9, 1.0, 0.8 for grades 0 to 3.
const Tables kGrades = [] {
    Tables t;
    t.Mat.Q = {1.0f, 0.9f, 1.0f, 0.8f};
    return t;
}();

void RunChecks(Case& c) {
    for (auto check : {PlateYield, StiffenerYield, PlateScantling}) check(c);
    for (auto check : {StiffenerScantling, GirderScantling}) check(c, kGrades);
}

// Rows: structure type, option, ps, s1, s2, L1, Fyp and the line without its title tail.
// The lower bounds are max(6, s/200 + 2.5) watertight, max(6.5, s/150 + 2.5) tank and in
// way of tanks, 5 clear of tanks; the formulas s*k*sqrt(q*100*ps)/290 + 1.5 watertight,
// /254 + 2.5 tank, 0.0039*s*sqrt(1000*q*ps/7.05) + 1.5 clear of tanks. The wider field
// governs, k stays with L1/s1.
TEST(PlateScantling, MinimumThickness) {
    const std::tuple<i16, i16, double, double, double, double, float, const char*> rows[] = {
        {0, 0, 0.03, 625, 625, 1875, 235, "Plate 1: 6.00/20.00 =   < 1.0  (3-2-2/7.3)"},  // formula 5.23
        {0, 1, 0.1, 625, 625, 1875, 235, "Plate 1: 8.32/20.00 =   < 1.0  (3-2-2/7.3)"},
        {0, 0, 0.0, 1000, 1000, 3000, 235, "Plate 1: 7.50/20.00 =   < 1.0  (3-2-2/7.3)"},
        {1, 0, 0.0, 900, 900, 2700, 235, "Plate 1: 8.50/20.00 =   < 1.0  (3-2-2/9.3)"},
        {1, 0, 0.0, 600, 600, 1800, 235, "Plate 1: 6.50/20.00 =   < 1.0  (3-2-2/9.3)"},
        {2, 1, 0.03, 625, 625, 1875, 235, "Plate 1: 6.76/20.00 =   < 1.0  (3-2-4/3.3)"},
        {2, 0, -0.03, 625, 625, 1875, 235, "Plate 1: 6.53/20.00 =   < 1.0  (3-2-4/3.3)"},  // |ps|
        {2, 0, 0.0001, 625, 625, 1875, 235, "Plate 1: 5.00/20.00 =   < 1.0  (3-2-4/3.3)"},
        // s2 governs, k from L1/s1 = 1.6 (0.96827); L1/s2 would give 11.93
        {1, 0, 0.1, 625, 900, 1000, 235, "Plate 2: 13.35/20.00 =   < 1.0  (3-2-2/9.3)"},
        // L1/s1 = 2 still takes the formula k = 0.99985: 27.103 (k = 1 gives 27.106)
        {1, 0, 1.0, 625, 625, 1250, 235, "Plate 1: 27.10/20.00 =   < 1.0  (3-2-2/9.3)"},
        // Y = 0.72*400 = 288 below Fyp: q = 0.81597, 625*sqrt(8.1597)/254 + 2.5
        {1, 0, 0.1, 625, 625, 3000, 355, "Plate 1: 9.53/20.00 =   < 1.0  (3-2-2/9.3)"},
    };
    for (const auto& [type, option, ps, s1, s2, L1, Fyp, text] : rows) {
        Case c = Scantling();
        c.BulkheadType = type, c.EndOption = option, c.ps = ps, c.s1 = s1, c.s2 = s2, c.L1 = L1, c.Fyp = Fyp;
        PlateScantling(c);
        const ResultLine& l = c.PlateScantlingLine;
        EXPECT_EQ(l.Title.substr(0, 9) + l.Formula + l.Reference, text);
    }
}

// Rows: SigxA, SigxB, SigyA, SigyC, Fyp, SigxS, p, then the plate yield line (corner,
// formula, value, colour) and the governing points of the stiffener yield check.
// Plate: Fup = 160 would limit Y to 115.2, the yield check ignores it. Four equal corners
// at 294.448637: D held as a float is 294.448639 and wins; otherwise ties stay with the
// earlier corner (B ties D). Stiffener: p*sm*L1^2 = 1.6875e8 gives +11.49 at the ends and
// -5.75 at mid-span on the plate side, -175.04 and +87.52 on the stiffener side; all equal
// without pressure: the first point; at SigxS 0.1 the mid-span stress held as a float
// (0.100000001) wins.
TEST(Yield, GoverningPointsAndTies) {
    const std::tuple<double, float, double, float, float, double, double, const char*> rows[] = {
        {-100, -200, -30, -30, 235, 200, 0.03, "B: 1.43*199.2/235.0 = 1.21#4 Point 1p Point 2s"},
        {-100, -50, -30, 100, 235, -100, 0.03, "C: 1.43*186.5/235.0 = 1.14#4 Point 3p Point 1s"},
        {0, -100, -30, 100, 235, -100, 0.03, "D: 1.43*186.5/235.0 = 1.14#4 Point 3p Point 1s"},
        {-300, -300, -30, -30, 235, -100, 0, "D: 1.43*294.4/235.0 = 1.79#4 Point 1p Point 1s"},
        {-100, -100, -30, -30, 150, 0.1, 0, "A: 1.43*112.7/150.0 = 1.07#4 Point 1p Point 2s"},
    };
    for (const auto& [sigxA, sigxB, sigyA, sigyC, Fyp, sigxS, p, text] : rows) {
        Case c = Scantling();
        c.SigxA = sigxA, c.SigxB = sigxB, c.SigyA = sigyA, c.SigyC = sigyC, c.Fyp = Fyp, c.Fup = 160.0f;
        c.SigxS = sigxS, c.p = p;
        for (auto check : {PlateYield, StiffenerYield}) check(c);
        const ResultLine& l = c.PlateYieldLine;
        EXPECT_EQ(l.Title.substr(7, 3) + l.Formula + l.Value + "#" + std::to_string(l.Colour) + " " +
                      c.StiffYieldPLine.Title.substr(0, 8) + " " + c.StiffYieldSLine.Title.substr(0, 8),
                  text);
    }
}

// Rows: structure type, option, unit length UL, decimal comma, girder height H, web tw,
// bracket distance Lt and a part of the modulus, depth, web and bracket lines followed by
// the c-factor caption with the tab and option the window shows. Stiffener SM =
// 7.8*c*h*0.625*9 against 80.3 cm3, head 100*ps or 1000*ps/7.05; girder (4.7*100 or
// 4.74*cg)*h*2.75*36 against 5036.8 cm3; depth Lgs/12, /8, 0.125, 0.0583; web 0.01*H + 3,
// at most 11; brackets at most 3000 apart; a factor of exactly 1 passes. Watertight
// bulkheads: c falls linearly from its full value at a unit length of 61 m to its reduced
// value below 45 m: SM = 131.625*c with c = 0.56 at 61 m, 0.46 + 0.1*8/16 at 53 m, and
// with the second option 0.58 + 0.02*8/16 at 53 m, 0.58 at 40 m. An option other than 1
// is the first, a type other than 0 and 1 upper structure.
TEST(Scantling, ModulusGirderLimitsAndCFactor) {
    const std::tuple<i16, i16, float, i16, double, double, double, const char*> rows[] = {
        {0, 1, 65, 0, 800, 10, 3000,
         "79.0/80.3 = 0.98  < 1.0  (3-2-2/7.5)|1395.9/5036.8 = 0.28  < 1.0  (3-2-2/7.9)|"
         "500.0 mmOK  (3-2-2/7.9.2)|11.0 mmNOK  (3-2-2/7.9.2)|3000 mmOK  (3-2-2/7.9.3)|"
         "c = 0.60   ABS (3-2-2/7.5)"},
        {2, 0, 65, 0, 800, 10, 3000,
         "112.0/80.3 = 1.39  < 1.0  (3-2-4/3.5)|1407.8/5036.8 = 0.28  < 1.0  (3-2-4/3.7)|"
         "349.8 mmOK  (3-2-4/3.7.2)|11.0 mmNOK  (3-2-4/3.7.2)|3000 mmOK  (3-2-4/3.7.3)|"
         "c = 0.60 / 1.00  stiff/gird   ABS (3-2-4/3.5&&3.7)"},
        {2, 1, 65, 0, 800, 10, 3000,
         "186.7/80.3 = 2.32  < 1.0  (3-2-4/3.5)|2111.7/5036.8 = 0.42  < 1.0  (3-2-4/3.7)|"
         "750.0 mmOK"},
        {1, 0, 65, 0, 800, 11, 3000,
         "|750.0 mmOK  (3-2-2/9.9.2)|11.0 mmOK  (3-2-2/9.9.2)|3000 mmOK  (3-2-2/9.9.3)|"
         "c = 0.90 / 1.50  stiff/gird   ABS (3-2-2/9.5&&9.9)"},
        {1, 0, 65, 0, 850, 11, 3001, "|11.0 mmOK  (3-2-2/9.9.2)|3000 mmNOK"},
        {1, 0, 65, 0, 500, 7.9, 3000, "|750.0 mmNOK  (3-2-2/9.9.2)|8.0 mmNOK"},
        {1, 0, 65, 0, 750, 11, 3000, "|750.0 mmOK  (3-2-2/9.9.2)|10.5 mmOK"},
        {0, 0, 61, 0, 800, 10, 3000, "73.7/80.3"},
        {0, 0, 53, 0, 800, 10, 3000, "67.1/80.3"},
        {0, 1, 53, 0, 800, 10, 3000, "77.7/80.3"},
        {0, 1, 40, 0, 800, 10, 3000, "76.3/80.3"},
        {1, 1, 65, 1, 800, 10, 3000, "|c = 1,00 / 1,50  stiff/gird   ABS (3-2-2/9.5&&9.9)"},
        {5, 3, 65, 0, 800, 10, 3000, "|c = 0.60 / 1.00  stiff/gird   ABS (3-2-4/3.5&&3.7)"},
    };
    for (const auto& [type, option, UL, sep, H, tw, Lt, part] : rows) {
        Case c = Scantling();
        c.BulkheadType = type, c.EndOption = option, c.UL = UL, c.DecSep = sep, c.GirdH = H, c.GirdTw = tw, c.Lt = Lt;
        StiffenerScantling(c, kGrades);
        GirderScantling(c, kGrades);
        CFactorText(c);
        std::string text;
        for (const auto* l : {&c.StiffSMLine, &c.GirderSMLine, &c.GirderDepthLine, &c.GirderWebLine, &c.TrippingLine})
            text += l->Formula + l->Value + l->Reference + "|";
        text += c.ctext0 + c.ctext1 + c.ctext2;
        EXPECT_NE(text.find(part), std::string::npos) << text;
    }
}

// Each row as style letter (N note, H heading, R result), text, value, reference and a
// non-zero colour.
std::string Rows(Case& c) {
    RowWriter rows(c.Rows);
    ShowScantlingResults(c, rows);
    rows.Finish();
    std::string out;
    for (const ListRow& r : c.Rows)
        out += "NHRE"[static_cast<int>(r.style)] + r.text + r.value + r.reference +
               (r.colour ? "#" + std::to_string(r.colour) : "") + "|\n";
    return out;
}

// Defaults: stiffener 7.8*0.9*3*0.625*9 = 118.46 cm3, girder 4.74*1.5*3*2.75*36 = 2111.67
// cm3, web 0.01*800 + 3 = 11 > tw 10; plate yield sqrt(12700) = 112.69 at every corner.
// The lower yield stress governs Q; equal stresses take the plate's (grade 2, Q 1.0).
TEST(Scantling, GoverningMaterialFactor) {
    Case c = Scantling();
    c.StiffGradeIndex = 3;  // Q 0.8
    for (auto [fys, q] : {std::pair{235.0f, 1.0f}, {234.9f, 0.8f}}) {
        c.Fys = fys;
        StiffenerScantling(c, kGrades);
        EXPECT_EQ(c.StiffQ, q) << fys;
    }
}

TEST(ScantlingRows, DefaultCaseListsEighteenRows) {
    Case c = Scantling();
    RunChecks(c);
    EXPECT_EQ(Rows(c),
              "NRule/Scantling/Yield: ABS, Mobile Offshore Drilling Units, Part 3 Hull Construction and equipment)|\n"
              "HPLATE SCANTLING:|\n"
              "RPlate 1: UF = tmin/t = 6.76/20.00 = 0.34  < 1.0  (3-2-2/9.3)#2|\n"
              "HSTIFFENER SCANTLING:|\n"
              "NEffective width sw = 625.0 mm |\n"
              "RUF = SM/Weffmin  = 118.5/80.3 = 1.47  < 1.0  (3-2-2/9.5)#4|\n"
              "HGIRDER SCANTLING:|\n"
              "NEffective width sw = 2640.0 mm |\n"
              "RUF = SM/Weffmin  = 2111.7/5036.8 = 0.42  < 1.0  (3-2-2/9.9)#2|\n"
              "RMin depth of girder = 750.0 mmOK  (3-2-2/9.9.2)#2|\n"
              "RMin thickness of web = 11.0 mmNOK  (3-2-2/9.9.2)#4|\n"
              "RMax distance between tripping brackets = 3000 mmOK  (3-2-2/9.9.3)#2|\n"
              "HPLATE YIELD CONTROL:|\n"
              "RPoint: A:  UF = F.S.*Sigeq/Fy = 1.43*112.7/235.0 = 0.69  < 1.0 (3-2-1/3.11)#2|\n"
              "HSTIFFENER YIELD CHECK:|\n"
              "NEffective width sw = 625.0 mm (check at points 1-3, plate(p) and stiffener(s)). |\n"
              "RPoint 2p: UF = F.S.*Sigeq/Fy  = 1.43*117.1/235.0 = 0.71  < 1.0 (3-2-1/3.11)#2|\n"
              "RPoint 1s: UF = F.S.*Sigeq/Fy  = 1.43*275.0/235.0 = 1.67  < 1.0 (3-2-1/3.11)#4|\n");
    EXPECT_EQ(c.PlateYieldNote, "  Control in points A-D,  Factor of Safety F.S. = 1.43");
    // 7.8*Q is formed as a 32-bit float (7.80000019), Weffmin likewise.
    EXPECT_DOUBLE_EQ(c.UFsm, double(7.8f) * 0.9 * 3 * 0.625 * 9 / static_cast<float>(double(80337.3f) / 1000));
}

// Each check runs after the earlier ones have completed on the spoiled input.
TEST(ScantlingFaults, TextNamesCheckCauseAndHint) {
    const std::pair<void (*)(Case&), std::string> rows[] = {
        {[](Case& c) { c.Fyp = 0; }, "Plate yield: division by zero \u2014 the plate yield stress Fyp is zero"},
        {[](Case& c) { c.t = 0; }, "Plate scantling: division by zero \u2014 the plate thickness t is zero"},
        {[](Case& c) { c.L1 = -1000.0; },
         "Plate scantling: square root of a negative number \u2014 L1/s1 is negative: check the span L1 and the "
         "spacing s1"},
        {[](Case& c) { c.ps = 1e307; },
         "Plate scantling: overflow \u2014 check the pressure ps and the plate strengths Fyp, Fup"},
        {[](Case& c) { c.WepSc = -1e300; },  // -1e297 cm3 is no float
         "Stiffener scantling: overflow \u2014 check the section moduli of the stiffener"},
        {[](Case& c) { c.WesG = 0; },
         "Girder scantling: division by zero \u2014 the section modulus of the girder with plating is zero"},
    };
    for (const auto& [spoil, text] : rows) {
        Case c = Scantling();
        spoil(c);
        EXPECT_EQ(FaultOf([&] { RunChecks(c); }), text);
    }
}

// Markers show what a fault leaves: the values formed before it stay, the factors are
// reset and the lines stay unwritten, so the list leaves them out (both blocks whose
// modulus line is missing). The index continues from the rows before; decimal comma.
TEST(ScantlingFaults, WhatWasWrittenBeforeStays) {
    Case c = Scantling();
    c.DecSep = 1;
    RunChecks(c);
    c.UFyp = c.UFys = 0.5, c.WesSc = 0;  // after UFyp, before UFys and the lines
    EXPECT_EQ(FaultOf([&] { StiffenerYield(c); }),
              "Stiffener yield: division by zero \u2014 the section modulus WesSc at the profile top is zero");
    EXPECT_NEAR(c.UFyp, 0.7125, 1e-4);
    // Q and c come before the division: the weaker stiffener's Q (grade 3), then the
    // girder's of plate material (grade 2).
    c.StiffQ = 0.5f, c.c = 0, c.WepSc = 0, c.WesG = 0, c.StiffGradeIndex = 3, c.Fys = 200;
    EXPECT_NE(FaultOf([&] { StiffenerScantling(c, kGrades); }), "");
    EXPECT_EQ(c.StiffQ, 0.8f);
    EXPECT_EQ(c.c, 0.9);
    EXPECT_NE(FaultOf([&] { GirderScantling(c, kGrades); }), "");
    EXPECT_EQ(c.StiffQ, 1.0f);
    EXPECT_EQ(c.UFys + c.UFsm + c.UFgm, -3.5);  // UFys kept at 0.5, the other two reset to -2
    c.Rows.resize(40);                          // a longer list of an earlier run: its rows beyond this one's go
    EXPECT_EQ(Rows(c),
              "NRule/Scantling/Yield: ABS, Mobile Offshore Drilling Units, Part 3 Hull Construction "
              "and equipment)|\nHPLATE SCANTLING:|\n"
              "RPlate 1: UF = tmin/t = 6,76/20,00 = 0,34  < 1.0  (3-2-2/9.3)#2|\nHPLATE YIELD CONTROL:|\n"
              "RPoint: A:  UF = F.S.*Sigeq/Fy = 1,43*112,7/235,0 = 0,69  < 1.0 (3-2-1/3.11)#2|\n"
              "HSTIFFENER YIELD CHECK:|\n"
              "NEffective width sw = 625,0 mm (check at points 1-3, plate(p) and stiffener(s)). |\n");
}

}  // namespace
}  // namespace veltar

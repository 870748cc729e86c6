// Plate buckling: the texts of a worked panel, the coefficient branches, the
// governing field, the effective width and what a fault leaves behind.
#include <gtest/gtest.h>

#include <cmath>

#include "checks/buckling/buckling.h"
#include "panel.h"

namespace veltar {
namespace {

using namespace veltar::testing;

Case Checked(Case c) {
    PlateBuckling(c);
    return c;
}

// ks = 1.1*(5.34 + 4*(625/3000)^2) = 6.0651, tauE = pi^2*ks*E/10.92*(20/625)^2 = 1156.3,
// tauC = tau0*(1 - 0.24*tau0/tauE) = 131.9 with tau0 = 235/sqrt(3); kS = 1.1*8.4/2.1
// gives sCx = 219.2; alpha = 4.8, kappa_y = 1: kL = 1.2*(1 + 1/4.8^2)^2, sCy = 181.8.
TEST(PlateBuckling, WorkedPanel) {
    const Case c = Checked(Panel());
    EXPECT_EQ(Parts(c.PlateBucklingLine),
              Line("PL1: Buckling - UF =", "1/0.60^2*((-100.0/219.2)^2 + (-30.0/181.8)^2 + (40.0/131.9)^2) = ",
                   "0.91", " < 1.0 (3/3.1)", 2));
    EXPECT_EQ(Parts(c.PlateUltimateLine),
              Line("PL1: Ultimate - UF = ",
                   "1/0.60^2*((-100.0/234.4)^2 -0.47*(-100.0*-30.0/(234.4*181.8) + (-30.0/181.8)^2 + "
                   "(40.0/132.5))^2) = ",
                   "0.74", " < 1.0 (3/3.3)", 2));
    EXPECT_EQ(Parts(c.PlateLateralLine), Line("PL1/PL2: Lateral - UF = p/(n*pu) = ", "0.030/(0.60*0.881) = ",
                                              "0.06", " < 1.0 (3/3.5)", 2));
    EXPECT_NEAR(c.UFpb, 0.909399, 1e-6);
    EXPECT_EQ(c.se, 625.0f);  // UFpb < 1 in both fields: full width
}

TEST(PlateBuckling, CoefficientBranches) {
    struct Row {
        float t, L1, sigxA, sigxB, sigyA, sigyC;
        bool pl2;
        const char* part;
        const char* why;
    };
    const Row rows[] = {
        {10, 3000, -100, 0, -30, -30, true, "(-50.0/201.7)^2",
         "kappa_x = 0: kS = 7.6*1.1, sEx = 398.5; 8.4*1.1/1.1 would give 201.9"},
        {20, 3000, 0, 0, 0, 0, false, "((0.0/219.2)^2 + (0.0/181.8)^2", "zero stresses are unloaded, not 0/0"},
        // t = 8 keeps the transverse capacity elastic: sCy = kL*30.505.
        {8, 1250, -100, -100, -30, 0, false, "(-30.0/117.1)^2", "alpha = 2, kappa 0: kL = 3.8391"},
        {8, 1251, -100, -100, -30, 0, false, "(-30.0/117.0)^2", "just above alpha = 2 the value continues"},
        {8, 1250, -100, -100, -30, -30, false, "(-30.0/57.2)^2", "alpha = 2, kappa 1: kL = 1.2*1.5625"},
        {8, 3000, -100, -100, -30, -10, false, "(-30.0/57.8)^2", "kappa = 1/3: kL = 1.2*1.45*(1+1/4.8^2)^2"},
        {8, 3000, -100, -100, -30, 30, false, "(-30.0/91.5)^2", "kappa -1: kL = 1.2*12/4.8 = 3"},
    };
    for (const Row& r : rows) {
        Case c = Panel();
        c.t = r.t;
        c.L1 = r.L1;
        SetStresses(c, r.sigxA, r.sigxB, r.sigyA, r.sigyC);
        PlateBuckling(c);
        const ResultLine& line = r.pl2 ? c.PlateBucklingLine2 : c.PlateBucklingLine;
        EXPECT_TRUE(Contains(line.Formula, r.part)) << r.why << ": " << line.Formula;
    }
}

// Flat bars and bulb flats (C1 = 1.0, C2 = 1.1) restrain the plate edge less than
// flanged profiles (1.1, 1.2).
TEST(PlateBuckling, StiffenerKindSelectsEdgeRestraint) {
    for (i16 kind = 0; kind <= 9; ++kind) {
        Case c = Panel();
        c.StiffKind = kind;
        const bool flat = kind == kFbTable || kind == kFbBuilt || kind == kBulb;
        EXPECT_TRUE(Contains(Checked(c).PlateBucklingLine.Formula,
                             flat ? "((-100.0/217.6)^2 + (-30.0/176.9)^2" : "((-100.0/219.2)^2 + (-30.0/181.8)^2"))
            << kind;
    }
}

// PL1/PL2 needs equal widths and equal stored sigma_xe; PL1 compares with PL2's
// value before PL2 limits it to compression. Equal double factors keep PL1's line;
// PL2's float lateral factor decides by its rounding (above PL1's at p 0.03, below at 0.05).
TEST(PlateBuckling, GoverningLinesAndLateralTitles) {
    struct Row {
        float s1, s2, sigxA, sigxB;
        double p;
        const char* governing;
        const char* pl2;
    };
    const Row rows[] = {
        {625, 625, -100, -100, 0.03, "PL1/PL2: ", "PL1/PL2: "}, {600, 625, -100, -100, 0.03, "PL2: ", "PL2: "},
        {625, 625, -100, -50, 0.03, "PL1: ", "PL2: "},         {625, 625, 50, 50, 0.03, "PL1/PL2: ", "PL1/PL2: "},
        {625, 625, 50, 50, 0.05, "PL1: ", "PL1/PL2: "},
    };
    const std::string tail = "Lateral - UF = p/(n*pu) = ";
    for (const Row& r : rows) {
        Case c = Panel();
        c.s1 = r.s1;
        c.s2 = r.s2;
        c.p = r.p;
        SetStresses(c, r.sigxA, r.sigxB, -30, -30);
        PlateBuckling(c);
        EXPECT_EQ(c.PlateLateralLine.Title, r.governing + tail) << r.s1 << " " << r.sigxB << " " << r.p;
        EXPECT_EQ(c.PlateLateralLine2.Title, r.pl2 + tail) << r.s1 << " " << r.sigxB << " " << r.p;
        if (r.s1 == r.s2 && r.sigxA == r.sigxB) {
            EXPECT_EQ(c.PlateBucklingLine.Title, "PL1: Buckling - UF =");
        }
    }
}

TEST(PlateBuckling, AllTensionGivesNoLinesAndTheMeanSpacing) {
    Case c = Panel();
    c.s1 = 600;
    c.s2 = 650;
    c.Tau = 0;
    c.p = 0;
    SetStresses(c, 50, 50, 20, 20);
    c.PlateBucklingLine = ResultLine{"old", "old", "old", "old", 4};
    PlateBuckling(c);
    EXPECT_EQ(c.UFpb + c.UFpu + c.UFpl, 0);
    EXPECT_EQ(Parts(c.PlateBucklingLine), Line("", "", "", "", 4));  // the reset keeps the colour
    EXPECT_EQ(c.PlateUltimateLine.Title + c.PlateLateralLine.Title, "");
    EXPECT_EQ(c.se, 625.0f);
}

// Shear alone, n = 1 and Tau = the float tauC of the worked panel give UFpb = 1
// exactly: green, and the reduced width (Rt = sqrt(1 - (tau/tau0)^2) = 0.2356).
TEST(PlateBuckling, FactorOfExactlyOneIsGreenAndReducesTheWidth) {
    const float tauC = 131.8565216064453f;
    Case c = Panel();
    c.UFa = 1.0f;
    SetStresses(c, 10, 10, 10, 10);
    c.Tau = tauC;
    PlateBuckling(c);
    EXPECT_EQ(c.UFpb, 1.0);
    EXPECT_EQ(Parts(c.PlateBucklingLine),
              Line("PL1: Buckling - UF =", "1/1.00^2*((0.0/219.2)^2 + (0.0/181.8)^2 + (131.9/131.9)^2) = ", "1.00",
                   " < 1.0 (3/3.1)", 2));
    EXPECT_NEAR(c.se, 146.8713f, 1e-3f);

    c.Tau = std::nextafter(tauC, 0.0f);
    PlateBuckling(c);
    EXPECT_EQ(c.se, 625.0f);
}

// 400 MPa transverse tension makes the radicand negative: PL2 (UFpb >= 1) flags it,
// PL1 alone (PL2's UFpb 0.38) falls back to Cy silently.
TEST(PlateBuckling, NegativeRadicandOfPlateTwoSetsTheErrorFlag) {
    Case c = Panel();
    SetStresses(c, -200, -200, 400, 400);
    PlateBuckling(c);
    EXPECT_EQ(c.CalcErrorFlag, 1);
    EXPECT_NEAR(c.se, 293.52f, 1e-2f);

    Case light = Panel();
    SetStresses(light, -200, 100, 400, 400);
    PlateBuckling(light);
    EXPECT_EQ(light.CalcErrorFlag, 0);
    EXPECT_NEAR(light.se, 459.26f, 1e-2f);
}

TEST(PlateBuckling, FaultTexts) {
    const std::string pu = "square root of a negative number \u2014 the equivalent stress exceeds the yield stress";
    const std::pair<void (*)(Case&), std::string> rows[] = {
        {[](Case& c) { c.StiffKind = 10; }, "division by zero \u2014 the stiffener kind is unknown"},
        {[](Case& c) { c.UFa = 0; }, "division by zero \u2014 the allowable usage factor is zero"},
        {[](Case& c) { c.L1 = 0; }, "division by zero \u2014 the stiffener span L1 is zero"},
        {[](Case& c) { SetStresses(c, -240, -240, -30, -30); }, pu},
        {[](Case& c) { c.Tau = 136; }, pu},
    };
    for (const auto& [change, text] : rows) {
        Case c = Panel();
        change(c);
        EXPECT_EQ(FaultOf([&] { PlateBuckling(c); }), "Plate buckling: " + text);
    }
}

// Markers show what a faulting run wrote. An unknown kind faults before any factor;
// a PL2 fault leaves PL1's results standing (PL2's larger 3.60 never governs) and
// the width as it was.
TEST(PlateBuckling, WhatAFaultLeaves) {
    Case c = Panel();
    c.UFpb = c.UFpl = c.Sig0 = -5;
    c.se = -5;
    c.PlateBucklingLine = ResultLine{"old", "old", "old", "old", 4};
    c.StiffKind = -1;
    ASSERT_NE(FaultOf([&] { PlateBuckling(c); }), "");
    EXPECT_EQ(c.Sig0, 235.0);
    EXPECT_EQ(c.UFpb, -5);
    EXPECT_EQ(Parts(c.PlateBucklingLine), Line("", "", "", "", 4));

    c.StiffKind = kLTable;
    SetStresses(c, -100, -240, -30, -30);
    ASSERT_NE(FaultOf([&] { PlateBuckling(c); }), "");
    EXPECT_NEAR(c.UFpb, 1.955795, 1e-6);
    EXPECT_EQ(c.PlateBucklingLine.Formula, "1/0.60^2*((-170.0/222.3)^2 + (-30.0/181.8)^2 + (40.0/131.9)^2) = ");
    EXPECT_EQ(c.PlateLateralLine.Formula, "0.030/(0.60*0.685) = ");
    EXPECT_EQ(c.PlateBucklingLine2.Title, "PL2: Buckling - UF =");
    EXPECT_EQ(c.PlateLateralLine2.Title, "");
    EXPECT_EQ(c.se, -5.0f);
}

}  // namespace
}  // namespace veltar

// Plate buckling: the result texts of a worked panel, the branch and boundary cases
// of the buckling coefficients, the governing field, the effective width and faults.
#include <gtest/gtest.h>

#include <cmath>

#include "checks/buckling/buckling.h"
#include "panel.h"

namespace veltar {
namespace {

using testing::FaultOf;
using testing::Numbers;
using testing::Panel;
using testing::SetStresses;

// Indices of the capacities in a buckling formula "1/n^2*((sx/sCx)^2 + (sy/sCy)^2 + (tau/tauC)^2) = ".
constexpr int kSigCx = 4, kSigCy = 7, kTauC = 10;

Case Checked(Case c) {
    PlateBuckling(c);
    return c;
}

// Worked panel, angle stiffener: ks = 1.1*(5.34 + 4*(625/3000)^2) = 6.0651,
// tauE = pi^2*ks*E/10.92*(20/625)^2 = 1156.3 > 0.6*tau0 (tau0 = 235/sqrt(3) = 135.68), so
// tauC = tau0*(1 - 0.24*tau0/tauE) = 131.9; kS = 1.1*8.4/2.1 = 4.4 gives sCx = 219.2;
// alpha = 4.8, kappa_y = 1 gives kL = 1.2*(1 + 1/4.8^2)^2 = 1.2566 and sCy = 181.8.
TEST(PlateBucklingTexts, WorkedPanel) {
    const Case c = Checked(Panel());
    EXPECT_EQ(c.PlateBucklingLine.Title, "PL1: Buckling - UF =");
    EXPECT_EQ(c.PlateBucklingLine.Formula, "1/0.60^2*((-100.0/219.2)^2 + (-30.0/181.8)^2 + (40.0/131.9)^2) = ");
    EXPECT_EQ(c.PlateBucklingLine.Value, "0.91");
    EXPECT_EQ(c.PlateBucklingLine.Reference, " < 1.0 (3/3.1)");
    EXPECT_EQ(c.PlateBucklingLine.Colour, 2);

    EXPECT_EQ(c.PlateUltimateLine.Title, "PL1: Ultimate - UF = ");
    EXPECT_EQ(c.PlateUltimateLine.Formula,
              "1/0.60^2*((-100.0/234.4)^2 -0.47*(-100.0*-30.0/(234.4*181.8) + (-30.0/181.8)^2 + (40.0/132.5))^2) = ");
    EXPECT_EQ(c.PlateUltimateLine.Value, "0.74");
    EXPECT_EQ(c.PlateUltimateLine.Reference, " < 1.0 (3/3.3)");

    EXPECT_EQ(c.PlateLateralLine.Title, "PL1/PL2: Lateral - UF = p/(n*pu) = ");
    EXPECT_EQ(c.PlateLateralLine.Formula, "0.030/(0.60*0.881) = ");
    EXPECT_EQ(c.PlateLateralLine.Value, "0.06");
    EXPECT_EQ(c.PlateLateralLine.Reference, " < 1.0 (3/3.5)");

    EXPECT_NEAR(c.UFpb, 0.909399, 1e-6);
    EXPECT_NEAR(c.UFpu, 0.742315, 1e-6);
    EXPECT_NEAR(c.UFpl, 0.0567330, 1e-7);
    EXPECT_EQ(c.se, 625.0f);  // UFpb < 1 in both fields: full width
    EXPECT_EQ(c.Sig0, 235.0);
    EXPECT_EQ(c.Pr, 0.6);
}

TEST(PlateBucklingTexts, CommaLocaleWritesCommas) {
    Case c = Panel();
    c.DecSep = 1;
    PlateBuckling(c);
    EXPECT_EQ(c.PlateBucklingLine.Formula, "1/0,60^2*((-100,0/219,2)^2 + (-30,0/181,8)^2 + (40,0/131,9)^2) = ");
    EXPECT_EQ(c.PlateLateralLine.Value, "0,06");
}

// A field with one unloaded edge has kappa_x = 0 and uses 7.6 - 6.4k + 10k^2:
// kS = 7.6*1.1 = 8.36, sEx = 8.36*pi^2*E/10.92*(10/625)^2 = 398.5, sCx = 201.7.
// The other formula would give kS = 8.4 and sCx = 201.9.
TEST(PlateBucklingCoefficients, UnloadedEdgeUsesTheSecondLongitudinalFormula) {
    Case c = Panel();
    c.t = 10.0f;
    SetStresses(c, -100, 0, -30, -30);  // PL2 edges: SigxB = 0, SigxS = -50
    PlateBuckling(c);
    EXPECT_EQ(Numbers(c.PlateBucklingLine2.Formula)[kSigCx], "201.7");
}

// Elastic transverse capacities (t = 8: sEy = kL*30.505 < 0.6*235) for the three kL formulas.
TEST(PlateBucklingCoefficients, TransverseFormulas) {
    struct Row {
        float L1, sigyA, sigyC;
        const char* sigCy;
        const char* why;
    };
    const Row rows[] = {
        {1250, -30, 0, "117.1", "alpha = 2, kappa 0: 1.2*((1.0875*1.5625 - 4.5) + 6) = 3.8391"},
        {1251, -30, 0, "117.0", "just above alpha = 2 the other formula continues the value"},
        {1250, -30, -30, "57.2", "alpha = 2, kappa 1: 1.2*1.5625*(1.675 - 0.675) = 1.875"},
        {3000, -30, 0, "66.2", "alpha = 4.8, kappa 0: kL = 2.1707"},
        {3000, -30, -10, "57.8", "kappa exactly 1/3: kL = 1.2*1.45*(1 + 1/4.8^2)^2 = 1.8943"},
        {3000, -30, 30, "91.5", "kappa -1: kL = 1.2*12/4.8 = 3.0"},
    };
    for (const Row& r : rows) {
        Case c = Panel();
        c.t = 8.0f;
        c.L1 = r.L1;
        SetStresses(c, -100, -100, r.sigyA, r.sigyC);
        PlateBuckling(c);
        EXPECT_EQ(Numbers(c.PlateBucklingLine.Formula)[kSigCy], r.sigCy) << r.why;
    }
}

// Flat bars and bulb flats (C1 = 1.0) give the plate less edge restraint than
// flanged profiles (C1 = 1.1), so a higher usage factor on the same panel.
TEST(PlateBucklingCoefficients, StiffenerKindSelectsEdgeRestraint) {
    Case flanged = Panel();
    flanged.StiffKind = kLTable;
    Case flat = Panel();
    flat.StiffKind = kFbTable;
    const double ufFlanged = Checked(flanged).UFpb;
    const double ufFlat = Checked(flat).UFpb;
    ASSERT_GT(ufFlat, ufFlanged);
    for (i16 kind = 0; kind <= 9; ++kind) {
        Case c = Panel();
        c.StiffKind = kind;
        const bool flatLike = kind == kFbTable || kind == kFbBuilt || kind == kBulb;
        EXPECT_EQ(Checked(c).UFpb, flatLike ? ufFlat : ufFlanged) << "kind " << kind;
    }
}

TEST(PlateBucklingGoverning, EqualFieldsShowPlateOne) {
    const Case c = Checked(Panel());
    EXPECT_EQ(c.PlateBucklingLine.Title, "PL1: Buckling - UF =");
    EXPECT_EQ(c.PlateUltimateLine.Title, "PL1: Ultimate - UF = ");
    EXPECT_EQ(c.PlateBucklingLine2.Title, "PL2: Buckling - UF =");
}

// The wider field PL2 (s2 = 700) governs all three checks; its lateral values are
// 32-bit floats and its usage factor is the larger one.
TEST(PlateBucklingGoverning, WiderSecondFieldGoverns) {
    Case c = Panel();
    c.s2 = 700;
    PrepareStresses(c);
    PlateBuckling(c);
    EXPECT_EQ(c.PlateBucklingLine.Title, "PL2: Buckling - UF =");
    EXPECT_EQ(c.PlateBucklingLine.Formula, "1/0.60^2*((-100.0/215.2)^2 + (-30.0/169.6)^2 + (40.0/130.9)^2) = ");
    EXPECT_EQ(c.PlateBucklingLine.Value, "0.95");
    EXPECT_EQ(c.PlateUltimateLine.Title, "PL2: Ultimate - UF = ");
    EXPECT_EQ(c.PlateUltimateLine.Value, "0.78");
    EXPECT_EQ(c.PlateLateralLine.Title, "PL2: Lateral - UF = p/(n*pu) = ");
    EXPECT_EQ(c.PlateLateralLine.Formula, "0.030/(0.60*0.710) = ");
    EXPECT_EQ(c.UFpl, double(float(c.UFpl)));
    EXPECT_NEAR(c.UFpb, 0.946080, 1e-6);
    EXPECT_EQ(c.se, 662.5f);
}

// The lateral title reads PL1/PL2 when the widths are equal and the two stored
// sigma_xe agree; PL1 compares with PL2's value before PL2 limits it to compression.
TEST(PlateBucklingGoverning, LateralTitles) {
    struct Row {
        float s1, s2, sigxA, sigxB;
        const char* governing;
        const char* pl2;
    };
    const Row rows[] = {
        {625, 625, -100, -100, "PL1/PL2: ", "PL1/PL2: "},
        {600, 625, -100, -100, "PL2: ", "PL2: "},
        {625, 625, -100, -50, "PL1: ", "PL2: "},
        // All tension: PL1 sees PL2's unlimited 50, PL2 sees both limited to 0. PL2's
        // float factor rounds above PL1's double one, so PL2's line governs.
        {625, 625, 50, 50, "PL1/PL2: ", "PL1/PL2: "},
    };
    for (const Row& r : rows) {
        Case c = Panel();
        c.s1 = r.s1;
        c.s2 = r.s2;
        SetStresses(c, r.sigxA, r.sigxB, -30, -30);
        PlateBuckling(c);
        const std::string tail = "Lateral - UF = p/(n*pu) = ";
        EXPECT_EQ(c.PlateLateralLine.Title, r.governing + tail) << r.s1 << " " << r.sigxB;
        EXPECT_EQ(c.PlateLateralLine2.Title, r.pl2 + tail) << r.s1 << " " << r.sigxB;
    }
}

// With p = 0.05 PL2's float lateral factor rounds below PL1's double one, so PL1's
// line governs and shows its own title: it compared its limited 0 with PL2's
// unlimited 50, while PL2 compared two limited zeros.
TEST(PlateBucklingGoverning, PlateOneComparesWithUnlimitedPlateTwoStress) {
    Case c = Panel();
    c.p = 0.05;
    SetStresses(c, 50, 50, -30, -30);
    PlateBuckling(c);
    EXPECT_EQ(c.PlateLateralLine.Title, "PL1: Lateral - UF = p/(n*pu) = ");
    EXPECT_EQ(c.PlateLateralLine.Formula, "0.050/(0.60*0.951) = ");
    EXPECT_EQ(c.PlateLateralLine2.Title, "PL1/PL2: Lateral - UF = p/(n*pu) = ");
}

TEST(PlateBucklingWidth, AllTensionGivesNoLinesAndTheMeanSpacing) {
    Case c = Panel();
    c.s1 = 600;
    c.s2 = 650;
    c.Tau = 0;
    c.p = 0;
    SetStresses(c, 50, 50, 20, 20);
    c.PlateBucklingLine.Colour = 4;
    PlateBuckling(c);
    EXPECT_EQ(c.UFpb, 0);
    EXPECT_EQ(c.UFpu, 0);
    EXPECT_EQ(c.UFpl, 0);
    for (const ResultLine* line : {&c.PlateBucklingLine, &c.PlateUltimateLine, &c.PlateLateralLine}) {
        EXPECT_EQ(line->Title, "");
        EXPECT_EQ(line->Formula, "");
        EXPECT_EQ(line->Value, "");
    }
    EXPECT_EQ(c.PlateBucklingLine.Colour, 4);  // the reset keeps the colour
    EXPECT_EQ(c.se, 625.0f);
}

// Shear alone with n = 1 and Tau equal to the float tauC = 131.8565216064453 of the
// worked panel gives UFpb = (tau/tauC)^2 = 1 exactly: green, and the full width needs
// UFpb < 1, so the width is reduced (Rt = sqrt(1 - (tau/tau0)^2) = 0.2356).
TEST(PlateBucklingWidth, FactorOfExactlyOneIsGreenAndReducesTheWidth) {
    const float tauC = 131.8565216064453f;
    Case c = Panel();
    c.UFa = 1.0f;
    SetStresses(c, 10, 10, 10, 10);
    c.Tau = tauC;
    PlateBuckling(c);
    EXPECT_EQ(c.UFpb, 1.0);
    EXPECT_EQ(c.PlateBucklingLine.Value, "1.00");
    EXPECT_EQ(c.PlateBucklingLine.Colour, 2);
    EXPECT_EQ(c.PlateBucklingLine.Formula, "1/1.00^2*((0.0/219.2)^2 + (0.0/181.8)^2 + (131.9/131.9)^2) = ");
    EXPECT_NEAR(c.se, 146.8713f, 1e-3f);

    c.Tau = std::nextafter(tauC, 0.0f);
    PlateBuckling(c);
    EXPECT_LT(c.UFpb, 1.0);
    EXPECT_EQ(c.se, 625.0f);
}

// Transverse tension of 400 MPa makes PL2's radicand negative once its UFpb >= 1:
// R falls back to Cy and the error flag is set; with PL2 below 1 nothing is flagged.
TEST(PlateBucklingWidth, NegativeRadicandOfPlateTwoSetsTheErrorFlag) {
    Case c = Panel();
    SetStresses(c, -200, -200, 400, 400);
    PlateBuckling(c);
    EXPECT_EQ(c.CalcErrorFlag, 1);
    EXPECT_NEAR(c.se, 293.52f, 1e-2f);

    Case light = Panel();
    SetStresses(light, -200, 100, 400, 400);  // PL1 reduced with r < 0, PL2's UFpb = 0.38
    PlateBuckling(light);
    EXPECT_EQ(light.CalcErrorFlag, 0);
    EXPECT_NEAR(light.se, 459.26f, 1e-2f);
}

TEST(PlateBucklingFaults, Texts) {
    struct Row {
        void (*change)(Case&);
        const char* text;
    };
    const Row rows[] = {
        {[](Case& c) { c.StiffKind = 10; }, "Plate buckling: division by zero \u2014 the stiffener kind is unknown"},
        {[](Case& c) { c.UFa = 0; }, "Plate buckling: division by zero \u2014 the allowable usage factor is zero"},
        {[](Case& c) { c.L1 = 0; }, "Plate buckling: division by zero \u2014 the stiffener span L1 is zero"},
        {[](Case& c) { SetStresses(c, -240, -240, -30, -30); },
         "Plate buckling: square root of a negative number \u2014 the equivalent stress exceeds the yield stress"},
        {[](Case& c) { c.Tau = 136; },
         "Plate buckling: square root of a negative number \u2014 the equivalent stress exceeds the yield stress"},
    };
    for (const Row& r : rows) {
        Case c = Panel();
        r.change(c);
        EXPECT_EQ(FaultOf([&] { PlateBuckling(c); }), r.text);
    }
}

// Preset markers show which fields a faulting run has written.
Case Marked() {
    Case c = Panel();
    c.UFpb = c.UFpu = c.UFpl = -5;
    c.se = -5;
    c.Pr = 0;
    c.Sig0 = 0;
    for (ResultLine* line : {&c.PlateBucklingLine, &c.PlateUltimateLine, &c.PlateLateralLine})
        *line = ResultLine{"old", "old", "old", "old", 4};
    return c;
}

TEST(PlateBucklingFaults, UnknownKindFaultsBeforeAnyFactor) {
    Case c = Marked();
    c.StiffKind = -1;
    ASSERT_NE(FaultOf([&] { PlateBuckling(c); }), "");
    EXPECT_EQ(c.Pr, 0.6);
    EXPECT_EQ(c.Sig0, 235.0);
    EXPECT_EQ(c.UFpb, -5);
    EXPECT_EQ(c.PlateBucklingLine.Title, "");
    EXPECT_EQ(c.PlateBucklingLine.Colour, 4);
}

// PL1 faults in its lateral step: its buckling and ultimate results stand, the
// lateral factor and the width keep their old values.
TEST(PlateBucklingFaults, PlateOneLateralFaultKeepsItsEarlierResults) {
    Case c = Marked();
    SetStresses(c, -240, -240, -30, -30);
    ASSERT_NE(FaultOf([&] { PlateBuckling(c); }), "");
    EXPECT_EQ(c.PlateBucklingLine.Title, "PL1: Buckling - UF =");
    EXPECT_EQ(c.PlateUltimateLine.Title, "PL1: Ultimate - UF = ");
    EXPECT_GT(c.UFpb, 0);
    EXPECT_EQ(c.PlateLateralLine.Title, "");
    EXPECT_EQ(c.UFpl, -5);
    EXPECT_EQ(c.se, -5.0f);
}

// PL2 faults in its lateral step: PL1's results all stand and PL2's larger
// buckling factor never reaches the governing field.
TEST(PlateBucklingFaults, PlateTwoFaultLeavesPlateOneGoverning) {
    Case c = Marked();
    SetStresses(c, -100, -240, -30, -30);
    ASSERT_NE(FaultOf([&] { PlateBuckling(c); }), "");
    EXPECT_NEAR(c.UFpb, 1.955795, 1e-6);  // PL2's own would be 3.5955
    EXPECT_EQ(c.PlateBucklingLine.Formula, "1/0.60^2*((-170.0/222.3)^2 + (-30.0/181.8)^2 + (40.0/131.9)^2) = ");
    EXPECT_EQ(c.PlateLateralLine.Title, "PL1: Lateral - UF = p/(n*pu) = ");
    EXPECT_EQ(c.PlateLateralLine.Formula, "0.030/(0.60*0.685) = ");
    EXPECT_EQ(c.PlateBucklingLine2.Title, "PL2: Buckling - UF =");
    EXPECT_EQ(c.PlateLateralLine2.Title, "");
    EXPECT_EQ(c.se, -5.0f);
}

}  // namespace
}  // namespace veltar

// The buckling checks against hand calculations: plate buckling (texts, coefficient
// branches, governing field, effective width), stiffener buckling and stiffness, overall
// buckling, the buckling rows of the result list, and what a fault leaves behind.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "checks/buckling/buckling.h"
#include "core/arith.h"
#include "core/stresses.h"
#include "faultof.h"

namespace veltar {
namespace {

// The start-up panel (t 20, s 625/625, L1 3000, Tau 40, p 0.03, angle stiffener) with
// 235 MPa plate and stiffener and the given stresses, pre-processed.
Case Panel(float sigxA = -100, float sigxB = -100, float sigyA = -30, float sigyC = -30) {
    Case c;
    c.Fyp = c.Fys = 235, c.SigxA = sigxA, c.SigxB = sigxB, c.SigyA = sigyA, c.SigyC = sigyC;
    PrepareStresses(c);
    return c;
}

// The panel with a stiffener of 3000 mm2 (Ie 5e7 mm4, neutral axis 60 mm above the
// plate mid-plane), plating se = 600 mm and a T girder of 11800 mm2.
Case Stiffened(float sigx = -100, float sigy = -30) {
    Case c = Panel(sigx, sigx, sigy, sigy);
    c.se = 600, c.StiffAx = 3000.0, c.AeBu = 15000, c.IeBu = 5.0e7, c.rBu = std::sqrt(5.0e7 / 15000), c.WesSw = 3.0e5;
    c.IeSc = 6.0e7, c.StiffGamma = 1.0e10, c.StiffIo = 3.0e7, c.StiffK = 5.0e4f, c.zpBu = 60, c.GirdA = 11800;
    return c;
}

// Title, Formula, Value, Reference and Colour.
using Line = std::tuple<std::string, std::string, std::string, std::string, int>;
Line Parts(const ResultLine& l) { return {l.Title, l.Formula, l.Value, l.Reference, l.Colour}; }

// ks = 1.1*(5.34 + 4*(625/3000)^2) = 6.0651, tauE = pi^2*ks*E/10.92*(20/625)^2 = 1156.3,
// tauC = tau0*(1 - 0.24*tau0/tauE) = 131.9 with tau0 = 235/sqrt(3); kS = 1.1*8.4/2.1
// gives sCx = 219.2; alpha = 4.8, kappa_y = 1: kL = 1.2*(1 + 1/4.8^2)^2, sCy = 181.8.
TEST(PlateBuckling, WorkedPanel) {
    Case c = Panel();
    PlateBuckling(c);
    EXPECT_EQ(Parts(c.PlateBucklingLine),
              Line("PL1: Buckling - UF =", "1/0.60^2*((-100.0/219.2)^2 + (-30.0/181.8)^2 + (40.0/131.9)^2) = ", "0.91",
                   " < 1.0 (3/3.1)", 2));
    EXPECT_EQ(Parts(c.PlateUltimateLine), Line("PL1: Ultimate - UF = ",
                                               "1/0.60^2*((-100.0/234.4)^2 -0.47*(-100.0*-30.0/(234.4*181.8) + "
                                               "(-30.0/181.8)^2 + (40.0/132.5))^2) = ",
                                               "0.74", " < 1.0 (3/3.3)", 2));
    EXPECT_EQ(Parts(c.PlateLateralLine),
              Line("PL1/PL2: Lateral - UF = p/(n*pu) = ", "0.030/(0.60*0.881) = ", "0.06", " < 1.0 (3/3.5)", 2));
}

// Rows: stiffener kind, t, L1, SigxA, SigxB, SigyA, SigyC and a part of PL1's formula
// (PL2's where SigxB is 0). t = 8 keeps the transverse capacity elastic: sCy = kL*30.505.
// A bulb flat (C1 = 1.0, C2 = 1.1) restrains the edge less than flanged profiles.
TEST(PlateBuckling, CoefficientBranches) {
    const std::tuple<i16, float, float, float, float, float, float, const char*> rows[] = {
        {kLTable, 10, 3000, -100, 0, -30, -30, "(-50.0/201.7)^2"},  // kappa_x = 0: kS = 7.6*1.1, not 8.4*1.1/1.1
        {kLTable, 20, 3000, 0, 0, 0, 0, "((0.0/219.2)^2 + (0.0/181.8)^2"},  // unloaded, not 0/0
        {kLTable, 8, 1250, -100, -100, -30, 0, "(-30.0/117.1)^2"},          // alpha = 2, kappa 0: kL = 3.8391
        {kLTable, 8, 3000, -100, -100, -30, -10, "(-30.0/57.8)^2"},         // kappa 1/3: kL = 1.2*1.45*(1+1/4.8^2)^2
        {kLTable, 8, 3000, -100, -100, -30, 30, "(-30.0/91.5)^2"},          // kappa -1: kL = 1.2*12/4.8 = 3
        {kBulb, 20, 3000, -100, -100, -30, -30, "((-100.0/217.6)^2 + (-30.0/176.9)^2"},
    };
    for (const auto& [kind, t, L1, sigxA, sigxB, sigyA, sigyC, part] : rows) {
        Case c = Panel(sigxA, sigxB, sigyA, sigyC);
        c.StiffKind = kind, c.t = t, c.L1 = L1;
        PlateBuckling(c);
        const std::string& formula = (sigxB == 0 ? c.PlateBucklingLine2 : c.PlateBucklingLine).Formula;
        EXPECT_NE(formula.find(part), std::string::npos) << formula;
    }
}

// Rows: s1, SigxA, SigxB, p and the prefixes of the governing buckling and lateral titles
// and of PL2's lateral title. PL1/PL2 needs equal widths and equal stored sigma_xe; PL1
// compares with PL2's value before PL2 limits it to compression. Equal double factors keep
// PL1's line; PL2's float lateral factor decides by its rounding (above PL1's at p 0.03,
// below at 0.05).
TEST(PlateBuckling, GoverningLinesAndLateralTitles) {
    const std::tuple<float, float, float, double, const char*> rows[] = {
        {625, -100, -100, 0.03, "PL1: PL1/PL2: PL1/PL2: "}, {600, -100, -100, 0.03, "PL2: PL2: PL2: "},
        {625, -100, -50, 0.03, "PL1: PL1: PL2: "},          {625, 50, 50, 0.03, "PL1: PL1/PL2: PL1/PL2: "},
        {625, 50, 50, 0.05, "PL1: PL1: PL1/PL2: "},
    };
    const auto prefix = [](const ResultLine& l) { return l.Title.substr(0, l.Title.find(' ') + 1); };
    for (const auto& [s1, sigxA, sigxB, p, prefixes] : rows) {
        Case c = Panel(sigxA, sigxB);
        c.s1 = s1, c.p = p;
        PrepareStresses(c);
        PlateBuckling(c);
        EXPECT_EQ(prefix(c.PlateBucklingLine) + prefix(c.PlateLateralLine) + prefix(c.PlateLateralLine2), prefixes);
    }
}

// Rows: SigxA, SigxB, Sigy, Tau, n, s1, se and PL1's buckling value and colour. All
// tension: no line (the reset keeps the colour) and the mean spacing. Shear alone at the
// float tauC of the worked panel with n = 1 gives UFpb = 1 exactly: green, and the width
// reduced by Rt = sqrt(1 - (tau/tau0)^2) = 0.2356; just below, the full width. 400 MPa
// transverse tension makes the radicand negative: PL2 (UFpb >= 1) flags it, PL1 alone
// (PL2's UFpb 0.38) falls back to Cy silently.
TEST(PlateBuckling, EffectiveWidth) {
    const float tauC = 131.8565216064453f;
    const std::tuple<float, float, float, float, float, float, float, const char*> rows[] = {
        {50, 50, 20, 0, 0.6f, 575, 600, " 4"},
        {10, 10, 10, tauC, 1, 625, 146.8713f, "1.00 2"},
        {10, 10, 10, std::nextafter(tauC, 0.0f), 1, 625, 625, "1.00 2"},
        {-200, -200, 400, 40, 0.6f, 625, 293.52f, "2.57 4"},
        {-200, 100, 400, 40, 0.6f, 625, 459.26f, "2.45 4"},
    };
    for (const auto& [sigxA, sigxB, sigy, tau, n, s1, se, value] : rows) {
        Case c = Panel(sigxA, sigxB, sigy, sigy);
        c.Tau = tau, c.UFa = n, c.s1 = s1, c.PlateBucklingLine.Colour = 4;
        PrepareStresses(c);
        PlateBuckling(c);
        EXPECT_NEAR(c.se, se, 1e-2f) << tau;
        EXPECT_EQ(c.CalcErrorFlag, sigxB == -200) << sigxB;
        EXPECT_EQ(c.PlateBucklingLine.Value + " " + std::to_string(c.PlateBucklingLine.Colour), value) << tau;
    }
}

// The last row faults in PL2 (sigma_e above the yield stress): PL1's results stand (PL2's
// larger 3.60 never governs) and the width stays as it was.
TEST(PlateBuckling, FaultTextsAndWhatAFaultLeaves) {
    const std::pair<void (*)(Case&), std::string> rows[] = {
        {[](Case& c) { c.StiffKind = 10; }, "division by zero \u2014 the stiffener kind is unknown"},
        {[](Case& c) { c.UFa = 0; }, "division by zero \u2014 the allowable usage factor is zero"},
        {[](Case& c) { c.L1 = 0; }, "division by zero \u2014 the stiffener span L1 is zero"},
        {[](Case& c) { c = Panel(-100, -240); },
         "square root of a negative number \u2014 the equivalent stress exceeds the yield stress"},
    };
    Case c;
    for (const auto& [change, text] : rows) {
        c = Panel();
        change(c);
        c.se = -5;
        EXPECT_EQ(FaultOf([&] { PlateBuckling(c); }), "Plate buckling: " + text);
    }
    EXPECT_NEAR(c.UFpb, 1.955795, 1e-6);
    EXPECT_EQ(c.PlateBucklingLine.Formula, "1/0.60^2*((-170.0/222.3)^2 + (-30.0/181.8)^2 + (40.0/131.9)^2) = ");
    EXPECT_EQ(c.PlateBucklingLine2.Title + "|" + c.PlateLateralLine2.Title, "PL2: Buckling - UF =|");
    EXPECT_EQ(c.se, -5.0f);
}

// Uniform -100 MPa gives sigma_a = 100. sigma_E = pi^2*206000*(5e7/15000)/3000^2 = 753.0,
// sigma_CA = 235*(1 - 0.24*235/753.0) = 217.4, sigma_b = 625*0.03*3000^2/12/3e5 = 46.875.
// The torsional modes are lowest at m = 3 (911.5): sigma_CT = 220.5.
// y = 625*0.03*3000^4/(384*206000*6e7) = 0.32 mm, L1/y = 9375. Stiffness: delta = 0.24,
// alpha = 4.8: gamma0 = 3.56*4.8^2 + 12.4*4.8 - 13.2*sqrt(4.8) = 112.6227, io =
// gamma0*(625*20^3/12)/0.91 = 5.1567e7. Without pressure there is no bending term and no
// deformation line; without warping stiffness the torsional modes still fall at m = 12
// (284.6) and 13 (266.8), but the search stops at 12: sigma_CT = 235*(1 - 0.24*235/284.6)
// = 188.4 (m = 13: 185.3).
TEST(StiffenerBuckling, WorkedStiffener) {
    Case c = Stiffened();
    StiffenerBuckling(c);
    StiffenerStiffness(c);
    EXPECT_EQ(Parts(c.StiffBeamColumnLine),
              Line("UFbu= ", "1/0.6*(100.0/(217.4*(15000/15500)) + 0.75*46.9/(235.0*[1-100.0/(0.60*753.0)])) =", "1.11",
                   "  < 1.0 (3/5.1)", 4));
    EXPECT_EQ(Parts(c.StiffTorsionLine),
              Line("UFbt= Siga/(n*SigCT) = ", "100.0/(0.6*220.5)  =", "0.76", "  < 1.0 (3/5.3)", 2));
    EXPECT_EQ(Parts(c.StiffDeformationLine),
              Line("Deformation y = p*(s1+s2)/2*L1^4/(384*E*Iyeff) = ", "0.03*(625+625)/2*3000^4/(384*E*60.0E+6) = ",
                   "0.3 mm ", " ==> l/9375", 0));
    EXPECT_EQ(Parts(c.StiffStiffnessLine),
              Line("UFst= io/Ieff = ", "5.157E+7/5.000E+7 = ", "1.03", "  < 1.0 (3/9.1)", 4));
    c.p = 0, c.StiffGamma = 0;
    StiffenerBuckling(c);
    EXPECT_EQ(c.StiffBeamColumnLine.Value + c.StiffDeformationLine.Title + " " + c.StiffTorsionLine.Formula,
              "0.79 100.0/(0.6*188.4)  =");
}

// Exactly zero axial stress already means no buckling control; the colours stay.
TEST(StiffenerBuckling, NoCompressionNoControl) {
    Case c = Stiffened(0);
    c.StiffBeamColumnLine = c.StiffTorsionLine = ResultLine{"old", "old", "old", "old", 4};
    StiffenerBuckling(c);
    EXPECT_EQ(c.UFb + c.UFbt, -198);
    EXPECT_EQ(Parts(c.StiffBeamColumnLine), Line("UFbu= ", "Siga postive or 0 ==> No buckling control", "", "", 4));
    EXPECT_EQ(Parts(c.StiffTorsionLine), Line("", "Siga postive or 0 ==> No buckling control", "", "", 4));
}

// Rows: rBu, Fyp, Fys, the beam-column formula, value and colour. From sigma_a = n*sigma_E
// the stiffener fails as a column; rBu = 27.162021770987774 puts 0.6f*sigma_E on 100
// exactly. The column stress takes the area-weighted yield stress ((3000*Fys +
// 12000*Fyp)/15000), the bending term Fys, the torsion the lower of the two.
TEST(StiffenerBuckling, ColumnFailureAndYieldStresses) {
    const std::tuple<double, float, float, const char*> rows[] = {
        {10.0, 235, 235, "1/0.6*(100.0/(22.6*(15000/15500)) + 0.75*46.9/(235.0*[1-100.0/(0.60*22.6)])) = NOK 4"},
        {27.162021770987774, 235, 235,
         "1/0.6*(100.0/(155.5*(15000/15500)) + 0.75*46.9/(235.0*[1-100.0/(0.60*166.7)])) = NOK 4"},
        {28.0, 235, 235, "1/0.6*(100.0/(160.2*(15000/15500)) + 0.75*46.9/(235.0*[1-100.0/(0.60*177.1)])) = 5.30 4"},
        {57.7, 355, 235, "1/0.6*(100.0/(296.0*(15000/15500)) + 0.75*46.9/(235.0*[1-100.0/(0.60*752.1)])) = 0.90 2"},
        {57.7, 235, 355, "1/0.6*(100.0/(237.6*(15000/15500)) + 0.75*46.9/(355.0*[1-100.0/(0.60*752.1)])) = 0.94 2"},
    };
    for (const auto& [rBu, Fyp, Fys, text] : rows) {
        Case c = Stiffened();
        c.rBu = rBu, c.Fyp = Fyp, c.Fys = Fys;
        StiffenerBuckling(c);
        const ResultLine& l = c.StiffBeamColumnLine;
        EXPECT_EQ(l.Formula + " " + l.Value + " " + std::to_string(l.Colour), text);
        EXPECT_EQ(c.StiffTorsionLine.Formula + " " + std::to_string(c.Sig0), "100.0/(0.6*220.5)  = 235.000000");
    }
}

// Rows: Lg, Sigx, Sigy, the formula, value and the factor, held as a 32-bit float. Lg 8000:
// kx from phi, ky = 4; Lg 2000: kx = 4, ky from psi; Lg = L1: kx = ky = 4 with Dx =
// 206000*5e7/(0.91*625), Dy = 206000*(3000*20^3/12)/(0.91*3000), tx = 24.8: sEx =
// pi^2*4*sqrt(Dx*Dy)/(3000^2*24.8) = 292.4, sCx = 235*(1 - 0.24*235/292.4). Stresses are
// squared with their signs.
TEST(GirderBuckling, Lines) {
    const std::tuple<float, float, float, const char*, const char*, float> rows[] = {
        {8000, -100, -30, "(-100.0/(0.60*218.8))^2 + (-30.0/(0.60*190.6))^2 = ", "0.65", 0.648840547f},
        {3000, -100, -30, "(-100.0/(0.60*189.7))^2 + (-30.0/(0.60*190.6))^2 = ", "0.84", 0.840936422f},
        {2000, -100, -30, "(-100.0/(0.60*214.9))^2 + (-30.0/(0.60*209.4))^2 = ", "0.66", 0.65874362f},
        {8000, 100, -30, "(100.0/(0.60*218.8))^2 + (-30.0/(0.60*190.6))^2 = ", "0.65", 0.648840547f},
        {8000, -200, -100, "(-200.0/(0.60*218.8))^2 + (-100.0/(0.60*190.6))^2 = ", "3.08", 3.0847075f},
    };
    for (const auto& [Lg, sigx, sigy, formula, value, uf] : rows) {
        Case c = Stiffened(sigx, sigy);
        c.Lg = Lg;
        GirderBuckling(c);
        EXPECT_EQ(Parts(c.GirderLine), Line("UFgbu= ", formula, value, "  < 1.0 (3/5.7)", uf > 1 ? 4 : 2)) << Lg;
        EXPECT_EQ(c.UFgbu, uf);
    }
}

// Markers show what a faulting check leaves: the values formed before the fault, the
// factor and colour of the last run, and cleared texts.
TEST(StiffenerAndGirder, WhatAFaultLeaves) {
    Case c = Stiffened();
    c.UFb = c.io = c.UFst = -5, c.UFgbu = 0.5f, c.WesSw = 0;
    c.GirderLine = ResultLine{"old", "old", "old", "old", 4};
    EXPECT_EQ(FaultOf([&] { StiffenerBuckling(c); }),
              "Stiffener buckling: division by zero \u2014 the stiffener section is incomplete: check the profile");
    EXPECT_EQ(c.Sig0, 235.0);  // the area-weighted value came first
    EXPECT_EQ(c.UFb, -5);
    c.IeBu = 0;
    EXPECT_EQ(FaultOf([&] { StiffenerStiffness(c); }),
              "Stiffener stiffness: division by zero \u2014 the stiffener section has no moment of inertia: check "
              "the profile");
    EXPECT_NEAR(c.io, 51567147.503, 1e-3);
    EXPECT_EQ(c.UFst, -5);
    EXPECT_EQ(FaultOf([&] { GirderBuckling(c); }),
              "Girder buckling: division by zero \u2014 the stiffener section has no moment of inertia (check the "
              "profile) or the plate thickness is zero");
    EXPECT_EQ(c.UFgbu, 0.5f);
    EXPECT_EQ(Parts(c.GirderLine), Line("", "", "", "", 4));
}

// A case whose eight result lines carry their index, as a run leaves it before listing.
Case Listed(i16 calcErrorFlag, i16 inclDeform, double p) {
    Case c;
    c.CalcErrorFlag = calcErrorFlag, c.InclDeform = inclDeform, c.p = p, c.se = 612.25f, c.sw = 1250;
    ResultLine* lines[] = {&c.PlateBucklingLine, &c.PlateUltimateLine,  &c.PlateLateralLine, &c.StiffBeamColumnLine,
                           &c.StiffTorsionLine,  &c.StiffStiffnessLine, &c.GirderLine,       &c.StiffDeformationLine};
    for (i16 i = 0; i < 8; ++i) *lines[i] = ResultLine{"L", std::to_string(i), "=v", "<r", i};
    return c;
}

// Each row as style letter (N note, H heading, R result, E error), text, value,
// reference and a non-zero colour.
std::string Rows(Case c) {
    RowWriter rows(c.Rows);
    ShowBucklingResults(c, rows);
    rows.Finish();
    std::string out;
    for (const ListRow& r : c.Rows)
        out += "NHRE"[static_cast<int>(r.style)] + r.text + r.value + r.reference +
               (r.colour ? "#" + std::to_string(r.colour) : "") + "|";
    return out;
}

// Deformation rows need the box and a pressure; untitled plate and deformation lines are
// skipped, the girder line is listed anyway; the widths take the decimal comma.
TEST(BucklingRows, OrderAndOptionalRows) {
    const std::string head =
        "N(Rule/Buckling: ABS-Buckling and Ultimate Strength Assessment for Offshore "
        "Structures)|HPLATE BUCKLING CONTROL: (Max from plate 1/2)|";
    const std::string plate = "RL0=v<r|RL1=v<r#1|RL2=v<r#2|";
    const std::string stiff =
        "HSTIFFENER BUCKLING CONTROL:|NBuckling, se = 612.3 mm   Bending, sw = 1250.0 mm|"
        "RL3=v<r#3|RL4=v<r#4|RL5=v<r#5|";
    const std::string girder = "HOVERALL BUCKLING CONTROL:|RL6=v<r#6|";
    EXPECT_EQ(Rows(Listed(0, 0, 0.03)), head + plate + stiff + girder);
    EXPECT_EQ(Rows(Listed(0, 1, 0.0)), head + plate + stiff + girder);
    EXPECT_EQ(Rows(Listed(1, 1, -0.03)), head + plate + stiff + "EERROR in calculation, decrease Sigy-stress#255|" +
                                             girder + "HSTIFFENER DEFORMATION CHECK:|RL7=v<r#7|");
    Case c = Listed(0, 1, 0.03);
    c.DecSep = 1;
    for (ResultLine* l :
         {&c.PlateBucklingLine, &c.PlateUltimateLine, &c.PlateLateralLine, &c.GirderLine, &c.StiffDeformationLine})
        l->ClearTexts();
    EXPECT_EQ(Rows(c), head +
                           "HSTIFFENER BUCKLING CONTROL:|NBuckling, se = 612,3 mm   Bending, sw = 1250,0 mm|"
                           "RL3=v<r#3|RL4=v<r#4|RL5=v<r#5|HOVERALL BUCKLING CONTROL:|R#6|"
                           "HSTIFFENER DEFORMATION CHECK:|");
}

}  // namespace
}  // namespace veltar

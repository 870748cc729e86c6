// Stiffener buckling, torsion, deflection and stiffness: a worked stiffener, the
// no-compression lines, the column failure, the mode search and the faults.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "checks/buckling/buckling.h"
#include "panel.h"

namespace veltar {
namespace {

using namespace veltar::testing;

const char* const kNoControl = "Siga postive or 0 ==> No buckling control";

// The worked panel with a stiffener of 3000 mm2 and plating se = 600 mm.
Case Stiffened() {
    Case c = Panel();
    c.se = 600;
    c.StiffAx = 3000.0;
    c.AeBu = 15000;
    c.IeBu = 5.0e7;
    c.rBu = std::sqrt(5.0e7 / 15000);
    c.WesSw = 3.0e5;
    c.IeSc = 6.0e7;
    c.StiffGamma = 1.0e10;
    c.StiffIo = 3.0e7;
    c.StiffK = 5.0e4f;
    return c;
}

// Uniform -100 MPa gives sigma_a = 100. sigma_E = pi^2*206000*(5e7/15000)/3000^2 = 753.0,
// sigma_CA = 235*(1 - 0.24*235/753.0) = 217.4, sigma_b = 625*0.03*3000^2/12/3e5 = 46.875.
// The torsional modes are lowest at m = 3 (911.5): sigma_CT = 220.5.
// y = 625*0.03*3000^4/(384*206000*6e7) = 0.32 mm, L1/y = 9375.
TEST(StiffenerBuckling, WorkedStiffener) {
    Case c = Stiffened();
    StiffenerBuckling(c);
    EXPECT_EQ(Parts(c.StiffBeamColumnLine),
              Line("UFbu= ", "1/0.6*(100.0/(217.4*(15000/15500)) + 0.75*46.9/(235.0*[1-100.0/(0.60*753.0)])) =",
                   "1.11", "  < 1.0 (3/5.1)", 4));
    EXPECT_EQ(Parts(c.StiffTorsionLine),
              Line("UFbt= Siga/(n*SigCT) = ", "100.0/(0.6*220.5)  =", "0.76", "  < 1.0 (3/5.3)", 2));
    EXPECT_EQ(Parts(c.StiffDeformationLine),
              Line("Deformation y = p*(s1+s2)/2*L1^4/(384*E*Iyeff) = ", "0.03*(625+625)/2*3000^4/(384*E*60.0E+6) = ",
                   "0.3 mm ", " ==> l/9375", 0));
    EXPECT_NEAR(c.UFb, 1.1124025, 1e-7);
    EXPECT_EQ(c.Sig0, 235.0);

    c.p = 0;
    StiffenerBuckling(c);
    EXPECT_EQ(c.StiffBeamColumnLine.Value, "0.79");  // no bending term
    EXPECT_EQ(Parts(c.StiffDeformationLine), Line("", "", "", "", 0));
}

// Tension and exactly zero axial stress both mean no buckling control.
TEST(StiffenerBuckling, NoCompressionNoControl) {
    for (const float sigx : {50.0f, 0.0f}) {
        Case c = Stiffened();
        SetStresses(c, sigx, sigx, -30, -30);
        c.StiffBeamColumnLine.Colour = 4;
        c.StiffTorsionLine = ResultLine{"old", "old", "old", "old", 4};
        StiffenerBuckling(c);
        EXPECT_EQ(c.UFb, -99);
        EXPECT_EQ(c.UFbt, -99);
        EXPECT_EQ(Parts(c.StiffBeamColumnLine), Line("UFbu= ", kNoControl, "", "", 4)) << sigx;
        EXPECT_EQ(Parts(c.StiffTorsionLine), Line("", kNoControl, "", "", 4)) << sigx;
    }
}

// From sigma_a = n*sigma_E on the stiffener fails as a column; rBu = 27.162021770987774
// puts 0.6f*sigma_E on 100 exactly. Just below, the amplified formula holds.
TEST(StiffenerBuckling, FailsAsColumnFromTheAmplificationLimit) {
    const std::pair<double, const char*> rows[] = {
        {10.0, "1/0.6*(100.0/(22.6*(15000/15500)) + 0.75*46.9/(235.0*[1-100.0/(0.60*22.6)])) = NOK"},
        {27.162021770987774, "1/0.6*(100.0/(155.5*(15000/15500)) + 0.75*46.9/(235.0*[1-100.0/(0.60*166.7)])) = NOK"},
        {28.0, "1/0.6*(100.0/(160.2*(15000/15500)) + 0.75*46.9/(235.0*[1-100.0/(0.60*177.1)])) = 5.30"},
    };
    for (const auto& [rBu, text] : rows) {
        Case c = Stiffened();
        c.rBu = rBu;
        StiffenerBuckling(c);
        EXPECT_EQ(c.StiffBeamColumnLine.Formula + " " + c.StiffBeamColumnLine.Value, text);
        EXPECT_EQ(c.StiffBeamColumnLine.Colour, 4);
        EXPECT_EQ(std::isinf(c.UFb), rBu < 28);
    }
}

// No yield stress and no radius of gyration: sigma_E = Pr*Sig0 = 0 counts as elastic
// (no division by sigma_E), the column fails, and only the torsional factor divides by 0.
TEST(StiffenerBuckling, ProportionalLimitIsElastic) {
    Case c = Stiffened();
    c.Fyp = c.Fys = 0;
    c.rBu = 0;
    EXPECT_EQ(FaultOf([&] { StiffenerBuckling(c); }),
              "Stiffener buckling: division by zero \u2014 the allowable usage factor or the critical torsional "
              "stress is zero");
    EXPECT_EQ(c.StiffBeamColumnLine.Value, "NOK");
    EXPECT_EQ(c.UFb, std::numeric_limits<double>::infinity());
}

// The column stress takes the area-weighted yield stress ((3000*Fys + 12000*Fyp)/15000),
// the bending term Fys, the torsion the lower of the two.
TEST(StiffenerBuckling, YieldStresses) {
    const std::tuple<float, float, const char*> rows[] = {
        {355, 235, "1/0.6*(100.0/(296.1*(15000/15500)) + 0.75*46.9/(235.0*[1-100.0/(0.60*753.0)])) ="},
        {235, 355, "1/0.6*(100.0/(237.6*(15000/15500)) + 0.75*46.9/(355.0*[1-100.0/(0.60*753.0)])) ="},
    };
    for (const auto& [Fyp, Fys, formula] : rows) {
        Case c = Stiffened();
        c.Fyp = Fyp;
        c.Fys = Fys;
        StiffenerBuckling(c);
        EXPECT_EQ(c.StiffBeamColumnLine.Formula, formula);
        EXPECT_EQ(c.StiffTorsionLine.Formula, "100.0/(0.6*220.5)  =");
        EXPECT_EQ(c.Sig0, 235.0);
    }
}

// Without warping stiffness the modes still fall at m = 12 (284.6) and 13 (266.8); the
// search stops at 12: sigma_CT = 235*(1 - 0.24*235/284.6) = 188.4 (m = 13: 185.3).
TEST(StiffenerBuckling, ModeSearchEndsAtTwelveHalfWaves) {
    Case c = Stiffened();
    c.StiffGamma = 0;
    StiffenerBuckling(c);
    EXPECT_EQ(c.StiffTorsionLine.Formula, "100.0/(0.6*188.4)  =");
}

TEST(StiffenerBuckling, WhatAFaultLeaves) {
    Case c = Stiffened();
    c.UFb = -5;
    c.WesSw = 0;
    EXPECT_EQ(FaultOf([&] { StiffenerBuckling(c); }),
              "Stiffener buckling: division by zero \u2014 the stiffener section is incomplete: check the profile");
    EXPECT_EQ(c.Sig0, 235.0);  // the area-weighted value came first
    EXPECT_EQ(c.UFb, -5);
    EXPECT_EQ(c.StiffBeamColumnLine.Title, "");
}

// delta = 3000/(625*20) = 0.24, alpha = 4.8: gamma0 = 3.56*4.8^2 + 12.4*4.8 -
// 13.2*sqrt(4.8) = 112.6227, io = gamma0*(625*20^3/12)/0.91 = 5.1567e7.
TEST(StiffenerStiffness, WorkedStiffenerAndZeroInertia) {
    Case c = Stiffened();
    StiffenerStiffness(c);
    EXPECT_EQ(Parts(c.StiffStiffnessLine),
              Line("UFst= io/Ieff = ", "5.157E+7/5.000E+7 = ", "1.03", "  < 1.0 (3/9.1)", 4));
    c.IeBu = 6.0e7;
    StiffenerStiffness(c);
    EXPECT_EQ(c.StiffStiffnessLine.Colour, 2);

    c.IeBu = 0;
    c.io = c.UFst = -5;
    EXPECT_EQ(FaultOf([&] { StiffenerStiffness(c); }),
              "Stiffener stiffness: division by zero \u2014 the stiffener section has no moment of inertia: check "
              "the profile");
    EXPECT_NEAR(c.io, 51567147.503, 1e-3);
    EXPECT_EQ(c.UFst, -5);
    EXPECT_EQ(c.StiffStiffnessLine.Title, "");
}

}  // namespace
}  // namespace veltar

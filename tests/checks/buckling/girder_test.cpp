// Overall buckling of the panel with its girders: coefficient branches, stress
// signs, the always-listed line and the zero-inertia fault.
#include <gtest/gtest.h>

#include "checks/buckling/buckling.h"
#include "panel.h"

namespace veltar {
namespace {

using namespace veltar::testing;

// The worked panel with its stiffener (3000 mm2, Ie 5e7 mm4, neutral axis 60 mm
// above the plate mid-plane) and a T girder of 11800 mm2.
Case Girdered(float Lg, float sigx, float sigy) {
    Case c = Panel();
    c.Lg = Lg;
    c.se = 600;
    c.StiffAx = 3000.0;
    c.IeBu = 5.0e7;
    c.zpBu = 60;
    c.GirdA = 11800;
    SetStresses(c, sigx, sigx, sigy, sigy);
    GirderBuckling(c);
    return c;
}

// Lg = L1: kx = ky = 4. Dx = 206000*5e7/(0.91*625), Dy = 206000*(3000*20^3/12)/(0.91*3000),
// tx = 24.8: sEx = pi^2*4*sqrt(Dx*Dy)/(3000^2*24.8) = 292.4, sCx = 235*(1 - 0.24*235/292.4).
TEST(GirderBuckling, Lines) {
    struct Row {
        float Lg, sigx, sigy;
        const char* formula;
        const char* value;
    };
    const Row rows[] = {
        {8000, -100, -30, "(-100.0/(0.60*218.8))^2 + (-30.0/(0.60*190.6))^2 = ", "0.65"},  // kx from phi, ky = 4
        {3000, -100, -30, "(-100.0/(0.60*189.7))^2 + (-30.0/(0.60*190.6))^2 = ", "0.84"},  // kx = ky = 4
        {2000, -100, -30, "(-100.0/(0.60*214.9))^2 + (-30.0/(0.60*209.4))^2 = ", "0.66"},  // kx = 4, ky from psi
        {8000, 100, -30, "(100.0/(0.60*218.8))^2 + (-30.0/(0.60*190.6))^2 = ", "0.65"},    // tension squared too
        {8000, 0, 0, "(0.0/(0.60*218.8))^2 + (0.0/(0.60*190.6))^2 = ", "0.00"},            // still a line
    };
    for (const Row& r : rows) {
        const Case c = Girdered(r.Lg, r.sigx, r.sigy);
        EXPECT_EQ(Parts(c.GirderLine), Line("UFgbu= ", r.formula, r.value, "  < 1.0 (3/5.7)", 2)) << r.Lg;
    }
    EXPECT_EQ(Girdered(8000, 100, -30).UFgbu, Girdered(8000, -100, -30).UFgbu);
    const Case heavy = Girdered(8000, -200, -100);
    EXPECT_EQ(heavy.UFgbu, 3.084707498550415f);  // held as a 32-bit float
    EXPECT_EQ(heavy.GirderLine.Colour, 4);
}

// A profile without inertia stops the check: the factor and the colour stay, the
// texts were already cleared.
TEST(GirderBuckling, ZeroInertiaKeepsThePreviousFactor) {
    Case c = Girdered(8000, -100, -30);
    c.IeBu = 0;
    c.UFgbu = 0.5f;
    c.GirderLine = ResultLine{"old", "old", "old", "old", 4};
    EXPECT_EQ(FaultOf([&] { GirderBuckling(c); }),
              "Girder buckling: division by zero \u2014 the stiffener section has no moment of inertia (check the "
              "profile) or the plate thickness is zero");
    EXPECT_EQ(c.UFgbu, 0.5f);
    EXPECT_EQ(Parts(c.GirderLine), Line("", "", "", "", 4));
}

}  // namespace
}  // namespace veltar

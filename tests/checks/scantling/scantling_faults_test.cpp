// Arithmetic faults end a check where they occur: what was written before stays,
// what comes after keeps its old value, and the text says what to look at.
#include <gtest/gtest.h>

#include "checks/scantling/scantling.h"
#include "scantling_case.h"

namespace veltar {
namespace {

using test::FaultOf;
using test::ScantlingCase;
using test::ScantlingTables;

TEST(ScantlingFaults, PlateScantling) {
    struct {
        void (*spoil)(Case&);
        const char* text;
    } const cases[] = {
        {[](Case& c) { c.t = 0; }, "Plate scantling: division by zero \u2014 the plate thickness t is zero"},
        {[](Case& c) { c.s1 = 0; }, "Plate scantling: division by zero \u2014 the stiffener spacing s1 is zero"},
        {[](Case& c) { c.Fyp = 0; }, "Plate scantling: division by zero \u2014 check the plate yield stress Fyp and tensile strength Fup"},
        {[](Case& c) { c.L1 = -1000.0; }, "Plate scantling: square root of a negative number \u2014 L1/s1 is negative: check the span L1 and the spacing s1"},
        {[](Case& c) { c.ps = 1e307; }, "Plate scantling: overflow \u2014 check the pressure ps and the plate strengths Fyp, Fup"},
    };
    for (const auto& fc : cases) {
        Case c = ScantlingCase();
        PlateScantling(c);
        fc.spoil(c);
        EXPECT_EQ(FaultOf([&] { PlateScantling(c); }), fc.text);
        EXPECT_EQ(c.UFt, -2);
        EXPECT_TRUE(c.PlateScantlingLine.Title.empty());
    }
}

TEST(ScantlingFaults, PlateYieldZeroYieldStress) {
    Case c = ScantlingCase();
    c.Fyp = 0;
    EXPECT_EQ(FaultOf([&] { PlateYield(c); }),
              "Plate yield: division by zero \u2014 the plate yield stress Fyp is zero");
    EXPECT_EQ(c.UFy, -2);
    EXPECT_TRUE(c.PlateYieldNote.empty());
}

TEST(ScantlingFaults, StiffenerYieldKeepsWhatWasWrittenBefore) {
    Case c = ScantlingCase();
    c.UFyp = 0.5;
    c.UFys = 0.5;
    c.WesSc = 0;  // the stiffener side comes after UFyp
    EXPECT_EQ(FaultOf([&] { StiffenerYield(c); }),
              "Stiffener yield: division by zero \u2014 the section modulus WesSc at the profile "
              "top is zero");
    EXPECT_NEAR(c.UFyp, 0.7125, 1e-4);
    EXPECT_EQ(c.UFys, 0.5);
    EXPECT_TRUE(c.StiffYieldPLine.Title.empty());

    c = ScantlingCase();
    c.UFyp = 0.5;
    c.WepSc = 0;
    EXPECT_NE(FaultOf([&] { StiffenerYield(c); }).find("WepSc"), std::string::npos);
    EXPECT_EQ(c.UFyp, 0.5);
}

TEST(ScantlingFaults, StiffenerScantlingZeroModulus) {
    Case c = ScantlingCase();
    c.WepSc = 0;
    c.StiffQ = 0.5f;
    c.c = 0;
    EXPECT_EQ(FaultOf([&] { StiffenerScantling(c, ScantlingTables()); }),
              "Stiffener scantling: division by zero \u2014 the section modulus of the stiffener "
              "with plating is zero");
    // Q and c come before the division and keep their new values.
    EXPECT_EQ(c.StiffQ, 1.0f);
    EXPECT_EQ(c.c, 0.9);
    EXPECT_EQ(c.UFsm, -2);
    EXPECT_TRUE(c.StiffSMLine.Title.empty());
}

TEST(ScantlingFaults, StiffenerScantlingModulusBeyondFloatRange) {
    Case c = ScantlingCase();
    c.WepSc = -1e300;  // the smaller modulus, -1e297 cm3, is no 32-bit float
    EXPECT_EQ(FaultOf([&] { StiffenerScantling(c, ScantlingTables()); }),
              "Stiffener scantling: overflow \u2014 check the section moduli of the stiffener");
    EXPECT_EQ(c.UFsm, -2);
}

TEST(ScantlingFaults, GirderScantlingStopsAtTheFaultingLine) {
    Case c = ScantlingCase();
    c.GirdH = 0.0;
    EXPECT_EQ(FaultOf([&] { GirderScantling(c, ScantlingTables()); }),
              "Girder scantling: division by zero \u2014 the girder height is zero");
    EXPECT_FALSE(c.GirderSMLine.Title.empty());
    EXPECT_TRUE(c.GirderDepthLine.Title.empty());
    EXPECT_EQ(c.UFgd, -2);

    c = ScantlingCase();
    c.GirdTw = 0.0;
    EXPECT_EQ(FaultOf([&] { GirderScantling(c, ScantlingTables()); }),
              "Girder scantling: division by zero \u2014 the girder web thickness is zero");
    EXPECT_FALSE(c.GirderDepthLine.Title.empty());
    EXPECT_TRUE(c.GirderWebLine.Title.empty());
    EXPECT_TRUE(c.TrippingLine.Title.empty());
}

}  // namespace
}  // namespace veltar

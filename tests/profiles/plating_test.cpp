// The stiffener with its plating: the bending width sw, the combined sections at the
// three widths, the local slenderness texts and the section outline.
#include <gtest/gtest.h>

#include <cmath>

#include "core/arith.h"
#include "core/numformat.h"
#include "profiles/sections.h"

namespace veltar {
namespace {

void ExpectClose(double actual, double expected) { EXPECT_NEAR(actual, expected, 1e-10 * std::fabs(expected)); }

struct SwCase {
    double L1, s1, s2;
    float sw;
};

TEST(EffectiveWidthSw, RatioOverSpanAndSpacing) {
    const SwCase cases[] = {
        {3000, 625, 625, 552.0f},  // x = 2.88: r = 0.83 + 0.38 * 0.07/0.5 = 0.8832
        {3000, 500, 500, 478.0f},  // x = 3.6: r = 0.956
        {3000, 400, 400, 400.0f},  // x = 4.5 belongs to r = 1
        {3000, 625, 400, 476.0f},  // the mean of the two sides
        {1000, 625, 625, 362.5f},  // x = 0.96, below the table: r = 0.58
    };
    for (const SwCase& s : cases) {
        SCOPED_TRACE(s.L1);
        Case c;
        c.L1 = s.L1;
        c.s1 = s.s1;
        c.s2 = s.s2;
        EffectiveWidthSw(c);
        EXPECT_FLOAT_EQ(c.sw, s.sw);
    }
}

TEST(EffectiveWidthSw, ShownToOneDecimal) {
    Case c;
    EffectiveWidthSw(c);
    EXPECT_EQ(Format(c.sw, "0.0"), "552.0");
}

TEST(EffectiveWidthSw, ZeroSpacingIsAFault) {
    Case c;
    c.s2 = 0;
    try {
        EffectiveWidthSw(c);
        ADD_FAILURE() << "no fault raised";
    } catch (const CalcFault& fault) {
        EXPECT_EQ(fault.text, "Effective width sw: division by zero \u2014 the spacing s2 is zero");
    }
}

class Plating : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables));
        c.sw = 552;
        c.se = 495;
    }
    void Profile(i16 kind) {
        c.StiffKind = kind;
        SetStiffenerProfile(c, tables, kind);
        ASSERT_EQ(c.ProfileFault, "");
        StiffenerWithPlating(c);
    }
    Tables tables;
    Case c;
};

TEST_F(Plating, ScantlingWidthIsAThirdOfTheSpanAtMost) {
    Profile(kFbBuilt);
    EXPECT_EQ(c.beSc, 625);
    c.L1 = 1500;
    StiffenerWithPlating(c);
    ExpectClose(c.beSc, 495);
}

TEST_F(Plating, FlatBarWithItsPlateStrips) {
    Profile(kFbBuilt);  // 200 x 9 on t = 20
    EXPECT_EQ(c.AeSc, 14300);
    ExpectClose(c.zpSc, 13.846153846153847);
    EXPECT_FLOAT_EQ(c.zfSc, 196.153839f);
    ExpectClose(c.IeSc, 25455128.205128208);
    ExpectClose(c.WepSc, 1838425.925925926);
    EXPECT_FLOAT_EQ(c.WesSc, 129771.25f);  // over zfSc held as a float
    ExpectClose(c.IeSw, 25094728.971962612);
    ExpectClose(c.WesSw, 128969.06820365031);
    EXPECT_EQ(c.AeBu, 11700);
    ExpectClose(c.zpBu, 16.923076923076923);
    ExpectClose(c.zfBu, 193.07692307692307);
    ExpectClose(c.IeBu, 24759230.769230768);
    ExpectClose(c.WepBu, 1463045.4545454544);
    ExpectClose(c.WesBu, 128235.05976095618);
    ExpectClose(c.rBu, 46.0018865919619);
}

struct LocalCase {
    i16 kind;
    const char* web;
    const char* flange;
};

TEST_F(Plating, LocalSlendernessTexts) {
    // sqrt(E/Fys) = sqrt(206000/235) = 29.607
    const LocalCase cases[] = {
        {kFbBuilt, "Web: hw/tw = 22.2 <= 11.8", " "},
        {kLBuilt, "Web: hw/tw = 20.9 <= 44.4", "Flange: b2/tf = 6.8 <= 11.8"},  // 81/12 = 6.75 rounds up
        {kTBuilt, "Web: hw/tw = 20.9 <= 44.4", "Flange: b2/tf = 3.4 <= 11.8"},
        {kIBuilt, "Web: hw/tw = 20.9 <= 44.4", "Flange: b2/tf = 3.4 <= 11.8"},  // H - tf, not hw
        {kBulb, "Web: hw/tw = 19.7 <= 25.2", " "},
        {kRhs, " ", " "},
        {kTrapezoid, " ", " "},
    };
    for (const LocalCase& l : cases) {
        SCOPED_TRACE(l.kind);
        Profile(l.kind);
        EXPECT_EQ(c.WebRatioText, l.web);
        EXPECT_EQ(c.FlangeRatioText, l.flange);
    }
    EXPECT_EQ(c.WebRatio, 0.0f);
    EXPECT_EQ(c.FlangeRatioMax, 0.0f);
}

TEST_F(Plating, ZeroYieldStressIsAFault) {
    Profile(kFbBuilt);
    c.Fys = 0;
    try {
        StiffenerWithPlating(c);
        ADD_FAILURE() << "no fault raised";
    } catch (const CalcFault& fault) {
        EXPECT_EQ(fault.text, "Stiffener section: division by zero \u2014 the stiffener yield stress Fys is zero");
    }
}

TEST_F(Plating, ProfileWithoutAreaIsAFaultNotACrash) {
    c.FbbH = 0;
    SetStiffenerProfile(c, tables, kFbBuilt);
    c.StiffKind = kFbBuilt;
    EXPECT_THROW(StiffenerWithPlating(c), CalcFault);
}

TEST_F(Plating, OutlineOfTheBuiltUpT) {
    c.se = 500;
    Profile(kTBuilt);  // 200 x 90 x 9 x 12 on t = 20
    const StiffOutline& o = c.Outline;
    ASSERT_EQ(o.nRects, 3);
    EXPECT_EQ(o.nPoints, 0);
    const double expected[3][4] = {{0, 0, 500, 20}, {245.5, 20, 254.5, 208}, {205, 208, 295, 220}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(o.rects[i].a.x, expected[i][0]);
        EXPECT_EQ(o.rects[i].a.y, expected[i][1]);
        EXPECT_EQ(o.rects[i].b.x, expected[i][2]);
        EXPECT_EQ(o.rects[i].b.y, expected[i][3]);
    }
    EXPECT_EQ(o.height, 220);
    EXPECT_EQ(o.seCopy, 500);
    EXPECT_EQ(o.axisHeight, 10 + c.zpBu);
    EXPECT_EQ(o.axisLabelX, 250);
}

TEST_F(Plating, OutlinePolylines) {
    c.se = 500;
    Profile(kLTable);  // 100 x 75 x 7 x 7
    EXPECT_EQ(c.Outline.nRects, 1);
    ASSERT_EQ(c.Outline.nPoints, 9);
    EXPECT_EQ(c.Outline.points[2].x, 253.5);
    EXPECT_EQ(c.Outline.points[2].y, 99);  // H + t - tf - 2 tw
    EXPECT_EQ(c.Outline.points[8].x, c.Outline.points[0].x);  // closed
    EXPECT_EQ(c.Outline.points[8].y, c.Outline.points[0].y);
    EXPECT_EQ(c.Outline.axisLabelX, 250 + 0.3 * 75);
    Profile(kTrapezoid);
    EXPECT_EQ(c.Outline.nPoints, 8);
    EXPECT_EQ(c.Outline.points[0].x, 250 - 45 - 50);
    EXPECT_EQ(c.Outline.axisLabelX, 250);
}

}  // namespace
}  // namespace veltar

// Bare stiffener profiles of every kind: resolved dimensions, properties against hand
// calculations, descriptions, and degenerate dimensions that leave a fault text.
#include <gtest/gtest.h>

#include <cmath>

#include "core/arith.h"
#include "profiles/sections.h"

namespace veltar {
namespace {

// Long hand calculations agree to about 12 digits; the checks print at most 7.
void ExpectClose(double actual, double expected) { EXPECT_NEAR(actual, expected, 1e-10 * std::fabs(expected)); }

class Sections : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables)); }
    void Profile(i16 kind) {
        c.StiffKind = kind;
        SetStiffenerProfile(c, tables, kind);
        EXPECT_EQ(c.ProfileFault, "");
    }
    Tables tables;
    Case c;
};

TEST_F(Sections, LBuiltUp) {
    Profile(kLBuilt);
    EXPECT_EQ(c.stiffprof, "Built-up: L 200x90x9.0x12.0");
    EXPECT_EQ(c.StiffPicture, "pic_small_l");
    EXPECT_EQ(c.StiffHw, 188);
    EXPECT_EQ(double(c.StiffAx), 2772);
    EXPECT_EQ(c.StiffAx.kind(), Real::Kind::Double);
    ExpectClose(c.StiffMass, 21.7602);
    ExpectClose(c.StiffZc, 132.96103896103895);
    ExpectClose(c.StiffYc, 15.779220779220779);
    ExpectClose(c.StiffIy, 11588671.792207792);
    ExpectClose(c.StiffIz, 1821707.8831168832);
    EXPECT_DOUBLE_EQ(c.StiffU, 0.9);
    EXPECT_DOUBLE_EQ(c.StiffM, 0.558);
    EXPECT_FLOAT_EQ(c.StiffIyf, 1810286.883f);
    ExpectClose(c.StiffGamma, 35836945462.98);  // from Iyf held as a float
    ExpectClose(c.StiffIo, 62300552.11566234);
    EXPECT_EQ(c.StiffK, 97524.0f);
    EXPECT_EQ(c.StiffTmax, 12.0f);
}

TEST_F(Sections, TBuiltUpMatchesTheLExceptTheUnsymmetry) {
    Profile(kLBuilt);
    const double Ax = c.StiffAx, zc = c.StiffZc, Iy = c.StiffIy;
    Profile(kTBuilt);
    EXPECT_EQ(c.stiffprof, "Built-up: T 200x90x9.0x12.0");
    EXPECT_EQ(c.StiffPicture, "pic_small_t");
    EXPECT_EQ(double(c.StiffAx), Ax);
    EXPECT_EQ(c.StiffZc, zc);
    EXPECT_EQ(c.StiffIy, Iy);
    EXPECT_EQ(c.StiffYc, 0);
    EXPECT_EQ(c.StiffU, 0);
    EXPECT_EQ(c.StiffM, 1);
}

TEST_F(Sections, FlatBarBuiltUpAndTableRowAgree) {
    Profile(kFbBuilt);
    EXPECT_EQ(c.stiffprof, "Fb 200x9.0");
    EXPECT_EQ(c.StiffPicture, "pic_small_fb");
    EXPECT_EQ(c.StiffZc, 100);
    EXPECT_EQ(c.StiffIy, 6000000);
    EXPECT_EQ(c.StiffIz, 12150);
    EXPECT_EQ(c.StiffK, 48600.0f);
    EXPECT_EQ(c.StiffTmax, 9.0f);
    Profile(kFbTable);  // row 13 is 200 x 9
    EXPECT_EQ(c.stiffprof, "Fb 200x9.0");
    EXPECT_EQ(c.StiffH.kind(), Real::Kind::Single);
    EXPECT_EQ(c.StiffIy, 6000000);
    EXPECT_EQ(c.StiffK, 48600.0f);
    EXPECT_EQ(double(c.StiffB), 0);  // a flat bar has no flange
    EXPECT_EQ(double(c.StiffTf), 0);
}

TEST_F(Sections, LTableRowIsKeptAsSingle) {
    Profile(kLTable);
    EXPECT_EQ(c.stiffprof, "L 100x75x7.0x7.0");
    EXPECT_EQ(c.StiffH.kind(), Real::Kind::Single);
    EXPECT_EQ(c.StiffTf.kind(), Real::Kind::Single);
    c.TRow = 2;
    Profile(kTTable);
    EXPECT_EQ(c.stiffprof, "T 88x175x7.5x11.0");  // H to whole millimetres
    EXPECT_EQ(c.StiffTmax, 11.0f);
}

TEST_F(Sections, DescriptionUsesTheDecimalSeparator) {
    c.DecSep = 1;
    Profile(kTBuilt);
    EXPECT_EQ(c.stiffprof, "Built-up: T 200x90x9,0x12,0");
}

TEST_F(Sections, BulbFlatAsEquivalentAngle) {
    c.BFRow = static_cast<i16>(FindBulbTableRow(tables, 200, 10));
    Profile(kBulb);
    EXPECT_EQ(c.stiffprof, "BF 200x10.0");
    EXPECT_EQ(c.StiffPicture, "pic_small_hp");
    EXPECT_NEAR(double(c.StiffB), 34.4, 1e-12);
    EXPECT_NEAR(double(c.StiffTf), 22.95081967213115, 1e-12);
    EXPECT_EQ(double(c.StiffC), 28);
    EXPECT_EQ(double(c.StiffR), 8);
    // The web and the equivalent flange give back the row's area, up to Af held as a float.
    EXPECT_NEAR(double(c.StiffAx), 2560, 1e-4);
    EXPECT_DOUBLE_EQ(c.StiffU, 1 - 10 / 34.4);
    EXPECT_EQ(c.StiffTmax, 10.0f);
}

TEST_F(Sections, RhsClosedCell) {
    Profile(kLBuilt);  // leaves open-section torsion values behind
    Profile(kRhs);
    EXPECT_EQ(c.stiffprof, "RHS 200x90x9.0");
    EXPECT_EQ(c.StiffPicture, "pic_small_rhs");
    EXPECT_EQ(double(c.StiffAx), 4896);
    EXPECT_EQ(c.StiffZc, 100);
    EXPECT_EQ(c.StiffIy, 23828592);
    EXPECT_EQ(c.StiffIz, 6489072);
    EXPECT_EQ(c.StiffYc, 0);
    EXPECT_EQ(c.StiffU, 0);
    EXPECT_EQ(c.StiffM, 1);
    EXPECT_EQ(c.StiffGamma, 0);
    EXPECT_EQ(c.StiffIo, 79277664);  // Iy + Iz + Ax zc^2
    EXPECT_FLOAT_EQ(c.StiffK, 15839460.07f);
    EXPECT_EQ(c.StiffTmax, 9.0f);
}

TEST_F(Sections, TrapezoidWithVerticalWebs) {
    c.TrapA = 0;
    Profile(kTrapezoid);
    EXPECT_EQ(c.stiffprof, "Trapez 200x90x9.0");
    EXPECT_EQ(c.StiffPicture, "pic_small_u");
    EXPECT_EQ(double(c.StiffAx), 4248);
    ExpectClose(c.StiffZc, 114.5677966101695);
    ExpectClose(c.StiffIy, 17012782.474576272);
    EXPECT_EQ(c.StiffIz, 7836750);
    EXPECT_EQ(c.StiffGamma, 0);
    ExpectClose(c.StiffIo, 80607846.0);
    EXPECT_FLOAT_EQ(c.StiffK, 20110344.83f);
}

TEST_F(Sections, TrapezoidWithInclinedWebs) {
    Profile(kTrapezoid);
    EXPECT_EQ(c.stiffprof, "Trapez 200x90/50x9.0");
    EXPECT_EQ(double(c.StiffC), 50);
    ExpectClose(double(c.StiffAx), 4353.80928521838);
    ExpectClose(c.StiffZc, 114.10439782583107);
    ExpectClose(c.StiffIy, 17371986.82061199);
    ExpectClose(c.StiffIz, 19502728.113777194);
    ExpectClose(c.StiffIo, 93560500.29179442);
    EXPECT_FLOAT_EQ(c.StiffK, 40767830.98f);
}

TEST_F(Sections, IBuiltUp) {
    Profile(kIBuilt);
    EXPECT_EQ(c.stiffprof, "I 200x90x9.0x12.0");
    EXPECT_EQ(c.StiffPicture, "pic_small_i");
    EXPECT_EQ(c.StiffHw, 176);
    EXPECT_EQ(double(c.StiffAx), 3744);
    EXPECT_EQ(c.StiffZc, 100);
    EXPECT_EQ(c.StiffIy, 23200512);
    EXPECT_EQ(c.StiffIz, 729000);  // one flange
    EXPECT_EQ(c.StiffGamma, 22691902464.0);
    EXPECT_EQ(c.StiffIo, 61369512);
    EXPECT_EQ(c.StiffK, 94608.0f);
    EXPECT_EQ(c.StiffTmax, 12.0f);
}

TEST_F(Sections, MaterialIsRefreshed) {
    c.StiffGradeIndex = 8;
    Profile(kLBuilt);
    EXPECT_EQ(double(c.Fys), 355);
    EXPECT_EQ(c.StiffQ, 0.72f);
}

struct Degenerate {
    const char* what;
    void (*setUp)(Case&, Tables&);
    i16 kind;
    const char* fault;
};

const Degenerate kDegenerate[] = {
    {"bulb row with B = tw",
     [](Case& c, Tables& t) {
         t.BF.row[0] = {200, 10, 9, 20, 2500};  // c - 0.45 r = 0
         c.BFRow = 0;
     },
     kBulb, "Stiffener section: division by zero \u2014 the bulb flat row has B = tw (c - 0.45 r = 0)"},
    {"row beyond the table", [](Case& c, Tables&) { c.LRow = 45; }, kLTable,
     "Stiffener section: the L table has no row 45 \u2014 pick one of its rows 0 to 40 in the profile dialog"},
    {"negative row", [](Case& c, Tables&) { c.FbRow = -1; }, kFbTable,
     "Stiffener section: the flat bar table has no row -1 \u2014 pick one of its rows 0 to 40 in the profile dialog"},
    {"zero flange width", [](Case& c, Tables&) { c.LbB = 0; }, kLBuilt,
     "Stiffener section: division by zero \u2014 the flange width B is zero"},
    {"zero area",
     [](Case& c, Tables&) {
         c.TbH = c.TbB = c.TbTw = 0;
         c.TbTf = 0;
     },
     kTBuilt, "Stiffener section: division by zero \u2014 the profile area is zero (check H, B, tw and tf)"},
    {"RHS walls fill the cell",
     [](Case& c, Tables&) {
         c.RhsH = c.RhsB = 9;
     },
     kRhs, "Stiffener section: division by zero \u2014 the RHS walls close the cell (B + H = 2 tw)"},
    {"trapezoid without height", [](Case& c, Tables&) { c.TrapH = 0; }, kTrapezoid,
     "Stiffener section: division by zero \u2014 the height H is zero"},
    {"dimension beyond reason", [](Case& c, Tables&) { c.IbH = 1e300; }, kIBuilt,
     "Stiffener section: H is out of range \u2014 the dimensions must lie within 1000000 mm"},
    {"unknown kind", [](Case&, Tables&) {}, 12, "Stiffener section: unknown profile kind 12 \u2014 the kinds are 0 to 9"},
};

TEST_F(Sections, DegenerateProfilesLeaveAFault) {
    for (const Degenerate& d : kDegenerate) {
        SCOPED_TRACE(d.what);
        Case fresh;
        Tables copy = tables;
        d.setUp(fresh, copy);
        SetStiffenerProfile(fresh, copy, d.kind);
        EXPECT_EQ(fresh.ProfileFault, d.fault);
        EXPECT_EQ(fresh.StiffQ, 1.0f);  // the material is applied all the same
    }
}

TEST_F(Sections, FaultIsClearedByASoundProfileAndRaisedByThePlating) {
    c.LbB = 0;
    SetStiffenerProfile(c, tables, kLBuilt);
    ASSERT_NE(c.ProfileFault, "");
    try {
        StiffenerWithPlating(c);
        ADD_FAILURE() << "no fault raised";
    } catch (const CalcFault& fault) {
        EXPECT_EQ(fault.text, c.ProfileFault);
    }
    c.LbB = 90;
    SetStiffenerProfile(c, tables, kLBuilt);
    EXPECT_EQ(c.ProfileFault, "");
}

}  // namespace
}  // namespace veltar

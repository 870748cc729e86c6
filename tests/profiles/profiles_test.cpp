// The profile layer on the shipped tables: item texts, row searches and the material
// grades; the stiffener profiles of every kind, with their plating, and the girder
// section. The kinds' codes are read and written through the case tables.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/arith.h"
#include "faultof.h"
#include "profiles/girder.h"
#include "profiles/kinds.h"
#include "profiles/materials.h"
#include "profiles/sections.h"
#include "profiles/tables.h"
#include "shipped_tables.h"

namespace veltar {
namespace {

class ShippedTables : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ReadShippedTables(tables)); }
    // The stiffener of `kind`, alone and with its plating.
    void Profile(i16 kind) {
        c.StiffKind = kind;
        SetStiffenerProfile(c, tables, kind);
        ASSERT_EQ(c.ProfileFault, "");
        StiffenerWithPlating(c);
    }
    Tables tables;
    Case c;
};

TEST_F(ShippedTables, RowsItemTextsAndRowSearches) {
    EXPECT_EQ(tables.BF.row[16], (std::array<float, 5>{200, 9, 28, 8, 2360}));
    EXPECT_EQ(tables.Mat.name[16], "S355M/ML EN10025-4");  // without its quotes
    tables.L.row[0][3] = 10;                               // an angle of unequal thickness
    EXPECT_EQ(ItemText(tables, kLTable, 0), "L100x75x7x10");
    EXPECT_EQ(ItemText(tables, kTTable, 2, ','), "T87,5x175x7,5x11");
    EXPECT_EQ(ItemText(tables, kFbTable, 13), "Fb200x9");
    EXPECT_EQ(ItemText(tables, kBulb, 3), "BF140x6.5");
    EXPECT_EQ(ItemText(tables, kLTable, 41), "");  // beyond the table
    EXPECT_EQ(ItemText(tables, kLBuilt, 0), "");   // a built-up kind has no rows
    EXPECT_EQ(FindBulbTableRow(tables, 140, 6.5), 3);
    EXPECT_EQ(FindBulbTableRow(tables, 200, 9.5), -1);
    EXPECT_EQ(FindBulbTableRow(tables, 1e300, 9), -1);  // beyond the float range, no match
    tables.L.row[0] = tables.L.row[1] = tables.L.row[2] = {200, 90, 5.3f, 8};
    tables.L.row[3] = {200, 90, 5.3f, 10};
    tables.L.count = 1;                                    // rows 2 and 3 were not read
    EXPECT_EQ(FindLTableRow(tables, 200, 90, 5.3, 8), 1);  // the last match; the double 5.3 finds the float 5.3
    tables.L.count = 3;
    EXPECT_EQ(FindLTableRow(tables, 200, 90, 5.3, 8), 2) << "the row with the tf asked for";
    EXPECT_EQ(FindLTableRow(tables, 200, 90, 5.3, 12), 3) << "else the last of H, B and tw";
}

TEST_F(ShippedTables, MaterialGradesAndFactorQ) {
    SetPlateMaterial(c, tables, 5);  // DH32
    EXPECT_EQ(double(c.Fyp), 315);
    EXPECT_EQ(c.Fyp.kind(), Real::Kind::Single);
    const i16 user = static_cast<i16>(tables.Mat.count);
    c.Fyp = 300.0f, c.StiffQ = 0.5f;
    SetPlateMaterial(c, tables, user);    // the user-defined grade keeps the typed strengths
    SetStiffenerMaterial(c, tables, 23);  // outside the table: nothing changes
    EXPECT_EQ(double(c.Fyp), 300);
    EXPECT_EQ(c.StiffQ, 0.5f);
    SetStiffenerMaterial(c, tables, user);
    EXPECT_EQ(c.StiffQ, 1.0f);                                    // the factor of the user-defined line
    SetStiffenerMaterial(c, tables, static_cast<i16>(user - 1));  // the last table grade copies
    EXPECT_EQ(double(c.Fys), 460);
    EXPECT_EQ(MaterialQ(tables, 3, 355, 490), 1.0f);  // tabulated, whatever the strengths
    // The formula from grade 4 on, not the table's 0.78.
    EXPECT_EQ(MaterialQ(tables, 4, 355, 490), static_cast<float>(489.55 / (355 + 2 * 490.0 / 3)));
    EXPECT_THROW(MaterialQ(tables, 4, 0, 0), CalcFault);
}

constexpr double X = NAN;  // not checked in that row

// Long hand calculations agree to about 12 digits; the checks print at most 7.
void Near(double actual, double expected, int column = 0) {
    if (!std::isnan(expected)) {
        EXPECT_NEAR(actual, expected, 1e-10 * std::fabs(expected)) << column;
    }
}

// v: hw, Ax, zc, yc, Iy, Iz, u, m, gamma, Io
struct Bare {
    i16 kind;
    const char *prof, *picture;
    double v[10];
    float K, tmax;
};

// Run in this order on one case: nothing may carry over from the kind before.
const Bare kBare[] = {
    {kLBuilt,
     "Built-up: L 200x90x9.0x12.0",
     "pic_small_l",
     {188, 2772, 132.96103896103895, 15.779220779220779, 11588671.792207792, 1821707.8831168832, 0.9, 0.558,
      35836945462.98, 62300552.11566234},
     97524,
     12},
    {kTBuilt,
     "Built-up: T 200x90x9.0x12.0",
     "pic_small_t",
     {188, 2772, 132.96103896103895, 0, 11588671.792207792, X, 0, 1, X, X},
     X,
     12},
    {kFbBuilt, "Fb 200x9.0", "pic_small_fb", {X, 1800, 100, X, 6000000, 12150, X, X, X, X}, 48600, 9},
    {kFbTable, "Fb 200x9.0", "pic_small_fb", {X, 1800, 100, X, 6000000, 12150, X, X, X, X}, 48600, 9},  // row 13
    {kTTable, "T 88x175x7.5x11.0", "pic_small_t", {X, X, X, 0, X, X, 0, 1, X, X}, X, 11},  // row 2, H to whole mm
    {kRhs, "RHS 200x90x9.0", "pic_small_rhs", {X, 4896, 100, 0, 23828592, 6489072, 0, 1, 0, 79277664}, 15839460.07f, 9},
    {kIBuilt,
     "I 200x90x9.0x12.0",
     "pic_small_i",
     {176, 3744, 100, X, 23200512, 729000, X, X, 22691902464.0, 61369512},
     94608,
     12},
    {kTrapezoid,
     "Trapez 200x90/50x9.0",
     "pic_small_u",
     {X, 4353.80928521838, 114.10439782583107, X, 17371986.82061199, 19502728.113777194, X, X, 0, 93560500.29179442},
     40767830.98f,
     9},
    {kTrapezoid,
     "Trapez 200x90x9.0",
     "pic_small_u",
     {X, 4248, 114.5677966101695, X, 17012782.474576272, 7836750, X, X, 0, 80607846.0},
     20110344.83f,
     9},
    {kBulb, "BF 200x10.0", "pic_small_hp", {X, X, X, X, X, X, 1 - 10 / 34.4, X, X, X}, X, 10},  // as an equivalent
                                                                                                // angle
};

TEST_F(ShippedTables, BareProfilesOfEveryKind) {
    c.TRow = 2, c.BFRow = static_cast<i16>(FindBulbTableRow(tables, 200, 10));
    for (const Bare& r : kBare) {
        SCOPED_TRACE(r.prof);
        Profile(r.kind);
        EXPECT_EQ(c.stiffprof, r.prof);
        EXPECT_EQ(c.StiffPicture, r.picture);
        const double got[] = {c.StiffHw, c.StiffAx, c.StiffZc, c.StiffYc,    c.StiffIy,
                              c.StiffIz, c.StiffU,  c.StiffM,  c.StiffGamma, c.StiffIo};
        for (int i = 0; i < 10; ++i) Near(got[i], r.v[i], i);
        if (!std::isnan(r.K)) {
            EXPECT_FLOAT_EQ(c.StiffK, r.K);
        }
        EXPECT_EQ(c.StiffTmax, r.tmax);
        if (r.kind == kFbBuilt) {
            EXPECT_EQ(double(c.StiffB), 0);
        }                                       // no flange left from the T
        if (r.kind == kTrapezoid) c.TrapA = 0;  // the next one has vertical webs
    }
    EXPECT_NEAR(double(c.StiffB), 34.4, 1e-12);  // the bulb's equivalent flange
    EXPECT_NEAR(double(c.StiffTf), 22.95081967213115, 1e-12);
    EXPECT_NEAR(double(c.StiffAx), 2560, 1e-4);  // the row's area back, up to Af held as a float
    c.DecSep = 1;
    Profile(kLTable);  // table rows stay 32-bit, built-up sections are double
    EXPECT_EQ(c.stiffprof, "L 100x75x7,0x7,0");
    EXPECT_EQ(c.StiffH.kind(), Real::Kind::Single);
    EXPECT_EQ(c.StiffTf.kind(), Real::Kind::Single);
    Profile(kLBuilt);
    EXPECT_EQ(c.StiffAx.kind(), Real::Kind::Double);
    EXPECT_FLOAT_EQ(c.StiffIyf, 1810286.883f);  // the warping constant is taken from it as a float
}

struct Degenerate {
    void (*setUp)(Case&, Tables&);
    i16 kind;
    const char* fault;
};

const Degenerate kDegenerate[] = {
    {[](Case& c, Tables& t) {
         t.BF.row[0] = {200, 10, 9, 20, 2500}, c.BFRow = 0;
     },
     kBulb, "division by zero \u2014 the bulb flat row has B = tw (c - 0.45 r = 0)"},
    {[](Case& c, Tables&) { c.LRow = 45; }, kLTable,
     "the L table has no row 45 \u2014 pick one of its rows 0 to 40 in the profile dialog"},
    {[](Case& c, Tables&) { c.FbRow = -1; }, kFbTable,
     "the flat bar table has no row -1 \u2014 pick one of its rows 0 to 40 in the profile dialog"},
    {[](Case& c, Tables&) { c.LbB = 0; }, kLBuilt, "division by zero \u2014 the flange width B is zero"},
    {[](Case& c, Tables&) { c.TbH = c.TbB = c.TbTw = 0, c.TbTf = 0; }, kTBuilt,
     "division by zero \u2014 the profile area is zero (check H, B, tw and tf)"},
    {[](Case& c, Tables&) { c.RhsH = c.RhsB = 9; }, kRhs,
     "division by zero \u2014 the RHS walls close the cell (B + H = 2 tw)"},
    {[](Case& c, Tables&) { c.TrapH = 0; }, kTrapezoid, "division by zero \u2014 the height H is zero"},
    {[](Case& c, Tables&) { c.IbH = 1e300; }, kIBuilt,
     "H is out of range \u2014 the dimensions must lie within 1000000 mm"},
    {[](Case&, Tables&) {}, 12, "unknown profile kind 12 \u2014 the kinds are 0 to 9"},
};

TEST_F(ShippedTables, DegenerateProfileLeavesAFaultThePlatingRaisesUntilASoundProfile) {
    for (const Degenerate& d : kDegenerate) {
        SCOPED_TRACE(d.fault);
        Case fresh;
        Tables copy = tables;
        fresh.StiffGradeIndex = 8;
        d.setUp(fresh, copy);
        SetStiffenerProfile(fresh, copy, d.kind);
        EXPECT_EQ(fresh.ProfileFault, std::string("Stiffener section: ") + d.fault);
        EXPECT_EQ(fresh.StiffQ, 0.72f);  // the grade is applied all the same
        EXPECT_EQ(FaultOf([&] { StiffenerWithPlating(fresh); }), fresh.ProfileFault);
        SetStiffenerProfile(fresh, tables, kTTable);
        EXPECT_EQ(fresh.ProfileFault, "");
    }
}

TEST(EffectiveWidthSw, RatioOverSpanAndSpacing) {
    const struct {
        double L1, s1, s2;
        float sw;
    } cases[] = {
        {3000, 625, 625, 552.0f},  // x = 2.88: r = 0.83 + 0.38 * 0.07/0.5 = 0.8832
        {3000, 400, 400, 400.0f},  // x = 4.5 belongs to r = 1
        {3000, 625, 400, 476.0f},  // the mean of the two sides
        {1000, 625, 625, 362.5f},  // x = 0.96, below the table: r = 0.58
    };
    for (const auto& s : cases) {
        Case c;
        c.L1 = s.L1, c.s1 = s.s1, c.s2 = s.s2;
        EffectiveWidthSw(c);
        EXPECT_FLOAT_EQ(c.sw, s.sw) << s.L1 << " " << s.s1 << " " << s.s2;
    }
    Case c;
    c.s2 = 0;
    EXPECT_EQ(FaultOf([&] { EffectiveWidthSw(c); }),
              "Effective width sw: division by zero \u2014 the spacing s2 is zero");
}

TEST_F(ShippedTables, FlatBarWithItsPlateStrips) {
    c.sw = 552, c.se = 495;
    Profile(kFbBuilt);  // 200 x 9 on t = 20
    EXPECT_EQ(c.beSc, 625);
    EXPECT_EQ(c.AeSc, 14300);
    EXPECT_FLOAT_EQ(c.zfSc, 196.153839f);
    Near(c.IeSc, 25455128.205128208);
    Near(c.WepSc, 1838425.925925926);
    EXPECT_FLOAT_EQ(c.WesSc, 129771.25f);  // over zfSc held as a float
    Near(c.WesSw, 128969.06820365031);
    Near(c.WesBu, 128235.05976095618);
    Near(c.rBu, 46.0018865919619);
    c.L1 = 1500;  // the scantling strip is at most a third of the span
    StiffenerWithPlating(c);
    Near(c.beSc, 495);
}

TEST_F(ShippedTables, LocalSlendernessTexts) {
    // sqrt(E/Fys) = sqrt(206000/235) = 29.607
    const struct {
        i16 kind;
        const char *web, *flange;
    } cases[] = {
        {kFbBuilt, "Web: hw/tw = 22.2 <= 11.8", " "},
        {kLBuilt, "Web: hw/tw = 20.9 <= 44.4", "Flange: b2/tf = 6.8 <= 11.8"},  // 81/12 = 6.75 rounds up
        {kIBuilt, "Web: hw/tw = 20.9 <= 44.4", "Flange: b2/tf = 3.4 <= 11.8"},  // H - tf, not hw
        {kBulb, "Web: hw/tw = 19.7 <= 25.2", " "},
        {kTrapezoid, " ", " "},
    };
    for (const auto& l : cases) {
        SCOPED_TRACE(l.kind);
        Profile(l.kind);
        EXPECT_EQ(c.WebRatioText, l.web);
        EXPECT_EQ(c.FlangeRatioText, l.flange);
    }
    EXPECT_EQ(c.WebRatio, 0.0f);
    EXPECT_EQ(c.FlangeRatioMax, 0.0f);
    Profile(kFbBuilt);
    c.Fys = 0;
    EXPECT_EQ(FaultOf([&] { StiffenerWithPlating(c); }),
              "Stiffener section: division by zero \u2014 the stiffener yield stress Fys is zero");
}

TEST_F(ShippedTables, Outline) {
    c.se = 500;
    Profile(kTBuilt);  // 200 x 90 x 9 x 12 on t = 20: the plate strip, the web, the flange
    const StiffOutline& o = c.Outline;
    ASSERT_EQ(o.nRects, 3);
    const double expected[3][4] = {{0, 0, 500, 20}, {245.5, 20, 254.5, 208}, {205, 208, 295, 220}};
    for (int i = 0; i < 3; ++i) {
        const OutlineRect& r = o.rects[i];
        EXPECT_EQ((std::array{r.a.x, r.a.y, r.b.x, r.b.y}), std::to_array(expected[i])) << i;
    }
    EXPECT_EQ(o.axisHeight, 10 + c.zpBu);
    EXPECT_EQ(o.axisLabelX, 250);
    Profile(kLTable);  // 100 x 75 x 7 x 7: a polyline
    ASSERT_EQ(o.nPoints, 9);
    EXPECT_EQ(o.points[2].y, 99);  // H + t - tf - 2 tw, where the web meets the root
    EXPECT_EQ(o.axisLabelX, 250 + 0.3 * 75);
}

TEST(GirderSection, DefaultTGirderAloneAndWithItsPlateStrip) {
    Case c;  // T 800 x 200 x 10 x 20, t = 20, L1 = 3000, L2 = 2500, Lg = 8000
    GirderSection(c);
    EXPECT_EQ(c.girdprof, "T 800x200x10.0x20.0");
    Near(c.GirdZc, 525.5932203389830);
    EXPECT_EQ(c.GirdIy, 818644160.0f);
    EXPECT_EQ(c.beG, 2640.0f);  // 2750 > 0.33 * 8000
    EXPECT_EQ(c.AeG, 64600);
    Near(c.zpG, 97.83281733746131);
    Near(c.IeG, 3587049906.969618);
    Near(c.WepG, 36665098.73263248);
    EXPECT_EQ(c.WesG, 5036809.0f);
    c.Lg = 10000;
    GirderSection(c);
    EXPECT_EQ(c.beG, 2750.0f);  // the mean of the two spans
}

TEST(GirderSection, EachKindTakesItsOwnInputsAndAZeroAreaLeavesAFault) {
    Case c;
    c.GirdKind = kLGirder, c.GlH = 600, c.GlTf = 15;
    GirderSection(c);
    EXPECT_EQ(c.girdprof, "L 600x200x10.0x15.0");
    EXPECT_EQ(c.GirdPicture, "pic_small_lg");
    c.GirdKind = kTGirder, c.DecSep = 1;
    GirderSection(c);
    EXPECT_EQ(c.girdprof, "T 800x200x10,0x20,0");  // the T kept its own inputs
    c.GirdKind = 2, c.GtH = 500;                   // another kind keeps the girder resolved last
    GirderSection(c);
    EXPECT_EQ(double(c.GirdH), 800);
    c.GirdKind = kTGirder, c.GtB = 0, c.GtTw = 0;
    GirderSection(c);
    EXPECT_EQ(c.GirderFault, "Girder section: division by zero \u2014 the girder area is zero (check H, B, tw and tf)");
    c.GtB = 200, c.GtTw = 10;
    GirderSection(c);
    EXPECT_EQ(c.GirderFault, "");
}

}  // namespace
}  // namespace veltar

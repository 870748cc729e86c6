// The girder section: T and L girders alone and with their plate strip, the strip
// width, the description, and a degenerate girder.
#include <gtest/gtest.h>

#include <cmath>

#include "core/numformat.h"
#include "profiles/girder.h"

namespace veltar {
namespace {

void ExpectClose(double actual, double expected, double rel = 1e-10) {
    EXPECT_NEAR(actual, expected, rel * std::fabs(expected));
}

TEST(GirderSection, DefaultTGirder) {
    Case c;  // T 800 x 200 x 10 x 20, t = 20, L1 = 3000, L2 = 2500, Lg = 8000
    GirderSection(c);
    EXPECT_EQ(c.GirderFault, "");
    EXPECT_EQ(c.girdprof, "T 800x200x10.0x20.0");
    EXPECT_EQ(c.GirdPicture, "pic_small_tg");
    EXPECT_EQ(c.GirdHw, 780);
    EXPECT_EQ(c.GirdA, 11800);
    EXPECT_EQ(Format(c.GirdMass, "0.00"), "92.63");
    EXPECT_EQ(Format(c.GirdZc, "0.0"), "525.6");
    EXPECT_EQ(c.GirdIy, 818644160.0f);
    EXPECT_EQ(c.beG, 2640.0f);  // 2750 > 0.33 * 8000
    EXPECT_EQ(c.AeG, 64600);
    ExpectClose(c.zpG, 97.83281733746131);
    ExpectClose(c.zfG, 712.1671826625387);
    ExpectClose(c.IeG, 3587049906.969618);
    ExpectClose(c.WepG, 36665098.73263248);
    EXPECT_EQ(c.WesG, 5036809.0f);
}

struct WidthCase {
    double L1, L2, Lg;
    float beG;
};

TEST(GirderSection, PlateStripIsTheMeanSpanAtMostAThirdOfTheGirderSpan) {
    const WidthCase cases[] = {{3000, 3000, 8000, 2640}, {3000, 3000, 10000, 3000}, {3000, 2500, 10000, 2750}};
    for (const WidthCase& w : cases) {
        Case c;
        c.L1 = w.L1;
        c.L2 = w.L2;
        c.Lg = w.Lg;
        GirderSection(c);
        EXPECT_EQ(c.beG, w.beG) << w.Lg;
    }
}

TEST(GirderSection, LGirderDiffersOnlyInCaptionAndPicture) {
    Case t;
    GirderSection(t);
    Case l;
    l.GirdKind = kLGirder;
    GirderSection(l);
    EXPECT_EQ(l.girdprof, "L 800x200x10.0x20.0");
    EXPECT_EQ(l.GirdPicture, "pic_small_lg");
    EXPECT_EQ(l.GirdA, t.GirdA);
    EXPECT_EQ(l.GirdZc, t.GirdZc);
    EXPECT_EQ(l.GirdIy, t.GirdIy);
    EXPECT_EQ(l.WepG, t.WepG);
    EXPECT_EQ(l.WesG, t.WesG);
}

TEST(GirderSection, EachKindKeepsItsOwnInputs) {
    Case c;
    c.GlH = 600;
    c.GlTf = 15;
    c.GirdKind = kLGirder;
    GirderSection(c);
    EXPECT_EQ(c.girdprof, "L 600x200x10.0x15.0");
    c.GirdKind = kTGirder;
    GirderSection(c);
    EXPECT_EQ(c.girdprof, "T 800x200x10.0x20.0");
    c.DecSep = 1;
    GirderSection(c);
    EXPECT_EQ(c.girdprof, "T 800x200x10,0x20,0");
}

TEST(GirderSection, AnotherKindKeepsTheResolvedGirder) {
    Case c;
    GirderSection(c);
    c.GirdKind = 2;
    c.GtH = 500;
    GirderSection(c);
    EXPECT_EQ(double(c.GirdH), 800);
    EXPECT_EQ(c.girdprof, "T 800x200x10.0x20.0");
    EXPECT_EQ(c.GirderFault, "");
}

TEST(GirderSection, ZeroAreaLeavesAFaultUntilMended) {
    Case c;
    c.GtB = 0;
    c.GtTw = 0;
    GirderSection(c);
    EXPECT_EQ(c.GirderFault, "Girder section: division by zero \u2014 the girder area is zero (check H, B, tw and tf)");
    c.GtB = 200;
    c.GtTw = 10;
    GirderSection(c);
    EXPECT_EQ(c.GirderFault, "");
}

}  // namespace
}  // namespace veltar

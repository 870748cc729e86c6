// Girder section modulus, depth, web and tripping brackets, and the c-factor captions.
#include <gtest/gtest.h>

#include "checks/scantling/scantling.h"
#include "scantling_case.h"

namespace veltar {
namespace {

using test::ScantlingCase;
using test::ScantlingTables;

TEST(GirderScantling, DefaultTankBulkhead) {
    Case c = ScantlingCase();
    GirderScantling(c, ScantlingTables());
    EXPECT_EQ(c.cg, 1.5);
    // 4.74*1.0*1.5*100*0.03*2750/1000*(6 m)^2 = 2111.67 cm3 against WesG/1000 = 5036.8
    EXPECT_EQ(c.GirderSMLine.Title, "UF = SM/Weffmin  = ");
    EXPECT_EQ(c.GirderSMLine.Formula, "2111.7/5036.8 = ");
    EXPECT_EQ(c.GirderSMLine.Value, "0.42");
    EXPECT_EQ(c.GirderSMLine.Reference, "  < 1.0  (3-2-2/9.9)");
    EXPECT_EQ(c.GirderSMLine.Colour, 2);
    EXPECT_EQ(c.GirderDepthLine.Title, "Min depth of girder = ");
    EXPECT_EQ(c.GirderDepthLine.Formula, "750.0 mm");  // 6000/8
    EXPECT_EQ(c.GirderDepthLine.Value, "OK");
    EXPECT_EQ(c.GirderDepthLine.Reference, "  (3-2-2/9.9.2)");
    EXPECT_EQ(c.GirderWebLine.Title, "Min thickness of web = ");
    EXPECT_EQ(c.GirderWebLine.Formula, "11.0 mm");  // 0.01*800 + 3 against tw = 10
    EXPECT_EQ(c.GirderWebLine.Value, "NOK");
    EXPECT_EQ(c.GirderWebLine.Colour, 4);
    EXPECT_EQ(c.GirderWebLine.Reference, "  (3-2-2/9.9.2)");
    EXPECT_EQ(c.TrippingLine.Title, "Max distance between tripping brackets = ");
    EXPECT_EQ(c.TrippingLine.Formula, "3000 mm");
    EXPECT_EQ(c.TrippingLine.Value, "OK");
    EXPECT_EQ(c.TrippingLine.Reference, "  (3-2-2/9.9.3)");
    EXPECT_EQ(c.TrippingLine.Colour, 2);
}

struct GirderTypeCase {
    i16 type, option;
    double cg;
    const char* smFormula;
    const char* smReference;
    const char* depth;
    const char* depthReference;
    const char* trippingReference;
};

TEST(GirderScantling, ByStructureType) {
    const GirderTypeCase cases[] = {
        // float(4.7*100)*0.03*2.75*36 = 1395.9; depth 6000/12
        {0, 1, 1.0, "1395.9/5036.8 = ", "  < 1.0  (3-2-2/7.9)", "500.0 mm", "  (3-2-2/7.9.2)",
         "  (3-2-2/7.9.3)"},
        {1, 1, 1.5, "2111.7/5036.8 = ", "  < 1.0  (3-2-2/9.9)", "750.0 mm", "  (3-2-2/9.9.2)",
         "  (3-2-2/9.9.3)"},
        // clear of tanks: 4.74*1.0*3*2.75*36 = 1407.8; depth 0.0583*6000
        {2, 0, 1.0, "1407.8/5036.8 = ", "  < 1.0  (3-2-4/3.7)", "349.8 mm", "  (3-2-4/3.7.2)",
         "  (3-2-4/3.7.3)"},
        {2, 1, 1.5, "2111.7/5036.8 = ", "  < 1.0  (3-2-4/3.7)", "750.0 mm", "  (3-2-4/3.7.2)",
         "  (3-2-4/3.7.3)"},
    };
    for (const GirderTypeCase& gc : cases) {
        Case c = ScantlingCase();
        c.BulkheadType = gc.type;
        c.EndOption = gc.option;
        GirderScantling(c, ScantlingTables());
        SCOPED_TRACE(testing::Message() << "type " << gc.type << " option " << gc.option);
        EXPECT_EQ(c.cg, gc.cg);
        EXPECT_EQ(c.GirderSMLine.Formula, gc.smFormula);
        EXPECT_EQ(c.GirderSMLine.Reference, gc.smReference);
        EXPECT_EQ(c.GirderDepthLine.Formula, gc.depth);
        EXPECT_EQ(c.GirderDepthLine.Reference, gc.depthReference);
        EXPECT_EQ(c.GirderWebLine.Reference, gc.depthReference);
        EXPECT_EQ(c.TrippingLine.Reference, gc.trippingReference);
    }
}

TEST(GirderScantling, GirderTakesThePlateMaterialFactor) {
    Case c = ScantlingCase();
    c.PlateGradeIndex = 1;
    c.StiffGradeIndex = 3;
    c.StiffQ = 0.8f;
    GirderScantling(c, ScantlingTables());
    EXPECT_EQ(c.StiffQ, 0.9f);
}

struct WebCase {
    double girdH, girdTw;
    const char* formula;
    const char* value;
};

TEST(GirderScantling, WebThicknessCapAndLimits) {
    const WebCase cases[] = {
        {800, 11, "11.0 mm", "OK"},   // 0.01*800 + 3 = 11 exactly, not above: UFgw = 1
        {850, 11, "11.0 mm", "OK"},   // 11.5 capped at 11
        {900, 11, "11.0 mm", "OK"},
        {500, 8, "8.0 mm", "OK"},
        {500, 7.9, "8.0 mm", "NOK"},
    };
    for (const WebCase& wc : cases) {
        Case c = ScantlingCase();
        c.GirdH = wc.girdH;
        c.GirdTw = wc.girdTw;
        GirderScantling(c, ScantlingTables());
        EXPECT_EQ(c.GirderWebLine.Formula, wc.formula) << "H " << wc.girdH;
        EXPECT_EQ(c.GirderWebLine.Value, wc.value) << "H " << wc.girdH;
    }
}

TEST(GirderScantling, DepthEqualToMinimumPasses) {
    Case c = ScantlingCase();
    c.GirdH = 750.0;
    c.GirdTw = 11.0;
    GirderScantling(c, ScantlingTables());
    EXPECT_EQ(c.UFgd, 1.0);
    EXPECT_EQ(c.GirderDepthLine.Value, "OK");
    c.GirdH = 749.9;
    GirderScantling(c, ScantlingTables());
    EXPECT_EQ(c.GirderDepthLine.Value, "NOK");
    EXPECT_EQ(c.GirderDepthLine.Colour, 4);
}

TEST(GirderScantling, TrippingBracketDistance) {
    Case c = ScantlingCase();
    c.Lt = 3001.0f;
    GirderScantling(c, ScantlingTables());
    EXPECT_EQ(c.TrippingLine.Value, "NOK");
    EXPECT_EQ(c.TrippingLine.Colour, 4);
    c.Lt = 3000.0f;
    GirderScantling(c, ScantlingTables());
    EXPECT_EQ(c.TrippingLine.Value, "OK");
    EXPECT_EQ(c.TrippingLine.Colour, 2);
}

TEST(GirderScantling, ZeroPressureKeepsTheOtherLines) {
    Case c = ScantlingCase();
    c.ps = 0.0;
    GirderScantling(c, ScantlingTables());
    EXPECT_TRUE(c.GirderSMLine.Title.empty());
    EXPECT_FALSE(c.GirderDepthLine.Title.empty());
    EXPECT_FALSE(c.TrippingLine.Title.empty());
}

struct CFactorTextCase {
    i16 type, option;
    double cValue, cgValue;
    i16 decSep;
    i16 tab, selected;
    std::string Case::*caption;
    const char* text;
};

TEST(CFactorText, CaptionTabAndOption) {
    const CFactorTextCase cases[] = {
        {0, 1, 0.59, 1.0, 0, 0, 1, &Case::ctext0, "c = 0.59   ABS (3-2-2/7.5)"},
        {1, 0, 0.9, 1.5, 0, 1, 0, &Case::ctext1, "c = 0.90 / 1.50  stiff/gird   ABS (3-2-2/9.5&&9.9)"},
        {1, 1, 1.0, 1.5, 1, 1, 1, &Case::ctext1, "c = 1,00 / 1,50  stiff/gird   ABS (3-2-2/9.5&&9.9)"},
        {2, 1, 1.0, 1.5, 0, 2, 1, &Case::ctext2, "c = 1.00 / 1.50  stiff/gird   ABS (3-2-4/3.5&&3.7)"},
        {5, 3, 0.6, 1.0, 0, 2, 0, &Case::ctext2, "c = 0.60 / 1.00  stiff/gird   ABS (3-2-4/3.5&&3.7)"},
    };
    for (const CFactorTextCase& tc : cases) {
        Case c;
        c.BulkheadType = tc.type;
        c.EndOption = tc.option;
        c.c = tc.cValue;
        c.cg = tc.cgValue;
        c.DecSep = tc.decSep;
        CFactorText(c);
        EXPECT_EQ(c.*tc.caption, tc.text);
        EXPECT_EQ(c.CFactorTab, tc.tab) << tc.text;
        EXPECT_EQ(c.CFactorOption, tc.selected) << tc.text;
    }
}

}  // namespace
}  // namespace veltar

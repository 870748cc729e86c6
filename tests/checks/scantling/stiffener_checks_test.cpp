// Stiffener yield on the plate and stiffener sides, the stiffener section modulus,
// its c-factor and the governing material factor.
#include <gtest/gtest.h>

#include "checks/scantling/scantling.h"
#include "scantling_case.h"

namespace veltar {
namespace {

using test::ScantlingCase;
using test::ScantlingTables;

TEST(StiffenerYield, DefaultSection) {
    Case c = ScantlingCase();
    StiffenerYield(c);
    // p*sm*L1^2 = 1.6875e8 N.mm. Plate side: mid-span -100 - 1.6875e8/(24*WepSc) =
    // -105.747 with sy = -30 gives 117.09, above the span ends (104.30).
    EXPECT_EQ(c.StiffYieldPLine.Title, "Point 2p: UF = F.S.*Sigeq/Fy  = ");
    EXPECT_EQ(c.StiffYieldPLine.Formula, "1.43*117.1/235.0 = ");
    EXPECT_EQ(c.StiffYieldPLine.Value, "0.71");
    EXPECT_EQ(c.StiffYieldPLine.Reference, "  < 1.0 (3-2-1/3.11)");
    EXPECT_EQ(c.StiffYieldPLine.Colour, 2);
    // Stiffener side: |-100 - 1.6875e8/(12*WesSc)| = 275.04 at the span end.
    EXPECT_EQ(c.StiffYieldSLine.Title, "Point 1s: UF = F.S.*Sigeq/Fy  = ");
    EXPECT_EQ(c.StiffYieldSLine.Formula, "1.43*275.0/235.0 = ");
    EXPECT_EQ(c.StiffYieldSLine.Value, "1.67");
    EXPECT_EQ(c.StiffYieldSLine.Reference, "  < 1.0 (3-2-1/3.11)");
    EXPECT_EQ(c.StiffYieldSLine.Colour, 4);
}

struct YieldPointCase {
    double sigxS, p;
    float syC;
    const char* plateTitle;
    const char* stiffTitle;
};

TEST(StiffenerYield, GoverningPoints) {
    const YieldPointCase cases[] = {
        // SigyC = 100 at the far span end beats mid-span
        {-100, 0.03, 100, "Point 3p: UF = F.S.*Sigeq/Fy  = ", "Point 1s: UF = F.S.*Sigeq/Fy  = "},
        // tension at the line: |200 + 87.5| at mid-span beats |200 - 175| at the end
        {200, 0.03, -30, "Point 1p: UF = F.S.*Sigeq/Fy  = ", "Point 2s: UF = F.S.*Sigeq/Fy  = "},
        // no bending: three equal plate points stay with point 1
        {-100, 0, -30, "Point 1p: UF = F.S.*Sigeq/Fy  = ", "Point 1s: UF = F.S.*Sigeq/Fy  = "},
        // no bending: the mid-span 0.1 held as a float (0.100000001) is strictly greater
        {0.1, 0, -30, "Point 1p: UF = F.S.*Sigeq/Fy  = ", "Point 2s: UF = F.S.*Sigeq/Fy  = "},
    };
    for (const YieldPointCase& yc : cases) {
        Case c = ScantlingCase();
        c.SigxS = yc.sigxS;
        c.p = yc.p;
        c.SigyC = yc.syC;
        StiffenerYield(c);
        SCOPED_TRACE(testing::Message() << "SigxS " << yc.sigxS << " p " << yc.p);
        EXPECT_EQ(c.StiffYieldPLine.Title, yc.plateTitle);
        EXPECT_EQ(c.StiffYieldSLine.Title, yc.stiffTitle);
    }
}

TEST(StiffenerScantling, DefaultTankBulkheadClipAttachment) {
    Case c = ScantlingCase();
    StiffenerScantling(c, ScantlingTables());
    EXPECT_EQ(c.c, 0.9);
    // 7.8*Q as a float (7.80000019) * 0.9 * 3 m * 0.625 m * (3 m)^2 = 118.4625 cm3
    // against WesSc/1000 = 80.337 cm3, the smaller modulus.
    const double weffmin = static_cast<float>(double(80337.3f) / 1000);
    EXPECT_DOUBLE_EQ(c.UFsm, double(7.8f) * 0.9 * (100 * 0.03) * 0.625 * 9 / weffmin);
    EXPECT_EQ(c.StiffSMLine.Title, "UF = SM/Weffmin  = ");
    EXPECT_EQ(c.StiffSMLine.Formula, "118.5/80.3 = ");
    EXPECT_EQ(c.StiffSMLine.Value, "1.47");
    EXPECT_EQ(c.StiffSMLine.Reference, "  < 1.0  (3-2-2/9.5)");
    EXPECT_EQ(c.StiffSMLine.Colour, 4);
}

struct CFactorCase {
    i16 type, option;
    float ul;
    double c;
};

TEST(StiffenerScantling, CFactor) {
    const CFactorCase cases[] = {
        {0, 0, 65, 0.56}, {0, 0, 61, 0.56}, {0, 0, 53, 0.46 + 0.1 * 8 / 16},
        {0, 0, 60.5f, 0.46 + 0.1 * 15.5 / 16}, {0, 0, 45, 0.46}, {0, 0, 40, 0.46},
        {0, 1, 53, 0.58 + 0.02 * 8 / 16}, {0, 1, 61, 0.6}, {0, 1, 40, 0.58},
        {1, 0, 40, 0.9}, {1, 1, 40, 1.0}, {2, 0, 40, 0.6}, {2, 1, 40, 1.0}, {2, 3, 40, 0.6},
    };
    for (const CFactorCase& cc : cases) {
        Case c = ScantlingCase();
        c.BulkheadType = cc.type;
        c.EndOption = cc.option;
        c.UL = cc.ul;
        StiffenerScantling(c, ScantlingTables());
        EXPECT_DOUBLE_EQ(c.c, cc.c) << "type " << cc.type << " option " << cc.option << " UL "
                                    << cc.ul;
    }
}

TEST(StiffenerScantling, ReferenceAndHeadByStructureType) {
    Case c = ScantlingCase();
    c.BulkheadType = 0;
    StiffenerScantling(c, ScantlingTables());
    EXPECT_EQ(c.StiffSMLine.Reference, "  < 1.0  (3-2-2/7.5)");
    c.BulkheadType = 2;
    c.EndOption = 1;
    StiffenerScantling(c, ScantlingTables());
    EXPECT_EQ(c.StiffSMLine.Reference, "  < 1.0  (3-2-4/3.5)");
    // head 1000*0.03/7.05 = 4.2553 m: 7.8*1.0*4.2553*0.625*9 = 186.70 cm3
    EXPECT_EQ(c.StiffSMLine.Formula, "186.7/80.3 = ");
}

TEST(StiffenerScantling, ZeroPressureLeavesNoLine) {
    Case c = ScantlingCase();
    c.ps = 0.0;
    StiffenerScantling(c, ScantlingTables());
    EXPECT_EQ(c.UFsm, 0.0);
    EXPECT_TRUE(c.StiffSMLine.Title.empty());
}

struct QCase {
    i16 plateGrade, stiffGrade;
    double fyp, fys;
    float q;
};

TEST(StiffenerScantling, GoverningMaterialFactor) {
    const QCase cases[] = {
        {1, 3, 355, 235, 0.8f},  // the weaker stiffener governs
        {1, 3, 235, 235, 0.9f},  // equal yield stresses: the plate's
        {1, 3, 235, 355, 0.9f},
    };
    for (const QCase& qc : cases) {
        Case c = ScantlingCase();
        c.PlateGradeIndex = qc.plateGrade;
        c.StiffGradeIndex = qc.stiffGrade;
        c.Fyp = qc.fyp;
        c.Fys = qc.fys;
        StiffenerScantling(c, ScantlingTables());
        EXPECT_EQ(c.StiffQ, qc.q) << "Fyp " << qc.fyp << " Fys " << qc.fys;
    }
}

TEST(StiffenerScantling, HigherStrengthGradeUsesTheRuleFormula) {
    Case c = ScantlingCase();
    c.StiffGradeIndex = 4;
    c.Fyp = 400.0f;  // the weaker stiffener governs
    c.Fys = 355.0f;
    c.Fus = 490.0f;
    StiffenerScantling(c, ScantlingTables());
    // 489.55/(355 + 2*490/3) = 0.7182, not the tabulated 0.72
    EXPECT_NEAR(c.StiffQ, 0.7182, 5e-5);
}

}  // namespace
}  // namespace veltar

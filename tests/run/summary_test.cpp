// The status-line summaries: which listed check governs, how "NOK" checks are named,
// and which allowed inputs are worth a second look.
#include <gtest/gtest.h>

#include "files/datatables.h"
#include "run/calculate.h"
#include "run/summary.h"

namespace veltar {
namespace {

// The shipped default case, calculated in each check mode and after a fault.
TEST(Summary, GoverningCheckOfTheDefaultCase) {
    Tables tables;
    ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables).ok);
    const std::pair<int, const char*> modes[] = {
        {1, "Governing: UFst 5.48 (3/9.1) \u2014 fails; NOK: UFb (3/5.1)"},
        {2, "Governing: UFys 1.67 (3-2-1/3.11) \u2014 fails; NOK: UFgw (3-2-2/9.9.2)"},
        {3, "Governing: UFst 5.48 (3/9.1) \u2014 fails; NOK: UFb (3/5.1), UFgw (3-2-2/9.9.2)"},
    };
    CollectedWarnings events;
    for (const auto& [mode, text] : modes) {
        Case c;
        NewCase(c);
        PrepareStartupCase(c, tables);
        c.CheckMode = static_cast<i16>(mode);
        Calculate(c, tables, events);
        EXPECT_EQ(GoverningText(c), text) << "mode " << mode;
        c.t = 0.0f;  // a run that stops lists nothing to govern
        Calculate(c, tables, events);
        EXPECT_EQ(GoverningText(c), "") << "mode " << mode;
    }
}

// Hand-made lines: the largest listed factor wins (the first of equals), the comma
// separator reads, information and OK lines never govern, unlisted groups are ignored.
TEST(Summary, GoverningAmongTheListedLines) {
    struct Row {
        int mode;
        ResultLine plate, stiffness, deformation, depth;
        const char* text;
    };
    const ResultLine none;
    const ResultLine pass{"PL1", "f", "0.91", " < 1.0 (3/3.1)", 2};
    const ResultLine fail{"UFst=", "f", "1,20", " < 1.0 (3/9.1)", 4};
    const ResultLine same{"UFst=", "f", "0.91", " < 1.0 (3/9.1)", 2};
    const ResultLine info{"Deformation", "f", "12.5", " mm", 0};
    const ResultLine ok{"Min depth", "", "OK", "(3-2-2/9.9.2)", 2};
    const ResultLine nok{"Min depth", "", "NOK", "(3-2-2/9.9.2)", 4};
    const Row rows[] = {
        {1, pass, fail, info, none, "Governing: UFst 1,20 (3/9.1) \u2014 fails"},
        {1, pass, same, info, none, "Governing: UFpb 0.91 (3/3.1) \u2014 passes"},
        {1, none, none, info, none, ""},
        {2, pass, fail, none, ok, ""},
        {2, pass, fail, none, nok, "NOK: UFgd (3-2-2/9.9.2)"},
        {3, pass, none, none, nok, "Governing: UFpb 0.91 (3/3.1) \u2014 passes; NOK: UFgd (3-2-2/9.9.2)"},
    };
    for (const Row& r : rows) {
        Case c;
        c.CheckMode = static_cast<i16>(r.mode);
        c.PlateBucklingLine = r.plate;
        c.StiffStiffnessLine = r.stiffness;
        c.StiffDeformationLine = r.deformation;
        c.GirderDepthLine = r.depth;
        EXPECT_EQ(GoverningText(c), r.text) << &r - rows;
    }
}

TEST(Summary, ImplausibleInputs) {
    struct Row {
        float fyp, fup, fys, fus, s1, s2;
        const char* text;
    };
    const Row rows[] = {
        {235, 400, 355, 490, 625, 625, ""},
        {355, 355, 355, 490, 2500, 2500, ""},  // equal values are plausible
        {355, 300, 355, 490, 625, 625, "Check the inputs: Fup 300 below Fyp 355"},
        {235, 400, 355, 350.5f, 625, 625, "Check the inputs: Fus 350.5 below Fys 355"},
        {235, 400, 355, 490, 4000, 625, "Check the inputs: s1 4000 longer than L1 3000; s1 4000 longer than L2 2500"},
        {355, 300, 355, 490, 625, 2600, "Check the inputs: Fup 300 below Fyp 355; s2 2600 longer than L2 2500"},
    };
    for (const Row& r : rows) {
        Case c;
        c.Fyp = r.fyp;
        c.Fup = r.fup;
        c.Fys = r.fys;
        c.Fus = r.fus;
        c.s1 = r.s1;
        c.s2 = r.s2;
        EXPECT_EQ(PlausibilityText(c), r.text) << &r - rows;
    }
}

}  // namespace
}  // namespace veltar

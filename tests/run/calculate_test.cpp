// The calculation run: stress pre-processing and what an arithmetic fault leaves behind.
#include <gtest/gtest.h>

#include <cmath>

#include "core/stresses.h"
#include "files/datatables.h"
#include "run/calculate.h"

namespace veltar {
namespace {

class CalculateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables).ok);
        PrepareStartupCase(c, tables);
    }
    void Run() { Calculate(c, tables, warnings); }

    Tables tables;
    Case c;
    CollectedWarnings warnings;
};

TEST_F(CalculateTest, StressAtTheStiffenerLineAndOrderedPairs) {
    c.SigxB = 0;
    PrepareStresses(c);
    EXPECT_EQ(c.SigxS, -50.0);
    EXPECT_EQ(c.SigxMin1, -100.0);
    EXPECT_EQ(c.SigxMax1, -50.0);
    EXPECT_EQ(c.SigxMin2, -50.0);
    EXPECT_EQ(c.SigxMax2, 0.0);
    EXPECT_EQ(c.ssum, 1250.0f);
}

TEST_F(CalculateTest, FaultEmptiesTheListAndNamesTheCheck) {
    c.CheckMode = 3;
    Run();
    ASSERT_TRUE(c.FaultText.empty());
    const double seBefore = c.se;
    const double ufyBefore = c.UFy;

    c.t = 0.0f;  // plate buckling divides by the plate thickness
    Run();
    EXPECT_TRUE(c.Rows.empty());
    EXPECT_EQ(c.FaultText.rfind("Plate buckling: ", 0), 0u) << c.FaultText;
    EXPECT_EQ(c.se, static_cast<float>(seBefore));  // later steps keep the previous run's values
    EXPECT_EQ(c.UFy, ufyBefore);

    c.t = 20.0f;
    Run();
    EXPECT_TRUE(c.FaultText.empty());
    EXPECT_FALSE(c.Rows.empty());
}

TEST_F(CalculateTest, SpacingsAddingUpToZeroFaultBeforeTheChecks) {
    c.s1 = 0.0f;
    c.s2 = 0.0f;
    Run();
    EXPECT_EQ(c.FaultText.rfind("Stress pre-processing: division by zero", 0), 0u) << c.FaultText;
    EXPECT_TRUE(c.Rows.empty());
}

TEST_F(CalculateTest, NoNumberTextCarriesNanOrInfinity) {
    // Absurd but typeable input: every text is either finite or the run faulted.
    c.L1 = 3.0e38f;
    c.CheckMode = 3;
    Run();
    for (const ListRow& r : c.Rows) {
        EXPECT_EQ(r.text.find("nan"), std::string::npos) << r.text;
        EXPECT_EQ(r.text.find("inf"), std::string::npos) << r.text;
    }
    EXPECT_TRUE(!c.Rows.empty() || !c.FaultText.empty());
}

}  // namespace
}  // namespace veltar

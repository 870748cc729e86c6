// The texts of the result table: header, the cells of one case in their masks and
// precisions, and the cells that replace a number (N/A, NOK, ERR).
#include <gtest/gtest.h>

#include <limits>

#include "files/resulttable.h"
#include "tests/casedb/table_text.h"

namespace veltar {
namespace {

using veltar::testing::SplitCells;

// A case as a database row leaves it: every input a 32-bit float.
Case LoadedCase() {
    Case c;
    c.Project = "Deck 3";
    c.Ident = "F40-A";
    c.FS = 1.43f;
    c.UFa = 0.6f;
    c.Fyp = 235.0f, c.Fup = 400.0f, c.Fys = 355.0f, c.Fus = 490.0f;
    c.c = 0.8;
    c.StiffKind = kLTable;
    c.StiffH = 200.0f, c.StiffB = 90.0f, c.StiffTw = 9.0f, c.StiffTf = 12.0f;
    c.GirdH = 800.0f, c.GirdB = 200.0f, c.GirdTw = 10.0f, c.GirdTf = 20.0f;
    c.L1 = 3000.0f, c.L2 = 2500.0f, c.Lg = 8000.0f, c.Lgs = 6000.0f, c.Lt = 3000.0f;
    c.t = 20.0f, c.s1 = 625.0f, c.s2 = 625.0f;
    c.SigxA = -100.5f, c.SigxB = -100.0f, c.SigyA = -30.0f, c.SigyC = -30.0f, c.Tau = 40.0f;
    c.p = 0.03f, c.ps = 0.03f;
    c.UFpb = 0.456, c.UFpu = 0.5, c.UFpl = 0.1, c.UFb = 0.7649, c.UFbt = 0.3, c.UFst = 0.2;
    c.UFgbu = 0.91f;
    c.UFt = 0.33, c.UFsm = 0.445, c.UFgm = 1.005, c.UFy = 0.4, c.UFyp = 0.5, c.UFys = 0.6;
    return c;
}

TEST(ResultHeader, FortyFourCaptionsWithLgBeforeLgs) {
    const auto cells = SplitCells(ResultHeader());
    ASSERT_EQ(cells.size(), 44u);
    EXPECT_EQ(cells.front(), "Project:");
    EXPECT_EQ(cells[10], "Stiffener:");
    EXPECT_EQ(cells[16], "Lg");
    EXPECT_EQ(cells[17], "Lgs");
    EXPECT_EQ(cells.back(), "UFys");
}

TEST(ResultLine, CaseCellsInTheirMasksAndPrecisions) {
    EXPECT_EQ(ResultLineText(LoadedCase(), false, '.'),
              "Deck 3\tF40-A\tA\t1.43\t0.60\t235/400\t355/490\t2.06E+5\tTank bulkhead\t-\t Clip attachment\t0.80\t"
              "LR200x90x9.0x12.0\tTG800x200x10.0x20.0\t3000\t2500\t8000\t6000\t3000\t20\t625\t625\t"
              "-100.5\t-100\t-30\t-30\t40\t0.03\t0.03\t"
              "Buckling\t0.46\t0.50\t0.10\t0.76\t0.30\t0.20\t0.91\t"
              "Scant/Yield\t0.33\t0.45\t1.01\t0.4\t0.50\t0.60");
}

TEST(ResultLine, FloatInputsPrintWithSevenDigitsAndTheLocaleSeparator) {
    Case c = LoadedCase();
    c.SigxB = 0.1f;
    c.p = 0.0299999993f;
    const auto cells = SplitCells(ResultLineText(c, false, ','));
    EXPECT_EQ(cells[23], "0,1");
    EXPECT_EQ(cells[27], "0,03");
    EXPECT_EQ(cells[12], "LR200x90x9,0x12,0");
    EXPECT_EQ(cells[3], "1,43");
    // A computed double keeps its fifteen digits.
    c.p = 0.0299999993;
    EXPECT_EQ(SplitCells(ResultLineText(c, false, '.'))[27], "0.0299999993");
}

TEST(ResultLine, ChoiceTexts) {
    const struct {
        i16 cond, type, option;
        float UL;
        const char *condText, *typeText, *ulText, *optionText;
    } cases[] = {
        // The option's meaning turns over between the structure types.
        {1, 0, 1, 5, "B", "Watertight bulkhead", "05", " No end attachment"},
        {2, 1, 1, 65, "C", "Tank bulkhead", "-", " Supported at both ends by girder"},
        {7, 1, 0, 65, "C", "Tank bulkhead", "-", " Clip attachment"},
        {-1, 5, 1, 65, "C", "Upper Structure", "-", " In way of tanks"},
    };
    for (const auto& k : cases) {
        Case c = LoadedCase();
        c.LoadCond = k.cond, c.BulkheadType = k.type, c.EndOption = k.option, c.UL = k.UL;
        const auto cells = SplitCells(ResultLineText(c, false, '.'));
        EXPECT_EQ(cells[2], k.condText) << k.cond;
        EXPECT_EQ(cells[8], k.typeText) << k.type;
        EXPECT_EQ(cells[9], k.ulText) << k.type;
        EXPECT_EQ(cells[10], k.optionText) << k.type << k.option;
    }
}

TEST(ResultLine, ProfileCells) {
    const struct {
        i16 stiffKind, girdKind;
        const char *stiff, *gird;
    } cases[] = {
        {kLBuilt, kLGirder, "LW200x90x9.0x12.0", "LG800x200x10.0x20.0"},
        {kFbBuilt, kTGirder, "Fb200x9.0", "TG800x200x10.0x20.0"},
        {kBulb, kTGirder, "BF200x9.0", "TG800x200x10.0x20.0"},
        {kTTable, 2, "", ""},
    };
    for (const auto& k : cases) {
        Case c = LoadedCase();
        c.StiffKind = k.stiffKind, c.GirdKind = k.girdKind;
        const auto cells = SplitCells(ResultLineText(c, false, '.'));
        EXPECT_EQ(cells[12], k.stiff) << k.stiffKind;
        EXPECT_EQ(cells[13], k.gird) << k.girdKind;
    }
}

TEST(ResultLine, StiffenerBucklingWordsInsteadOfNumbers) {
    const struct {
        double UFb;
        const char *ufb, *ufbt;
    } cases[] = {
        {-99, "N/A", "N/A"},  // no axial compression
        {-98.999, "-99.00", "0.30"},
        {std::numeric_limits<double>::infinity(), "NOK", "0.30"},  // fails as a column
    };
    for (const auto& k : cases) {
        Case c = LoadedCase();
        c.UFb = k.UFb;
        const auto cells = SplitCells(ResultLineText(c, false, '.'));
        EXPECT_EQ(cells[33], k.ufb) << k.UFb;
        EXPECT_EQ(cells[34], k.ufbt) << k.UFb;
        EXPECT_EQ(cells[35], "0.20") << k.UFb;
    }
}

TEST(ResultLine, AFaultedRunWritesItsInputsAndNoFactor) {
    const auto cells = SplitCells(ResultLineText(LoadedCase(), true, '.'));
    ASSERT_EQ(cells.size(), 44u);
    EXPECT_EQ(cells[1], "F40-A");
    EXPECT_EQ(cells[12], "LR200x90x9.0x12.0");
    EXPECT_EQ(cells[28], "0.03");
    EXPECT_EQ(cells[29], "Buckling");
    EXPECT_EQ(cells[37], "Scant/Yield");
    for (int i : {11, 30, 31, 32, 33, 34, 35, 36, 38, 39, 40, 41, 42, 43}) EXPECT_EQ(cells[i], "ERR") << i;
}

}  // namespace
}  // namespace veltar

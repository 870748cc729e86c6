// The example project files open with the shipped tables, are written back byte for
// byte, and are recalculated as Open recalculates them.
#include "core/calculate.h"
#include "files/projectfile.h"
#include "test_support.h"

namespace veltar {
namespace {

class Examples : public test::ScratchDir {
protected:
    void SetUp() override {
        ScratchDir::SetUp();
        ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables_).ok);
    }
    Case Open(const std::string& name) {
        Case c;
        const Status s = ReadProjectFile(c, tables_, std::string(VELTAR_EXAMPLES) + "/" + name);
        EXPECT_TRUE(s.ok) << s.message;
        return c;
    }
    Tables tables_;
};

TEST_F(Examples, CurrentFilesOpenAndSaveUnchanged) {
    struct {
        const char* name;
        i16 kind, bulkhead;
    } cases[] = {{"default.velta", kLTable, 1}, {"bulbflat.velta", kBulb, 1}, {"upper-structure-T.velta", kTBuilt, 2}};
    for (const auto& k : cases) {
        Case c = Open(k.name);
        EXPECT_EQ(c.StiffKind, k.kind) << k.name;
        EXPECT_EQ(c.BulkheadType, k.bulkhead) << k.name;
        std::string copy = PathOf(k.name);
        ASSERT_TRUE(WriteProjectFile(c, copy).ok);
        EXPECT_EQ(test::ReadAll(copy), test::ReadAll(std::string(VELTAR_EXAMPLES) + "/" + k.name)) << k.name;
    }
}

TEST_F(Examples, OldFormatFileOpensWithItsFillIns) {
    const Case c = Open("old-format.velta");
    EXPECT_EQ(test::CrLfLines(test::ReadAll(std::string(VELTAR_EXAMPLES) + "/old-format.velta")).size(), 38u);
    EXPECT_EQ(double(c.Lg), 8250.0);
    EXPECT_EQ(c.Lgs, 4950.0f);
    EXPECT_EQ(double(c.p), 0.045);
    EXPECT_EQ(double(c.ps), 0.045);
}

TEST_F(Examples, RecalculatingAnOpenedCaseAppliesGradesProfileAndGirder) {
    Case c = Open("upper-structure-T.velta");
    c.Fyp = Real(999.0);  // a table grade overrides the file's stresses
    c.StiffGradeIndex = static_cast<i16>(tables_.Mat.count);
    c.Fys = Real(444.0);  // the user-defined grade keeps them
    RecalculateOpened(c, tables_);
    EXPECT_EQ(c.ssum, 1200.0f);
    EXPECT_EQ(double(c.Fyp), double(tables_.Mat.Fy[c.PlateGradeIndex]));
    EXPECT_EQ(double(c.Fys), 444.0);
    EXPECT_EQ(c.stiffprof, "Built-up: T 250x100x8.0x12.5");
    EXPECT_EQ(c.girdprof, "T 600x150x9.0x15.0");
    EXPECT_EQ(c.GirdA, (600.0 - 15.0) * 9.0 + 150.0 * 15.0);
    CollectedWarnings warnings;
    Calculate(c, tables_, warnings);
    EXPECT_EQ(c.FaultText, "");
    EXPECT_FALSE(c.Rows.empty());
}

}  // namespace
}  // namespace veltar

// Loading a case row: the row's values and profiles replace the case's, the
// strengths stay those of the row, and the whole panel is recalculated.
#include <gtest/gtest.h>

#include "files/casedb.h"

namespace veltar {
namespace {

class LoadCase : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables).ok);
        std::vector<std::string> warnings;
        ASSERT_TRUE(ReadCaseDatabase(std::string(VELTAR_FIXTURES) + "/casedb/two_cases.velti", tables, 0, db, warnings).ok);
        c.FileName = "frame40.velta";
    }

    Tables tables;
    CaseDatabase db;
    Case c;
    CollectedWarnings warnings;
};

TEST_F(LoadCase, TableStiffenerAndTGirder) {
    ASSERT_TRUE(LoadDatabaseCase(c, tables, db, 1, warnings));
    EXPECT_EQ(c.FileName, "frame40.velta");
    EXPECT_EQ(c.Ident, "F40-A");
    EXPECT_EQ(c.PlateGradeIndex, tables.Mat.count);
    EXPECT_EQ(c.StiffGradeIndex, tables.Mat.count);
    EXPECT_EQ(static_cast<double>(c.Fys), 355.0);  // the row's, not the grade table's
    EXPECT_EQ(c.t.kind(), Real::Kind::Single);
    EXPECT_EQ(c.StiffKind, kLTable);
    EXPECT_EQ(c.LRow, 16);
    EXPECT_EQ(static_cast<double>(c.StiffTf), 14.0);
    EXPECT_EQ(c.GirdKind, kTGirder);
    EXPECT_EQ(static_cast<double>(c.GirdH), 800.0);
    EXPECT_EQ(RunFault(c), "");
    EXPECT_FALSE(c.Rows.empty());
    EXPECT_EQ(db.DbRow, 1);
}

TEST_F(LoadCase, SpanWarningsReachTheCaller) {
    db.rows[1].s1 = 4000;
    ASSERT_TRUE(LoadDatabaseCase(c, tables, db, 1, warnings));
    ASSERT_EQ(warnings.texts.size(), 2u);
    EXPECT_EQ(warnings.texts[0], " s1 <= L1  ");
}

TEST_F(LoadCase, CommentsAndRowsBeyondTheTableLoadNothing) {
    for (int row : {0, 3, -1}) {
        EXPECT_FALSE(LoadDatabaseCase(c, tables, db, row, warnings)) << row;
        EXPECT_EQ(c.Ident, "Test");
    }
}

}  // namespace
}  // namespace veltar

// Reading case tables: rows, the "End" row, profile codes, and the messages that
// name the line and the cell of a bad value.
#include <gtest/gtest.h>

#include <sstream>
#include <utility>

#include "files/casedb.h"

namespace veltar {
namespace {

// A valid case row; tests change single cells.
std::vector<std::string> CaseCells() {
    return {"Deck 3", "F40-A", "0",     "1.43",  "0.6",  "235",  "400",  "355",          "490",  "206000", "1",
            "65",     "0",     "LR",    "200x90x9x14",   "TG", "800x200x10x20", "3000", "2500", "8000", "6000",
            "3000",   "20",    "625",   "625",   "-100", "-100", "-30",  "-30",          "40",   "0.03", "0.03"};
}

std::string Join(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? "\t" : "") + cells[i];
    return line + "\r\n";
}

std::string CaseLine(int cell = -1, const std::string& text = {}) {
    auto cells = CaseCells();
    if (cell >= 0) cells[cell] = text;
    return Join(cells);
}

class ReadTable : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables).ok); }

    Status Parse(const std::string& text, int decSep = 0) {
        std::istringstream in(text);
        return ParseCaseTable(in, "t.velti", tables, decSep, db, warnings);
    }

    Tables tables;
    CaseDatabase db;
    std::vector<std::string> warnings;
};

TEST_F(ReadTable, FirstLineEndGivesNoRows) {
    ASSERT_TRUE(Parse("End\r\n" + CaseLine()).ok);
    EXPECT_EQ(db.DbRowCount(), 0);
    EXPECT_EQ(FirstCaseRow(db), -1);
    EXPECT_TRUE(warnings.empty());
}

TEST_F(ReadTable, CommentCaseAndLowerCaseEnd) {
    ASSERT_TRUE(Parse("% frame 40\r\n" + CaseLine() + "end\r\n" + CaseLine(1, "after end")).ok);
    ASSERT_EQ(db.DbRowCount(), 2);
    EXPECT_TRUE(db.rows[0].comment);
    EXPECT_EQ(db.rows[0].Project, "% frame 40");
    EXPECT_FALSE(db.rows[1].comment);
    EXPECT_EQ(db.rows[1].Ident, "F40-A");
    EXPECT_EQ(db.rows[1].line, 2);
    EXPECT_EQ(FirstCaseRow(db), 1);
    EXPECT_TRUE(warnings.empty());
}

TEST_F(ReadTable, OnlyBlanksAreTrimmed) {
    ASSERT_TRUE(Parse("   % note  \r\n" + std::string("\t") + CaseLine().substr(7) + "  eNd  \n").ok);
    ASSERT_EQ(db.DbRowCount(), 2);
    EXPECT_EQ(db.rows[0].Project, "% note");
    // A leading TAB is an empty project cell, not a shift of the cells.
    EXPECT_EQ(db.rows[1].Project, "");
    EXPECT_EQ(db.rows[1].Ident, "F40-A");
}

TEST_F(ReadTable, WholeNumberCellsRoundHalfToEven) {
    const std::pair<const char*, i16> cases[] = {{"2.5", 2}, {"3.5", 4}, {"1,6", 2}, {"32767", 32767}, {"-32768", -32768}};
    for (const auto& [text, value] : cases) {
        ASSERT_TRUE(Parse(CaseLine(2, text)).ok) << text;
        EXPECT_EQ(db.rows[0].LoadCond, value) << text;
    }
}

TEST_F(ReadTable, StiffenerAndGirderCodes) {
    const struct {
        const char* code;
        const char* dims;
        i16 kind;
        i16 row;
        std::array<float, 4> dim;
    } cases[] = {
        {"LR", "200x90x9x14", kLTable, 16, {200, 90, 9, 14}},
        {"LR", "123x45x6x7", kLTable, 0, {123, 45, 6, 7}},  // no such L row: row 0
        {"BF", "200x9", kBulb, 16, {200, 9, 0, 0}},
        {"BF", "201x9", kBulb, 0, {201, 9, 0, 0}},
        {"LW", "250x90x10x12.5", kLBuilt, 0, {250, 90, 10, 12.5f}},
        {"TG", "300x100x10x15", kTBuilt, 0, {300, 100, 10, 15}},
        {"FB", "180x10", kFbBuilt, 0, {180, 10, 0, 0}},
        {"IG", "400x150x12x20", kIBuilt, 0, {400, 150, 12, 20}},
    };
    for (const auto& k : cases) {
        auto cells = CaseCells();
        cells[13] = k.code;
        cells[14] = k.dims;
        cells[15] = "LG";
        ASSERT_TRUE(Parse(Join(cells)).ok) << k.code << k.dims;
        const CaseRow& r = db.rows[0];
        EXPECT_EQ(r.StiffKind, k.kind) << k.code;
        EXPECT_EQ(r.StiffRow, k.row) << k.code << k.dims;
        EXPECT_EQ(r.StiffDim, k.dim) << k.code << k.dims;
        EXPECT_EQ(r.GirdKind, kLGirder);
    }
}

TEST_F(ReadTable, BadRowsNameTheLineAndTheCell) {
    const struct {
        int cell;
        const char* text;
        int decSep;
        const char* message;
    } cases[] = {
        {22, "abc", 1, "t.velti: line 2, cell 23 (t): \"abc\" is not a number"},
        {5, "1e39", 0, "t.velti: line 2, cell 6 (Fyp): \"1e39\" is not a number"},
        {2, "32768", 0, "t.velti: line 2, cell 3 (LoadCond): \"32768\" is outside -32768 to 32767"},
        {12, "-40000", 0, "t.velti: line 2, cell 13 (EndOption): \"-40000\" is outside -32768 to 32767"},
        {10, "x", 1, "t.velti: line 2, cell 11 (BulkheadType): \"x\" is not a number"},
        {13, "lr", 0, "t.velti: line 2, cell 14 (stiffener code): unknown stiffener code \"lr\" (LR, LW, TG, FB, BF or IG)"},
        {15, "IG", 0, "t.velti: line 2, cell 16 (girder code): unknown girder code \"IG\" (LG or TG)"},
        {14, "200x90x9", 0, "t.velti: line 2, cell 15 (stiffener dimensions): \"200x90x9\" needs 4 numbers joined by \"x\""},
        {16, "800x200x1ox20", 1, "t.velti: line 2, cell 17 (girder dimensions): \"1o\" is not a number"},
    };
    for (const auto& k : cases) {
        const Status s = Parse("% ok\r\n" + CaseLine(k.cell, k.text), k.decSep);
        EXPECT_FALSE(s.ok) << k.message;
        EXPECT_EQ(s.message, k.message);
    }
}

TEST_F(ReadTable, ThirtyTwoCellsAreNeeded) {
    auto cells = CaseCells();
    cells.pop_back();
    const Status s = Parse(Join(cells));
    EXPECT_EQ(s.message, "t.velti: line 1: a case row needs 32 cells, found 31");
    cells.push_back("0.03");
    cells.push_back("extra");
    EXPECT_TRUE(Parse(Join(cells)).ok);
}

TEST_F(ReadTable, AnErrorLeavesThePreviousTable) {
    ASSERT_TRUE(Parse(CaseLine() + CaseLine(1, "second") + "End\r\n").ok);
    db.DbPath = "previous.velti";
    EXPECT_FALSE(Parse(CaseLine() + CaseLine(13, "XX")).ok);
    EXPECT_EQ(db.DbRowCount(), 2);
    EXPECT_EQ(db.rows[1].Ident, "second");
    EXPECT_EQ(db.DbPath, "previous.velti");
}

TEST_F(ReadTable, NoEndRowIsReadToTheEndWithAWarning) {
    ASSERT_TRUE(Parse("% a\r\n" + CaseLine()).ok);
    EXPECT_EQ(db.DbRowCount(), 2);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], "t.velti: no \"End\" row; read to the end of the file");
}

TEST_F(ReadTable, TablesBeyondTenThousandRowsAreKept) {
    std::string text;
    const std::string line = CaseLine();
    for (int i = 0; i < 12000; ++i) text += line;
    ASSERT_TRUE(Parse(text + "End\r\n").ok);
    EXPECT_EQ(db.DbRowCount(), 12000);
    EXPECT_EQ(db.rows.back().line, 12000);
}

TEST_F(ReadTable, AbsurdLineLengthIsRefused) {
    const Status s = Parse("% " + std::string(100000, 'a') + "\r\nEnd\r\n");
    EXPECT_EQ(s.message, "t.velti: line 1 is longer than 65536 characters");
    EXPECT_TRUE(Parse("% " + std::string(65000, 'a') + "\r\nEnd\r\n").ok);
}

}  // namespace
}  // namespace veltar

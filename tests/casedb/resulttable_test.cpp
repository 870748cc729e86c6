// Writing result tables: every case row fully recalculated, faulted cases marked,
// the result path rule, and a failed write that leaves no partial target.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "files/resulttable.h"
#include "tests/casedb/table_text.h"

namespace veltar {
namespace {

namespace fs = std::filesystem;
using namespace veltar::testing;

class WriteTable : public ScratchDirTest {
protected:
    void SetUp() override {
        ScratchDirTest::SetUp();
        ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables).ok);
    }

    void Read(const std::string& name) {
        std::vector<std::string> warnings;
        ASSERT_TRUE(ReadCaseDatabase(std::string(VELTAR_FIXTURES) + "/casedb/" + name, tables, 0, db, warnings).ok);
    }
    Status Write(const fs::path& path) { return WriteResultTable(path.string(), c, tables, db, 0, report); }

    Tables tables;
    CaseDatabase db;
    Case c;
    ResultReport report;
};

TEST_F(WriteTable, ResultPathReplacesTheExtension) {
    const struct {
        const char *in, *out;
    } cases[] = {
        {"deck/frame40.velti", "deck/frame40.velto"}, {"frame40", "frame40.velto"},
        {"deck.v2/frame40", "deck.v2/frame40.velto"}, {"frame40.tab.txt", "frame40.tab.velto"},
        {"frame40.VELTI", "frame40.velto"},
    };
    for (const auto& k : cases) EXPECT_EQ(ResultPath(k.in), k.out) << k.in;
}

TEST_F(WriteTable, EveryCaseRowIsCalculated) {
    Read("two_cases.velti");
    ASSERT_TRUE(Write(dir / "out.velto").ok);
    const auto lines = Lines(ReadAll(dir / "out.velto"));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], ResultHeader());
    EXPECT_EQ(lines[1], "% Deck 3, frame 40: plate fields between girders");
    EXPECT_EQ(report.cases, 2);
    EXPECT_TRUE(report.faulted.empty());
    const auto first = SplitCells(lines[2]), second = SplitCells(lines[3]);
    ASSERT_EQ(first.size(), 44u);
    ASSERT_EQ(second.size(), 44u);
    EXPECT_EQ(first[12], "LR200x90x9.0x14.0");
    EXPECT_EQ(second[12], "BF200x9.0");
    EXPECT_EQ(second[13], "LG700x150x9.0x15.0");
    EXPECT_NE(second[30], first[30]);
    // The case record holds the last case row afterwards.
    EXPECT_EQ(c.Ident, "F40-B");
    EXPECT_EQ(db.DbRow, 2);
}

TEST_F(WriteTable, TheGirderOfEachRowIsUsed) {
    Read("two_cases.velti");
    ASSERT_TRUE(Write(dir / "a.velto").ok);
    const std::string both = ReadAll(dir / "a.velto");
    // The second case alone, after a fresh start, gives the same line: nothing of
    // the first case's sections leaks into it.
    db.rows.erase(db.rows.begin() + 1);
    Case fresh;
    c = fresh;
    ASSERT_TRUE(Write(dir / "b.velto").ok);
    EXPECT_EQ(Lines(both)[3], Lines(ReadAll(dir / "b.velto"))[2]);
}

TEST_F(WriteTable, AFaultedCaseWritesErrorsNotThePreviousNumbers) {
    Read("one_fault.velti");
    ASSERT_TRUE(Write(dir / "out.velto").ok);
    const auto lines = Lines(ReadAll(dir / "out.velto"));
    ASSERT_EQ(lines.size(), 4u);
    const auto good = SplitCells(lines[2]), bad = SplitCells(lines[3]);
    EXPECT_NE(good[30], "ERR");
    EXPECT_EQ(bad[19], "0");  // t
    for (int k : {11, 30, 31, 32, 33, 34, 35, 36, 38, 39, 40, 41, 42, 43}) EXPECT_EQ(bad[k], "ERR") << k;
    ASSERT_EQ(report.faulted.size(), 1u);
    EXPECT_EQ(report.faulted[0].line, 3);
    EXPECT_EQ(report.faulted[0].Ident, "F40-T0");
    EXPECT_NE(report.faulted[0].fault, "");
    EXPECT_EQ(report.cases, 2);
}

TEST_F(WriteTable, HeaderOnlyForATableWithoutRows) {
    std::istringstream in("End\r\n");
    std::vector<std::string> warnings;
    ASSERT_TRUE(ParseCaseTable(in, "t", tables, 0, db, warnings).ok);
    ASSERT_TRUE(Write(dir / "empty.velto").ok);
    EXPECT_EQ(ReadAll(dir / "empty.velto"), ResultHeader() + "\r\n");
    EXPECT_EQ(report.cases, 0);
}

TEST_F(WriteTable, AFailedWriteNamesThePathAndLeavesNoFile) {
    Read("two_cases.velti");
    const fs::path missing = dir / "no_folder" / "out.velto";
    const Status s = Write(missing);
    EXPECT_EQ(s.message.rfind("can't save file - " + missing.string(), 0), 0u) << s.message;
    EXPECT_FALSE(fs::exists(missing.parent_path()));

    fs::create_directory(dir / "taken.velto");
    EXPECT_FALSE(Write(dir / "taken.velto").ok);
    EXPECT_TRUE(fs::is_directory(dir / "taken.velto"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << "a temporary file was left";
}

// Untrusted tables: cells of a valid row replaced by odd texts either read with a
// message naming their line, or give a table with one line per row.
TEST_F(WriteTable, OddCellsNeverBreakTheRun) {
    const std::string good = Lines(ReadAll(std::string(VELTAR_FIXTURES) + "/casedb/two_cases.velti"))[1];
    const char* odd[] = {"", "0", "-1", "1e38", "-3e38", "1e-38", "abc", "x", "0x0x0x0", "1x2", "%", "End", "70000", "-0"};
    unsigned state = 7;
    for (int round = 0; round < 150; ++round) {
        auto cells = SplitCells(good);
        for (int n = 0; n < 3; ++n) {
            state = state * 1103515245u + 12345u;
            cells[(state >> 8) % cells.size()] = odd[(state >> 20) % std::size(odd)];
        }
        std::string line;
        for (const auto& cell : cells) line += cell + "\t";
        std::istringstream in(line + "\r\nEnd\r\n");
        std::vector<std::string> warnings;
        const Status read = ParseCaseTable(in, "odd", tables, 0, db, warnings);
        if (!read) {
            EXPECT_EQ(read.message.rfind("odd: line 1", 0), 0u) << read.message;
            continue;
        }
        ASSERT_TRUE(Write(dir / "odd.velto").ok);
        const std::size_t rows = cells[0] == "End" ? 0 : 1;
        EXPECT_EQ(Lines(ReadAll(dir / "odd.velto")).size(), 1 + rows) << line;
    }
}

}  // namespace
}  // namespace veltar

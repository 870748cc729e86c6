// The data-table readers on the shipped tables and on damaged copies, the combo item
// texts, the row searches and the data-folder lookup.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "profiles/tables.h"

namespace veltar {
namespace {

namespace fs = std::filesystem;

// A private copy of the shipped tables, one of which a test then replaces.
// A folder of its own for each test and process, so that parallel runs never share one.
fs::path TempFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "_" + test->name();
    std::replace(name.begin(), name.end(), '/', '_');
    return fs::temp_directory_path() / ("veltar_" + name + "_" + std::to_string(::getpid()));
}

class TableFolder {
public:
    TableFolder() : dir_(TempFolder()) {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        for (const char* f : {"bfprof.dat", "lprof.dat", "tprof.dat", "fprof.dat", "ABSmat.dat"}) {
            fs::copy_file(fs::path(VELTAR_DATA_DIR) / f, dir_ / f);
        }
    }
    ~TableFolder() { fs::remove_all(dir_); }

    void Write(const char* file, const std::string& text) const {
        std::ofstream(dir_ / file, std::ios::binary) << text;
    }
    std::string Read(const char* file) const {
        std::ifstream in(dir_ / file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::string path() const { return dir_.string(); }

private:
    fs::path dir_;
};

std::string Repeat(const std::string& line, int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += line;
    return text;
}

std::string WithCrlf(const std::string& text) {
    std::string out;
    for (char ch : text) {
        if (ch == '\n') out += '\r';
        out += ch;
    }
    return out;
}

class ShippedTables : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables)) << ReadTables(VELTAR_DATA_DIR, tables).message; }
    Tables tables;
};

TEST_F(ShippedTables, CountsAreTheLastIndex) {
    EXPECT_EQ(tables.BF.count, 58);
    EXPECT_EQ(tables.L.count, 40);
    EXPECT_EQ(tables.T.count, 24);
    EXPECT_EQ(tables.Fb.count, 40);
    EXPECT_EQ(tables.Mat.count, 19);
}

TEST_F(ShippedTables, RowsInFileOrder) {
    EXPECT_EQ(tables.L.row[0], (std::array<float, 5>{100, 75, 7, 7, 0}));
    EXPECT_EQ(tables.T.row[2], (std::array<float, 5>{87.5f, 175, 7.5f, 11, 0}));
    EXPECT_EQ(tables.Fb.row[13], (std::array<float, 5>{200, 9, 0, 0, 0}));
    EXPECT_EQ(tables.BF.row[16], (std::array<float, 5>{200, 9, 28, 8, 2360}));
    EXPECT_EQ(tables.L.row[41], (std::array<float, 5>{}));  // beyond the table
}

TEST_F(ShippedTables, MaterialNamesWithoutQuotes) {
    EXPECT_EQ(tables.Mat.name[2], "D");
    EXPECT_EQ(tables.Mat.Fy[2], 235.0f);
    EXPECT_EQ(tables.Mat.Fu[2], 400.0f);
    EXPECT_EQ(tables.Mat.Q[2], 1.0f);
    EXPECT_EQ(tables.Mat.name[16], "S355M/ML EN10025-4");
    EXPECT_EQ(tables.Mat.Q[17], 0.639f);
    EXPECT_EQ(tables.Mat.name[19], "User defined");
}

TEST_F(ShippedTables, ItemTexts) {
    EXPECT_EQ(ItemText(tables, kLTable, 0), "L100x75x7x7");
    EXPECT_EQ(ItemText(tables, kTTable, 2), "T87.5x175x7.5x11");
    EXPECT_EQ(ItemText(tables, kTTable, 2, ','), "T87,5x175x7,5x11");
    EXPECT_EQ(ItemText(tables, kFbTable, 13), "Fb200x9");
    EXPECT_EQ(ItemText(tables, kBulb, 16), "BF200x9");
    EXPECT_EQ(ItemText(tables, kBulb, 3), "BF140x6.5");
    EXPECT_EQ(ItemText(tables, kLTable, 41), "");   // beyond the table
    EXPECT_EQ(ItemText(tables, kLTable, -1), "");
    EXPECT_EQ(ItemText(tables, kLBuilt, 0), "");    // a built-up kind has no rows
}

TEST(ItemText, UnequalThicknessAngle) {
    Tables tables;
    tables.L.row[0] = {100, 75, 7, 10};
    tables.L.count = 0;
    EXPECT_EQ(ItemText(tables, kLTable, 0), "L100x75x7x10");
}

TEST_F(ShippedTables, RowSearches) {
    EXPECT_EQ(FindLTableRow(tables, 100, 75, 7), 0);
    EXPECT_EQ(FindLTableRow(tables, 100, 75, 6), -1);
    EXPECT_EQ(FindBulbTableRow(tables, 200, 9), 16);
    EXPECT_EQ(FindBulbTableRow(tables, 140, 6.5), 3);
    EXPECT_EQ(FindBulbTableRow(tables, 200, 9.5), -1);
    EXPECT_EQ(FindBulbTableRow(tables, 1e300, 9), -1);  // beyond the float range, no match
}

TEST(RowSearch, LastMatchingRowAtTablePrecision) {
    Tables tables;
    tables.L.row[0] = {200, 90, 5.3f, 8};
    tables.L.row[1] = {200, 90, 5.3f, 10};
    tables.L.row[2] = {250, 90, 5.3f, 10};
    tables.L.count = 2;
    EXPECT_EQ(FindLTableRow(tables, 200, 90, 5.3), 1);  // the double 5.3 finds the float 5.3
    tables.L.count = 0;
    EXPECT_EQ(FindLTableRow(tables, 200, 90, 5.3), 0);  // rows beyond the count do not count
}

TEST(ReadTables, CrlfAndLfReadAlike) {
    TableFolder folder;
    for (const char* f : {"bfprof.dat", "lprof.dat", "tprof.dat", "fprof.dat", "ABSmat.dat"}) {
        folder.Write(f, WithCrlf(folder.Read(f)));
    }
    Tables lf, crlf;
    ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, lf));
    const Status s = ReadTables(folder.path(), crlf);
    ASSERT_TRUE(s) << s.message;
    EXPECT_EQ(crlf.BF.row, lf.BF.row);
    EXPECT_EQ(crlf.L.row, lf.L.row);
    EXPECT_EQ(crlf.Mat.name, lf.Mat.name);
    EXPECT_EQ(crlf.Mat.Q, lf.Mat.Q);
}

TEST(ReadTables, LenientLayout) {
    TableFolder folder;
    // A byte-order mark, blanks around fields, whole numbers, blank lines, no final line end.
    folder.Write("lprof.dat", "\xEF\xBB\xBF 100 , 75.0,7,7.0\n\n  \n125.0,75.0,7.0,7.0");
    folder.Write("ABSmat.dat", "\"A\",235.0,400.0,1.0\n\"B\",235,400,1\n  \"D, special\" ,235.0,400.0,1.0\n"
                               "\"E\",235.0,400.0,1.0\n\"\",0,0,0\n\n");
    Tables tables;
    const Status s = ReadTables(folder.path(), tables);
    ASSERT_TRUE(s) << s.message;
    EXPECT_EQ(tables.L.count, 1);
    EXPECT_EQ(tables.L.row[1][0], 125.0f);
    EXPECT_EQ(tables.Mat.count, 4);
    EXPECT_EQ(tables.Mat.name[2], "D, special");
    EXPECT_EQ(tables.Mat.name[4], "");
}

struct BadFile {
    const char* file;
    std::string text;
    std::string message;
};

class BadTables : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadTables, RejectedWithFileAndLineAndTablesUnchanged) {
    const BadFile& bad = GetParam();
    TableFolder folder;
    folder.Write(bad.file, bad.text);
    Tables tables;
    tables.L.count = 7;  // marks the caller's tables
    const Status s = ReadTables(folder.path(), tables);
    EXPECT_FALSE(s.ok);
    EXPECT_EQ(s.message, bad.message);
    EXPECT_EQ(tables.L.count, 7);
    EXPECT_EQ(tables.Mat.count, -1);
}

const std::string kL = "100.0,75.0,7.0,7.0\n";
const std::string kGrade = "\"A\",235.0,400.0,1.0\n";

INSTANTIATE_TEST_SUITE_P(
    Records, BadTables,
    ::testing::Values(
        BadFile{"lprof.dat", kL + "100.0,75.0\n", "lprof.dat, line 2: expected 4 fields (H, B, tw, tf), found 2"},
        BadFile{"lprof.dat", kL + kL + "\n1,2,3,4,\n", "lprof.dat, line 4: expected 4 fields (H, B, tw, tf), found 5"},
        BadFile{"tprof.dat", "1,2,3,4,5,6,7,8,9,10\n", "tprof.dat, line 1: expected 4 fields (H, B, tw, tf), found 10"},
        BadFile{"fprof.dat", "200.0;9.0\n", "fprof.dat, line 1: expected 2 fields (H, tw), found 1"},
        BadFile{"lprof.dat", "100.0,75.0,7.0,x7\n", "lprof.dat, line 1: field 4 \"x7\" is not a number"},
        BadFile{"lprof.dat", "100.0,75.0,7,5,7.0\n", "lprof.dat, line 1: expected 4 fields (H, B, tw, tf), found 5"},
        BadFile{"lprof.dat", "100.0,75.0,7.0 7,7.0\n", "lprof.dat, line 1: field 3 \"7.0 7\" is not a number"},
        BadFile{"lprof.dat", "100.0,,7.0,7.0\n", "lprof.dat, line 1: field 2 \"\" is empty"},
        BadFile{"lprof.dat", "100.0,75.0,nan,7.0\n", "lprof.dat, line 1: field 3 \"nan\" is not a number"},
        BadFile{"lprof.dat", "100.0,75.0,inf,7.0\n", "lprof.dat, line 1: field 3 \"inf\" is not a number"},
        BadFile{"lprof.dat", "1e39,75.0,7.0,7.0\n", "lprof.dat, line 1: field 1 \"1e39\" is out of range"},
        BadFile{"lprof.dat", "100.0,-75.0,7.0,7.0\n", "lprof.dat, line 1: field 2 \"-75.0\" is negative"},
        BadFile{"lprof.dat", "\"100.0\",75.0,7.0,7.0\n", "lprof.dat, line 1: field 1 \"100.0\" is quoted text, not a number"},
        BadFile{"lprof.dat", "100.0,75.0,7.0,7\"0\n", "lprof.dat, line 1: a quote inside a field"},
        BadFile{"ABSmat.dat", kGrade + "A,235.0,400.0,1.0\n", "ABSmat.dat, line 2: the grade name must be in double quotes"},
        BadFile{"ABSmat.dat", "\"A,235.0,400.0,1.0\n", "ABSmat.dat, line 1: a quote is not closed"},
        BadFile{"ABSmat.dat", "\"A\"H,235.0,400.0,1.0\n", "ABSmat.dat, line 1: text after a closing quote"},
        BadFile{"ABSmat.dat", "\"A\",235.0,400.0\n", "ABSmat.dat, line 1: expected 4 fields (\"name\", Fy, Fu, Q), found 3"},
        BadFile{"ABSmat.dat", "\"A\",235.0,4OO,1.0\n", "ABSmat.dat, line 1: field 3 \"4OO\" is not a number"},
        BadFile{"bfprof.dat", std::string("200.0,9.0,28.0,8.0,2360.0\n") + std::string(600, '7') + "\n",
                "bfprof.dat, line 2: longer than 512 characters"}));

INSTANTIATE_TEST_SUITE_P(
    Counts, BadTables,
    ::testing::Values(
        BadFile{"lprof.dat", "", "lprof.dat: the file holds no records"},
        BadFile{"tprof.dat", "\n  \r\n\n", "tprof.dat: the file holds no records"},
        BadFile{"lprof.dat", Repeat(kL, 62), "lprof.dat, line 62: more than 61 records"},
        BadFile{"ABSmat.dat", Repeat(kGrade, 24), "ABSmat.dat, line 24: more than 23 records"},
        BadFile{"ABSmat.dat", Repeat(kGrade, 3),
                "ABSmat.dat: 3 records, at least 4 needed (the default grade 2 and the user-defined last grade)"},
        BadFile{"fprof.dat", Repeat("200.0,9.0\n", 13), "fprof.dat: 13 records, at least 14 needed (the default is row 13)"},
        BadFile{"bfprof.dat", Repeat("200.0,9.0,28.0,8.0,2360.0\n", 16),
                "bfprof.dat: 16 records, at least 17 needed (the default is row 16)"},
        BadFile{"lprof.dat", Repeat("\n", 1001), "lprof.dat, line 1001: more than 1000 lines"}));

TEST(ReadTables, FullTablesAreAccepted) {
    TableFolder folder;
    folder.Write("lprof.dat", Repeat(kL, 61));
    folder.Write("ABSmat.dat", Repeat(kGrade, 23));
    Tables tables;
    ASSERT_TRUE(ReadTables(folder.path(), tables));
    EXPECT_EQ(tables.L.count, 60);
    EXPECT_EQ(tables.Mat.count, 22);
}

TEST(ReadTables, MissingFileNamed) {
    TableFolder folder;
    fs::remove(fs::path(folder.path()) / "tprof.dat");
    Tables tables;
    const Status s = ReadTables(folder.path(), tables);
    EXPECT_FALSE(s.ok);
    EXPECT_EQ(s.message, "tprof.dat: can't open " + (fs::path(folder.path()) / "tprof.dat").string());
    EXPECT_EQ(tables.BF.count, -1);  // the tables read before it are not kept
}

TEST(ReadTables, BulbTableIsReadFirst) {
    TableFolder folder;
    folder.Write("lprof.dat", "x\n");
    folder.Write("bfprof.dat", "x\n");
    Tables tables;
    EXPECT_EQ(ReadTables(folder.path(), tables).message, "bfprof.dat, line 1: expected 5 fields (H, tw, c, r, Ax), found 1");
}

TEST(FindDataDir, BesideTheProgramThenShare) {
    const fs::path root = TempFolder();
    fs::remove_all(root);
    const fs::path bin = root / "bin", share = root / "share" / "veltar";
    fs::create_directories(bin);
    fs::create_directories(share);
    EXPECT_EQ(FindDataDir(bin.string()), bin.string());  // neither: the program's folder
    std::ofstream(share / "lprof.dat") << kL;
    EXPECT_EQ(fs::canonical(FindDataDir(bin.string())), fs::canonical(share));
    std::ofstream(bin / "lprof.dat") << kL;
    EXPECT_EQ(FindDataDir(bin.string()), bin.string());
    fs::remove_all(root);
}

}  // namespace
}  // namespace veltar

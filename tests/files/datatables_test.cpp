// The data-table files: the shipped tables and damaged copies of them, and the data
// folder beside the program or in ../share/veltar.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "files/datatables.h"

namespace veltar {
namespace {

namespace fs = std::filesystem;

// A private copy of the shipped tables, in a folder of its own for each test and
// process, so that parallel runs never share one.
struct TableFolder {
    TableFolder() {
        fs::remove_all(dir);
        fs::copy(VELTAR_DATA_DIR, dir);
    }
    ~TableFolder() { fs::remove_all(dir); }
    void Write(const char* file, const std::string& text) const { std::ofstream(dir / file, std::ios::binary) << text; }
    const fs::path dir = fs::temp_directory_path() /
                         ("veltar_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                          "_" + std::to_string(::getpid()));
};

std::string Repeat(const std::string& line, int n) { return n == 0 ? "" : line + Repeat(line, n - 1); }

const std::string kL = "100.0,75.0,7.0,7.0\n", kGrade = "\"A\",235.0,400.0,1.0\n";

TEST(ReadTables, LenientLayoutAndFullTables) {
    TableFolder folder;
    // A byte-order mark, blanks around fields, whole numbers, blank lines, CRLF, no final line end.
    folder.Write("lprof.dat", "\xEF\xBB\xBF 100 , 75.0,7,7.0\r\n\n  \r\n125.0,75.0,7.0,7.0");
    folder.Write("ABSmat.dat",
                 "\"A\",235.0,400.0,1.0\r\n\"B\",235,400,1\r\n  \"D, special\" ,235.0,400.0,1.0\r\n"
                 "\"E\",235.0,400.0,1.0\r\n\"\",0,0,0\r\n\r\n");
    Tables tables;
    ASSERT_TRUE(ReadTables(folder.dir.string(), tables));
    EXPECT_EQ(tables.L.count, 1);
    EXPECT_EQ(tables.L.row[1][0], 125.0f);
    EXPECT_EQ(tables.Mat.count, 4);
    EXPECT_EQ(tables.Mat.name[2], "D, special");
    folder.Write("lprof.dat", Repeat(kL, 61));
    folder.Write("ABSmat.dat", Repeat(kGrade, 23));
    ASSERT_TRUE(ReadTables(folder.dir.string(), tables));
    EXPECT_EQ(tables.L.count, 60);
    EXPECT_EQ(tables.Mat.count, 22);
}

const struct {
    const char* file;
    std::string text, message;
} kBad[] = {
    {"lprof.dat", kL + kL + "\n1,2,3,4,\n", "lprof.dat, line 4: expected 4 fields (H, B, tw, tf), found 5"},
    {"fprof.dat", "200.0;9.0\n", "fprof.dat, line 1: expected 2 fields (H, tw), found 1"},
    {"lprof.dat", "100.0,75.0,7.0 7,7.0\n", "lprof.dat, line 1: field 3 \"7.0 7\" is not a number"},
    {"lprof.dat", "100.0,,7.0,7.0\n", "lprof.dat, line 1: field 2 \"\" is empty"},
    {"lprof.dat", "100.0,75.0,nan,7.0\n", "lprof.dat, line 1: field 3 \"nan\" is not a number"},
    {"lprof.dat", "1e39,75.0,7.0,7.0\n", "lprof.dat, line 1: field 1 \"1e39\" is out of range"},
    {"lprof.dat", "100.0,-75.0,7.0,7.0\n", "lprof.dat, line 1: field 2 \"-75.0\" is negative"},
    {"lprof.dat", "\"100.0\",75.0,7.0,7.0\n", "lprof.dat, line 1: field 1 \"100.0\" is quoted text, not a number"},
    {"lprof.dat", "100.0,75.0,7.0,7\"0\n", "lprof.dat, line 1: a quote inside a field"},
    {"ABSmat.dat", kGrade + "A,235.0,400.0,1.0\n", "ABSmat.dat, line 2: the grade name must be in double quotes"},
    {"ABSmat.dat", "\"A,235.0,400.0,1.0\n", "ABSmat.dat, line 1: a quote is not closed"},
    {"ABSmat.dat", "\"A\"H,235.0,400.0,1.0\n", "ABSmat.dat, line 1: text after a closing quote"},
    {"ABSmat.dat", "\"A\",235.0,400.0\n", "ABSmat.dat, line 1: expected 4 fields (\"name\", Fy, Fu, Q), found 3"},
    {"bfprof.dat", "200.0,9.0,28.0,8.0,2360.0\n" + std::string(600, '7') + "\n",
     "bfprof.dat, line 2: longer than 512 characters"},
    {"tprof.dat", "\n  \r\n\n", "tprof.dat: the file holds no records"},
    {"lprof.dat", Repeat(kL, 62), "lprof.dat, line 62: more than 61 records"},
    {"ABSmat.dat", Repeat(kGrade, 3),
     "ABSmat.dat: 3 records, at least 4 needed (the default grade 2 and the user-defined last grade)"},
    {"fprof.dat", Repeat("200.0,9.0\n", 13), "fprof.dat: 13 records, at least 14 needed (the default is row 13)"},
    {"lprof.dat", Repeat("\n", 1001), "lprof.dat, line 1001: more than 1000 lines"},
};

TEST(ReadTables, DamagedFileIsNamedWithItsLineAndLeavesTheTablesAlone) {
    for (const auto& bad : kBad) {
        TableFolder folder;
        folder.Write(bad.file, bad.text);
        Tables tables;
        tables.L.count = 7;  // marks the caller's tables
        EXPECT_EQ(ReadTables(folder.dir.string(), tables).message, bad.message);
        EXPECT_EQ(tables.L.count, 7);
    }
}

TEST(ReadTables, MissingFileIsNamedAndTheBulbTableIsReadFirst) {
    TableFolder folder;
    fs::remove(folder.dir / "tprof.dat");
    Tables tables;
    EXPECT_EQ(ReadTables(folder.dir.string(), tables).message,
              "tprof.dat: can't open " + (folder.dir / "tprof.dat").string());
    folder.Write("bfprof.dat", "x\n");
    EXPECT_EQ(ReadTables(folder.dir.string(), tables).message,
              "bfprof.dat, line 1: expected 5 fields (H, tw, c, r, Ax), found 1");
}

// The build tree holds the tables beside the program, an installed tree in
// ../share/veltar; the program's own folder wins and the two are never mixed.
TEST(FindDataDir, BesideTheProgramThenShareElseBothNamed) {
    TableFolder root;
    const fs::path bin = root.dir / "bin", share = root.dir / "share" / "veltar";
    fs::create_directories(bin);
    fs::create_directories(share);
    Tables tables;
    EXPECT_EQ(FindDataDir(bin.string()), "");
    EXPECT_EQ(
        ReadProgramTables(bin.string(), tables).message,
        "can't find the data tables (lprof.dat and the others): looked in " + bin.string() + " and " + share.string());
    for (const auto& table : fs::directory_iterator(root.dir))
        if (table.is_regular_file()) fs::copy_file(table.path(), share / table.path().filename());
    EXPECT_EQ(fs::canonical(FindDataDir(bin.string())), fs::canonical(share));
    ASSERT_TRUE(ReadProgramTables(bin.string(), tables));
    EXPECT_EQ(tables.Mat.name[16], "S355M/ML EN10025-4");
    std::ofstream(bin / "lprof.dat") << kL;
    EXPECT_EQ(FindDataDir(bin.string()), bin.string());
    EXPECT_EQ(ReadProgramTables(bin.string(), tables).message,
              "bfprof.dat: can't open " + (bin / "bfprof.dat").string());
}
}  // namespace
}  // namespace veltar

// The case database: reading case tables, loading a case row, the result table and its
// line texts, and veltar-cli batch (built in from the CLI's sources).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "cli/batch_command.h"
#include "cli/common.h"
#include "core/fieldtable.h"
#include "files/casedb.h"
#include "files/datatables.h"
#include "files/resulttable.h"
#include "run/batch.h"
#include "run/dbcase.h"

namespace veltar {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;
// The value of a field's cell in a case row.
float& CellOf(CaseRow& row, const char* field) { return row.cell[static_cast<size_t>(FindField(field)->caseCell)]; }

const std::string kFixtures = std::string(VELTAR_FIXTURES) + "/casedb/";

Texts Split(const std::string& text, const std::string& sep) {
    Texts parts;
    for (size_t at = 0, end = 0; end != std::string::npos; at = end + sep.size())
        parts.push_back(text.substr(at, (end = text.find(sep, at)) - at));
    return parts;
}

// The lines of a written table; each must end in CR LF.
Texts Lines(const fs::path& path) {
    Texts lines = Split({std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}}, "\r\n");
    EXPECT_EQ(lines.back(), "") << "text after the last CR LF";
    lines.pop_back();
    return lines;
}

// A valid case row with some cells replaced (or added).
std::string CaseLine(const std::vector<std::pair<int, std::string>>& changes = {}) {
    Texts cells = Split(
        "Deck 3|F40-A|0|1.43|0.6|235|400|355|490|206000|1|65|0|LR|200x90x9x14|TG|800x200x10x20|3000|2500|"
        "8000|6000|3000|20|625|625|-100|-100|-30|-30|40|0.03|0.03",
        "|");
    for (const auto& [cell, text] : changes) cells.resize(std::max<size_t>(cells.size(), cell + 1)), cells[cell] = text;
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) line += (i ? "\t" : "") + cells[i];
    return line + "\r\n";
}

class CaseDb : public ::testing::Test {
protected:
    CaseDb() { fs::remove_all(dir), fs::create_directories(dir); }
    ~CaseDb() override { fs::remove_all(dir); }
    std::string d() const { return dir.string() + "/"; }
    void SetUp() override { ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables).ok); }
    Status Parse(const std::string& text, int decSep = 0) {
        std::istringstream in(text);
        return ParseCaseTable(in, "t.velti", tables, decSep, db, warnings);
    }
    void Read(const std::string& name) { ASSERT_TRUE(ReadCaseDatabase(kFixtures + name, tables, 0, db, warnings).ok); }
    Status Write(const fs::path& path) { return WriteResultTable(path.string(), c, tables, db, 0, report); }
    // A case row as loading leaves it (every input a 32-bit float), with factors that test the masks.
    Case Loaded() {
        EXPECT_TRUE(Parse(CaseLine({{25, "-100.5"}})).ok && LoadDatabaseCase(c, tables, db, 0, events));
        c.c = 0.8, c.UFpb = 0.456, c.UFpu = 0.5, c.UFpl = 0.1, c.UFb = 0.7649, c.UFbt = 0.3, c.UFst = 0.2,
        c.UFgbu = 0.91f;
        c.UFt = 0.33, c.UFsm = 0.445, c.UFgm = 1.005, c.UFy = 0.4, c.UFyp = 0.5, c.UFys = 0.6;
        return c;
    }

    fs::path dir =
        ::testing::TempDir() + "veltar_casedb_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    Tables tables;
    CaseDatabase db;
    Texts warnings;
    Case c;
    ResultReport report;
    CollectedWarnings events;
};

TEST_F(CaseDb, RowsAreReadUpToTheEndRow) {
    ASSERT_TRUE(Parse("End\r\n" + CaseLine()).ok);
    EXPECT_EQ(FirstCaseRow(db), -1);
    // Blanks around a row are trimmed, a TAB is not: it leaves the project cell empty.
    ASSERT_TRUE(Parse("   % frame 40  \r\n\t" + CaseLine().substr(7) + "  eNd  \n" + CaseLine({{1, "after end"}})).ok);
    ASSERT_EQ(db.DbRowCount(), 2);
    EXPECT_EQ(std::tuple(db.rows[0].comment, db.rows[0].Project), std::tuple(true, "% frame 40"));
    const CaseRow& r = db.rows[1];
    EXPECT_EQ(std::tuple(r.comment, r.Project, r.Ident, r.line), std::tuple(false, "", "F40-A", 2));
    EXPECT_EQ(FirstCaseRow(db), 1);
    std::string many;  // no "End" row, and more rows than a fixed table would hold
    for (int i = 0; i < 12000; ++i) many += CaseLine();
    ASSERT_TRUE(Parse(many).ok);
    EXPECT_EQ(db.rows.back().line, 12000);
    EXPECT_EQ(warnings, Texts{"t.velti: no \"End\" row; read to the end of the file"});
}

TEST_F(CaseDb, WholeNumbersRoundHalfToEvenAndCodesGiveTheProfiles) {
    for (const auto& [text, value] :
         {std::pair{"2.5", 2}, {"3.5", 4}, {"1,6", 2}, {"32767", 32767}, {"-32768", -32768}}) {
        ASSERT_TRUE(Parse(CaseLine({{2, text}})).ok) << text;
        EXPECT_EQ(CellOf(db.rows[0], "LoadCond"), value) << text;
    }
    const struct {
        const char *code, *dims;
        i16 kind, row;
        std::array<float, 4> dim;
    } cases[] = {{"LR", "200x90x9x14", kLTable, 16, {200, 90, 9, 14}},
                 {"LR", "123x45x6x7", kLTable, 0, {123, 45, 6, 7}},       // no row
                 {"LR", "250x90x12x12", kLTable, 27, {250, 90, 12, 12}},  // rows 27 and 28 differ in tf alone
                 {"LR", "250x90x12x13", kLTable, 28, {250, 90, 12, 13}},  // no tf matches: the last row
                 {"BF", "200x9", kBulb, 16, {200, 9, 0, 0}},
                 {"BF", "201x9", kBulb, 0, {201, 9, 0, 0}},
                 {"LW", "250x90x10x12.5", kLBuilt, 0, {250, 90, 10, 12.5f}},
                 {"TG", "300x100x10x15", kTBuilt, 0, {300, 100, 10, 15}},
                 {"FB", "180x10", kFbBuilt, 0, {180, 10, 0, 0}},
                 {"IG", "400x150x12x20", kIBuilt, 0, {400, 150, 12, 20}}};
    for (const auto& k : cases) {
        ASSERT_TRUE(Parse(CaseLine({{13, k.code}, {14, k.dims}, {15, "LG"}})).ok) << k.code << k.dims;
        const CaseRow& r = db.rows[0];
        EXPECT_EQ(std::tuple(r.StiffKind, r.StiffRow, r.StiffDim, r.GirdKind),
                  std::tuple(k.kind, k.row, k.dim, kLGirder))
            << k.dims;
    }
}

TEST_F(CaseDb, BadRowsNameTheLineAndTheCellAndLeaveThePreviousTable) {
    ASSERT_TRUE(Parse(CaseLine() + CaseLine({{1, "second"}}) + "End\r\n").ok);
    db.DbPath = "previous.velti";
    const std::tuple<int, const char*, int, const char*> cases[] = {
        // cell, text, decimal separator, message
        {22, "abc", 1, "t.velti: line 2, cell 23 (t): \"abc\" is not a number"},
        {5, "1e39", 0, "t.velti: line 2, cell 6 (Fyp): \"1e39\" is not a number"},
        {2, "32768", 0, "t.velti: line 2, cell 3 (LoadCond): \"32768\" is outside -32768 to 32767"},
        {12, "-40000", 0, "t.velti: line 2, cell 13 (EndOption): \"-40000\" is outside -32768 to 32767"},
        {13, "lr", 0,
         "t.velti: line 2, cell 14 (stiffener code): unknown stiffener code \"lr\" (LR, LW, TG, FB, BF or IG)"},
        {15, "IG", 0, "t.velti: line 2, cell 16 (girder code): unknown girder code \"IG\" (LG or TG)"},
        {14, "200x90x9", 0,
         "t.velti: line 2, cell 15 (stiffener dimensions): \"200x90x9\" needs 4 numbers joined by \"x\""},
        {16, "800x200x1ox20", 1, "t.velti: line 2, cell 17 (girder dimensions): \"1o\" is not a number"}};
    for (const auto& [cell, text, decSep, message] : cases)
        EXPECT_EQ(Parse("% ok\r\n" + CaseLine({{cell, text}}), decSep).message, message);
    EXPECT_EQ(Parse(CaseLine().substr(0, CaseLine().rfind('\t')) + "\r\n").message,
              "t.velti: line 1: a case row needs 32 cells, found 31");
    std::string commas = CaseLine();
    std::replace(commas.begin(), commas.end(), '\t', ',');
    EXPECT_EQ(Parse(commas).message,
              "t.velti: line 1: a case row needs 32 cells, found 1; cells are separated by TAB characters");
    EXPECT_EQ(Parse("% " + std::string(100000, 'a') + "\r\nEnd\r\n").message,
              "t.velti: line 1 is longer than 65536 characters");
    EXPECT_EQ(std::tuple(db.DbRowCount(), db.rows[1].Ident, db.DbPath), std::tuple(2, "second", "previous.velti"));
    EXPECT_TRUE(Parse("% " + std::string(65000, 'a') + "\r\n" + CaseLine({{32, "extra"}})).ok);
}

TEST_F(CaseDb, LoadingARowReplacesTheCaseAndRecalculatesIt) {
    Read("two_cases.velti");
    c.FileName = "frame40.velta";
    for (int row : {0, 3, -1}) EXPECT_FALSE(LoadDatabaseCase(c, tables, db, row, events)) << row;  // a comment, beyond
    EXPECT_EQ(c.Ident, "Test");
    CellOf(db.rows[1], "s1") = 4000;
    ASSERT_TRUE(LoadDatabaseCase(c, tables, db, 1, events));
    EXPECT_EQ(std::tuple(c.FileName, c.Ident, c.LRow, c.GirdKind, db.DbRow),
              std::tuple("frame40.velta", "F40-A", 16, kTGirder, 1));
    EXPECT_EQ((std::pair<int, int>(c.PlateGradeIndex, c.StiffGradeIndex)),
              std::pair(tables.Mat.count, tables.Mat.count));
    EXPECT_EQ(std::tuple(double(c.Fys), c.t.kind()),
              std::tuple(355.0, Real::Kind::Single));  // the row's, not the grade table's
    EXPECT_EQ(RunFault(c), "");
    EXPECT_EQ(events.texts, (Texts{" s1 <= L1  ", " s1 <= L2  "})) << "the span warnings reach the caller";
}

TEST_F(CaseDb, ResultLineCellsInTheirMasksAndPrecisions) {
    const Texts header = Split(ResultHeader(), "\t");
    ASSERT_EQ(header.size(), 44u);
    EXPECT_EQ(header[0] + header[10] + header[16] + header[17] + header[43], "Project:Stiffener:LgLgsUFys");
    EXPECT_EQ(ResultLineText(Loaded(), false, '.'),
              "Deck 3\tF40-A\tA\t1.43\t0.60\t235/400\t355/490\t2.06E+5\tTank bulkhead\t-\t Clip attachment\t0.80\t"
              "LR200x90x9.0x14.0\tTG800x200x10.0x20.0\t3000\t2500\t8000\t6000\t3000\t20\t625\t625\t"
              "-100.5\t-100\t-30\t-30\t40\t0.03\t0.03\t"
              "Buckling\t0.46\t0.50\t0.10\t0.76\t0.30\t0.20\t0.91\t"
              "Scant/Yield\t0.33\t0.45\t1.01\t0.4\t0.50\t0.60");
    const Texts faulted = Split(ResultLineText(c, true, '.'), "\t");  // inputs kept, no factor
    ASSERT_EQ(faulted.size(), 44u);
    for (int i = 0; i < 44; ++i) EXPECT_EQ(faulted[i] == "ERR", i == 11 || (i >= 30 && i != 37)) << i;
}

TEST_F(CaseDb, ResultLineChoicesProfilesWordsAndSeparators) {
    const Case loaded = Loaded();
    const struct {
        void (*set)(Case&);
        std::vector<int> at;
        const char* text;
        char sep = '.';
    } cases[] = {
        // UL shows for a watertight bulkhead only; the option's meaning turns over between the structure types.
        {[](Case& c) { c.LoadCond = 1, c.BulkheadType = 0, c.EndOption = 1, c.UL = 5; },
         {2, 8, 9, 10},
         "B|Watertight bulkhead|05| No end attachment"},
        {[](Case& c) { c.LoadCond = 2, c.EndOption = 1; },
         {2, 8, 9, 10},
         "C|Tank bulkhead|-| Supported at both ends by girder"},
        {[](Case& c) { c.LoadCond = -1, c.BulkheadType = 5, c.EndOption = 1; },
         {2, 8, 10},
         "C|Upper Structure| In way of tanks"},
        {[](Case& c) { c.StiffKind = kLBuilt, c.GirdKind = kLGirder; },
         {12, 13},
         "LW200x90x9.0x14.0|LG800x200x10.0x20.0"},
        {[](Case& c) { c.StiffKind = kFbBuilt; }, {12}, "Fb200x9.0"},
        {[](Case& c) { c.StiffKind = kTTable, c.GirdKind = 2; }, {12, 13}, "|"},
        {[](Case& c) { c.UFb = -99; }, {33, 34, 35}, "N/A|N/A|0.20"},  // no axial compression
        {[](Case& c) { c.UFb = -98.999; }, {33, 34}, "-99.00|0.30"},
        {[](Case& c) { c.UFb = std::numeric_limits<double>::infinity(); }, {33, 34}, "NOK|0.30"},  // fails as a column
        // Float inputs print with seven digits and the locale's separator; a computed double keeps fifteen.
        {[](Case& c) { c.SigxB = 0.1f, c.p = 0.0299999993f; }, {3, 12, 23, 27}, "1,43|LR200x90x9,0x14,0|0,1|0,03", ','},
        {[](Case& c) { c.p = 0.0299999993; }, {27}, "0.0299999993"}};
    for (const auto& k : cases) {
        Case d = loaded;
        k.set(d);
        const Texts all = Split(ResultLineText(d, false, k.sep), "\t");
        std::string text;
        for (size_t i = 0; i < k.at.size(); ++i) text += (i ? "|" : "") + all[k.at[i]];
        EXPECT_EQ(text, k.text);
    }
}

TEST_F(CaseDb, ResultTableRecalculatesEveryRowFromAFreshStart) {
    for (const auto& [in, out] : {std::pair{"deck.v2/frame40", "deck.v2/frame40.velto"},
                                  {"frame40.tab.txt", "frame40.tab.velto"},
                                  {"frame40.VELTI", "frame40.velto"}})
        EXPECT_EQ(ResultPath(in), out) << in;
    Read("two_cases.velti");
    ASSERT_TRUE(Write(dir / "both.velto").ok);
    const Texts lines = Lines(dir / "both.velto");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], ResultHeader());
    EXPECT_EQ(lines[1], "% Deck 3, frame 40: plate fields between girders");
    const Texts first = Split(lines[2], "\t"), second = Split(lines[3], "\t");
    ASSERT_EQ(first.size() + second.size(), 88u);
    EXPECT_EQ(first[12] + "|" + second[12] + "|" + second[13], "LR200x90x9.0x14.0|BF200x9.0|LG700x150x9.0x15.0");
    EXPECT_NE(second[30], first[30]);
    EXPECT_EQ(c.Ident, "F40-B") << "the case holds the last row afterwards";
    // The second case alone, after a fresh start, gives the same line: nothing of the first leaks into it.
    db.rows.erase(db.rows.begin() + 1);
    c = Case{};
    ASSERT_TRUE(Write(dir / "second.velto").ok);
    EXPECT_EQ(Lines(dir / "second.velto")[2], lines[3]);
    ASSERT_TRUE(Parse("End\r\n").ok);
    ASSERT_TRUE(Write(dir / "empty.velto").ok);
    EXPECT_EQ(Lines(dir / "empty.velto"), Texts{ResultHeader()});
}

TEST_F(CaseDb, AFaultedRowWritesErrorsAndAFailedWriteLeavesNoFile) {
    Read("one_fault.velti");
    ASSERT_TRUE(Write(dir / "out.velto").ok);
    const Texts lines = Lines(dir / "out.velto");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_NE(Split(lines[2], "\t")[30], "ERR");
    EXPECT_EQ(Split(lines[3], "\t")[30], "ERR") << "not the previous case's numbers";
    fs::create_directory(dir / "taken.velto");
    EXPECT_FALSE(Write(dir / "taken.velto").ok);
    EXPECT_TRUE(fs::is_directory(dir / "taken.velto"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2) << "a temporary file was left";
}

// Exit codes, the summary line on stdout and one line on stderr per fault or warning.
TEST_F(CaseDb, BatchCommand) {
    const std::string d = dir.string() + "/", data = VELTAR_DATA_DIR, two = kFixtures + "two_cases.velti";
    const std::string usage =
        "usage: veltar-cli batch FILE.velti|- [-o OUT|-] [--format velto|csv|jsonl] [--jobs N] [--data DIR]\n";
    fs::copy_file(two, d + "t.velti");
    fs::resize_file(d + "t.velti", fs::file_size(d + "t.velti") - 5);  // without its "end\r\n"
    {
        std::ifstream in(two, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), {});
        std::replace(text.begin(), text.end(), '\t', ',');  // as a spreadsheet's CSV export
        std::ofstream(d + "commas.velti", std::ios::binary) << text;
    }
    const struct {
        Texts args;
        int code;
        std::string out, err;
    } runs[] = {
        {{two, "-o", d + "r.velto", "--data", data}, cli::kExitOk, d + "r.velto: 3 rows, 2 cases, 0 faulted, ", ""},
        {{kFixtures + "one_fault.velti", "-o", d + "r.velto", "--data", data},
         cli::kExitOk,
         d + "r.velto: 3 rows, 2 cases, 1 faulted, ",
         "veltar-cli: " + kFixtures + "one_fault.velti: line 3 (F40-T0): "},
        {{d + "t.velti", "--data", data},
         cli::kExitOk,
         d + "t.velto: ",
         "veltar-cli: warning: " + d + "t.velti: no \"End\" row"},
        {{d + "none.velti", "--data", data},
         cli::kExitFileError,
         "",
         "veltar-cli: can't find file - " + d + "none.velti\n"},
        {{two, "--data", d}, cli::kExitFileError, "", "veltar-cli: "},
        {{d + "commas.velti", "--data", data},
         cli::kExitFileError,
         "",
         "veltar-cli: " + d +
             "commas.velti: line 2: a case row needs 32 cells, found 1; cells are separated by TAB "
             "characters\n"},
        {{two, "-o", d + "no/r.velto", "--data", data},
         cli::kExitFileError,
         "",
         "veltar-cli: can't save file - " + d + "no/r.velto"},
        {{d + "t.velti", "--format", "csv", "--jobs", "2", "--data", data},
         cli::kExitOk,
         d + "t.csv: ",
         "veltar-cli: "},
        {{two, "-o", two, "--data", data},
         cli::kExitFileError,
         "",
         "veltar-cli: the result table " + two + " would replace the case table " + two + "\n"},
        // A wrong word is named before the usage.
        {{"a.velti", "--format", "xls"},
         cli::kExitUsage,
         "",
         "veltar-cli: --format: \"xls\" is not velto, csv or jsonl\n"},
        {{"a.velti", "--jobs", "0"},
         cli::kExitUsage,
         "",
         "veltar-cli: --jobs: \"0\" is not a whole number from 1 to 64\n"},
        {{}, cli::kExitUsage, "", "veltar-cli: no case table named\n" + usage},
        {{"a.velti", "-o"}, cli::kExitUsage, "", "veltar-cli: -o needs a value\n" + usage},
        {{"a.velti", "b.velti"}, cli::kExitUsage, "", "veltar-cli: a second file b.velti (only one is read)\n" + usage},
        {{"a.velti", "--fast"}, cli::kExitUsage, "", "veltar-cli: unknown option --fast\n" + usage}};
    for (auto k : runs) {
        std::vector<char*> argv;
        for (std::string& a : k.args) argv.push_back(a.data());
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(cli::RunBatch(static_cast<int>(argv.size()), argv.data()), k.code) << k.err;
        const std::string out = ::testing::internal::GetCapturedStdout(),
                          err = ::testing::internal::GetCapturedStderr();
        EXPECT_TRUE(out.starts_with(k.out) && err.starts_with(k.err)) << out << err;
        EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), k.code == cli::kExitOk ? 1 : 0) << out;
        if (k.code != cli::kExitUsage) {  // a usage error prints the usage after its line
            EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), k.err.empty() ? 0 : 1) << err;
        }
        EXPECT_TRUE(k.code != cli::kExitOk || fs::exists(k.out.substr(0, k.out.find(": ")))) << k.out;
    }
}

// The result is written while the rows are read: a row that cannot be read after
// many were written still leaves the earlier result table whole, with no temporary file.
TEST_F(CaseDb, ABatchStoppedByABadRowKeepsTheEarlierResultTable) {
    const std::string table = d() + "late.velti", result = d() + "late.velto";
    {
        std::ofstream out(table, std::ios::binary);
        for (int i = 0; i < 3000; ++i) out << CaseLine();
        out << "Deck 3\tshort\r\nEnd\r\n";
    }
    std::ofstream(result, std::ios::binary) << "earlier";
    std::string data = VELTAR_DATA_DIR, in = table, jobs = "2";
    char* argv[] = {in.data(), const_cast<char*>("--jobs"), jobs.data(), const_cast<char*>("--data"), data.data()};
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(cli::RunBatch(5, argv), cli::kExitFileError);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "veltar-cli: " + table + ": line 3001: a case row needs 32 cells, found 2\n");
    std::ifstream kept(result, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "earlier");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2) << "a temporary file was left";
}

}  // namespace
}  // namespace veltar

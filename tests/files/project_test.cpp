// The project file: line format and each value's precision, the extension rule, failed
// saves, older and edited files, row lookup, refused files, and the shipped examples.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "files/datatables.h"
#include "files/projectfile.h"
#include "files/projectlayout.h"

namespace veltar {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const std::string& path) {
    return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
}

std::vector<std::string> CrLfLines(std::string text) {
    std::vector<std::string> lines;
    for (size_t end; (end = text.find("\r\n")) != std::string::npos; text.erase(0, end + 2))
        lines.push_back(text.substr(0, end));
    return lines;
}

std::string Join(const std::vector<std::string>& lines, const char* end = "\r\n") {
    std::string text;
    for (const auto& l : lines) text += l + end;
    return text;
}

// A version-150 file: no girder kind, L2 to Lt, ps or girder dimensions.
const std::vector<std::string> kOldLines = {
    "150", "\"Old\"", "\"Case\"", "1",   "2",     "3",    "4",   "0",      "1",   "5",   "2",      "0",    "1",
    "65",  "1.11",    "0.8",      "315", "440",   "235",  "400", "206000", "700", "650", "2850.3", "14.5", "-120",
    "-90", "-20",     "-15",      "25",  "0.045", "4000", "250", "90",     "11",  "16",  "0",      "0"};

class ProjectFile : public ::testing::Test {
protected:
    // Four grades, the last user-defined; table rows are set where they matter.
    ProjectFile() { fs::remove_all(dir_), fs::create_directories(dir_), tables_.Mat.count = 3; }
    ~ProjectFile() override { fs::permissions(dir_, fs::perms::owner_all), fs::remove_all(dir_); }
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
    Status Open(const std::string& text, Case& c) {
        std::ofstream(PathOf("in.velta"), std::ios::binary) << text;
        return ReadProjectFile(c, tables_, PathOf("in.velta"));
    }
    std::vector<std::string> LinesOf(Case c) {
        std::string path = PathOf("base.velta");
        EXPECT_TRUE(WriteProjectFile(c, path).ok);
        return CrLfLines(ReadAll(path));
    }
    fs::path dir_ =
        ::testing::TempDir() + "veltar_files_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    Tables tables_;
};

TEST_F(ProjectFile, EachValueInItsOwnPrecision) {
    Case c;
    c.Project = "He said \"no\"";  // a quote would end the text early
    c.Ident = "two\r\nlines";
    c.s1 = Real(612.5f), c.s2 = Real(1.0 / 3.0), c.L1 = Real(1.0f / 3.0f);  // typed floats, a computed double
    c.SigxA = Real(-1.234567e7f), c.p = -Real(0.05f), c.FS = 1.2f;          // SigxA needs the exponent form
    const auto lines = LinesOf(c);
    ASSERT_EQ(lines.size(), 48u);
    EXPECT_EQ(Join(lines), ReadAll(PathOf("base.velta"))) << "every line ends in CR LF";
    const std::pair<int, const char*> expected[] = {
        {1, "180"},         {2, "\"He said 'no'\""},    {3, "\"two  lines\""}, {16, "1.2"}, {22, "206000"},
        {23, "612.5"},      {24, "0.3333333333333333"},  // 15 digits read another
        {25, "0.33333334"},                              // and 7 another float
        {26, "2500"},       {31, "-1.234567E+07"},      {36, "-0.05"},         {37, "0.03"}};
    for (const auto& [line, value] : expected) EXPECT_EQ(lines[line - 1], value) << "line " << line;
}

// The unsaved-changes mark compares these texts: only what the file holds counts.
TEST_F(ProjectFile, FileTextChangesWithWhatTheFileHolds) {
    Case c;
    const std::string base = ProjectFileText(c);
    EXPECT_EQ(base, Join(LinesOf(c)));
    const struct {
        const char* what;
        void (*change)(Case&);
        bool differs;
    } cases[] = {
        {"typed plate thickness", [](Case& c) { c.t = Real(18.0f); }, true},
        {"the same value typed", [](Case& c) { c.t = Real(20.0f); }, false},
        {"identification", [](Case& c) { c.Ident = "F40-B"; }, true},
        {"check mode (not in the file)", [](Case& c) { c.CheckMode = 3; }, false},
        {"a result", [](Case& c) { c.UFpb = 2; }, false},
        {"a value that can't be written", [](Case& c) { c.s1 = Real(std::numeric_limits<double>::quiet_NaN()); }, true},
    };
    for (const auto& k : cases) {
        Case d;
        k.change(d);
        EXPECT_EQ(ProjectFileText(d) != base, k.differs) << k.what;
    }
}

TEST_F(ProjectFile, KvtAndHlmFilesAreSavedAsKvrt) {
    // Every ".kvt" in the name; ".hlm" only without ".kvt"; folders keep their names.
    fs::create_directories(dir_ / "proj.kvt"), fs::create_directories(dir_ / "x.hlm.d");
    for (const auto& [given, saved] : {std::pair{"a.hlm", "a.kvrt"},
                                       {"a.kvt.hlm", "a.kvrt.hlm"},
                                       {"proj.kvt/a.velta", "proj.kvt/a.velta"},
                                       {"proj.kvt/b.kvt", "proj.kvt/b.kvrt"},
                                       {"x.hlm.d/a.kvt.kvt", "x.hlm.d/a.kvrt.kvrt"},
                                       {"a.KVT", "a.KVT"}}) {
        Case c;
        std::string path = PathOf(given);
        EXPECT_TRUE(WriteProjectFile(c, path).ok && path == PathOf(saved) && fs::exists(path))
            << given << " as " << path;
    }
}

TEST_F(ProjectFile, ASaveKeepsThePermissionsAndAFailedOneTheOldFile) {
    std::string path = PathOf("old.velta");
    std::ofstream(path) << "old";
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, perms);
    Case old, infinite, tooLong;
    ASSERT_TRUE(WriteProjectFile(old, path).ok);
    EXPECT_EQ(fs::status(path).permissions(), perms);
    const std::string before = ReadAll(path);
    infinite.StiffAx = Real(std::numeric_limits<double>::infinity());
    tooLong.Project.assign(5000, 'x');  // longer than a reader accepts
    for (auto [c, name, reason] : {std::tuple{infinite, "old.velta", ": stiffener area is not a finite number"},
                                   {tooLong, "old.velta", ": project name is longer than 4094 characters"},
                                   {Case{}, "no/a.velta", ": No such file or directory"}}) {
        std::string at = PathOf(name);
        EXPECT_EQ(WriteProjectFile(c, at).message, "can't save file - " + at + reason);
        EXPECT_EQ(c.FileName, "New File");
    }
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    const bool denied = access(dir_.c_str(), W_OK) != 0;  // not with rights that ignore them: then it saves
    EXPECT_EQ(WriteProjectFile(old, path).message, denied ? "can't save file - " + path + ": Permission denied" : "");
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1) << "a temporary file was left";
}

TEST_F(ProjectFile, OlderFileGetsTheMissingValues) {
    Case c;
    c.GirdKind = kLGirder;
    // As an editor may leave it: a byte order mark, LF line ends, blank lines and no last line end.
    ASSERT_TRUE(Open("\xEF\xBB\xBF" + Join(kOldLines, "\n") + "\n  ", c).ok);
    EXPECT_EQ(c.GirdKind, kTGirder);
    EXPECT_EQ(double(c.Lg), 3 * 2850.3);
    EXPECT_EQ(c.Lgs, static_cast<float>(0.6 * (3 * 2850.3)));  // in double, rounded once
    EXPECT_EQ(c.p.kind(), Real::Kind::Double);
    EXPECT_EQ(double(c.ps), -0.045);
    EXPECT_EQ(c.TbTf, 16.0f) << "kind 3 remembers its dimensions for the dialog";
}

TEST_F(ProjectFile, TableProfileFindsTheLastMatchingRowOrKeepsItsOwn) {
    tables_.L.row = {{{100, 75, 7, 7}, {150, 90, 9, 12}, {150, 90, 9, 14}, {200, 100, 10, 10}, {250, 90, 10, 15}}};
    tables_.T.row = {{{80, 82, 5, 7.4f}, {200, 100, 8, 12}}};
    tables_.Fb.row[1] = {120, 9}, tables_.BF.row[1] = {160, 8, 22, 6, 1560};
    tables_.L.count = 3, tables_.T.count = tables_.Fb.count = tables_.BF.count = 1;
    const struct {
        i16 kind;
        double H, B, tw, tf;
        i16 stored, expected;
    } cases[] = {// Rows 1 and 2 match: the later wins unless the stored row is one of them; no row: the stored row
                 // stays; the last row counts; beyond it none.
                 {kLTable, 150, 90, 9, 0, 0, 2},   {kLTable, 150, 90, 9, 12, 1, 1},
                 {kLTable, 150, 91, 9, 12, 3, 3},  {kLTable, 200, 100, 10, 10, 0, 3},
                 {kLTable, 250, 90, 10, 15, 1, 1}, {kTTable, 200, 100, 8, 12, 0, 1},
                 {kTTable, 200, 100, 8, 13, 0, 0},  // T compares tf too
                 {kTTable, 80, 82, 5, 7.4, 1, 1},  {kFbTable, 120, 0, 9, 0, 0, 1},
                 {kBulb, 160, 0, 8, 0, 0, 1}};  // 7.4 is no 7.4f
    for (const auto& k : cases) {
        Case w, c;
        w.StiffKind = k.kind, w.LRow = w.TRow = w.FbRow = w.BFRow = k.stored;
        w.StiffH = Real(k.H), w.StiffB = Real(k.B), w.StiffTw = Real(k.tw), w.StiffTf = Real(k.tf);
        ASSERT_TRUE(Open(Join(LinesOf(w)), c).ok);
        const i16 rows[] = {c.LRow, 0, c.TRow, 0, c.FbRow, 0, c.BFRow};  // by table kind 0, 2, 4, 6
        EXPECT_EQ(rows[k.kind], k.expected) << "kind " << k.kind << " H " << k.H << " tf " << k.tf;
    }
}

TEST_F(ProjectFile, BadFileNamesTheLineAndLeavesTheCaseUntouched) {
    const std::string longLine(kMaxProjectLineBytes + 1, 'x');
    // Line replaced (0: cut after it), text, error ("": the largest values, blanks and a sign are read).
    const std::tuple<int, const char*, const char*> cases[] = {
        {4, "3", ""},
        {6, "9", ""},
        {7, "60", ""},
        {11, "1", ""},
        {13, "2", ""},
        {23, " +.5e3 ", ""},
        {23, "abc", "line 23: not a number: \"abc\""},
        {23, "inf", "line 23: not a number: \"inf\""},
        {23, "1e400", "line 23: number out of range: \"1e400\""},
        {16, "1e39", "line 16: number out of range: \"1e39\""},  // a float field
        {1, "version", "line 1: not a project file version: \"version\""},
        {4, "4", "line 4: plate material grade out of range: 4 (allowed 0 to 3)"},
        {8, "61", "line 8: L table row out of range: 61 (allowed 0 to 60)"},
        {11, "2", "line 11: girder kind out of range: 2 (allowed 1 or 3)"},
        {12, "1.5", "line 12: not a whole number: \"1.5\""},
        {12, "32768", "line 12: whole number out of range: \"32768\""},
        {2, longLine.c_str(), "line 2: line too long"},
        {0, "30", "line 31: the file ends early"},
        {49, "x", "line 49: unexpected text after the last value: \"x\""}};
    const auto good = LinesOf(Case{});
    Case before, w;
    before.s1 = Real(700.5f), before.FileName = "/jobs/current.velta";
    for (const auto& [line, text, error] : cases) {
        auto lines = good;
        if (line == 0)
            lines.resize(std::stoul(text));
        else
            lines.resize(std::max<size_t>(line, lines.size())), lines[line - 1] = text;
        Case c = before;
        const Status s = Open(Join(lines), c);
        EXPECT_EQ(s.message, *error ? PathOf("in.velta") + ", " + error : "") << text;
        EXPECT_EQ(c.s1.kind(), s.ok ? Real::Kind::Double : Real::Kind::Single) << "a refused file changes nothing";
        EXPECT_EQ(c.FileName, s.ok ? PathOf("in.velta") : before.FileName);
    }
    auto old = kOldLines;
    old[23] = "2e38";  // L1: 0.6 * 3 * L1 is no float
    EXPECT_EQ(Open(Join(old), w).message,
              PathOf("in.velta") + ", line 24: L1 too large to derive the girder spans from");
    EXPECT_EQ(ReadProjectFile(w, tables_, PathOf("none.velta")).message, "can't find file - " + PathOf("none.velta"));
    EXPECT_EQ(Open(std::string(kMaxProjectFileBytes + 1, '\n'), w).message,
              PathOf("in.velta") + ": not a project file (larger than 64 KiB)");
}

TEST_F(ProjectFile, ExamplesOpenAndSaveUnchanged) {
    ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables_).ok);
    for (const char* name : {"default.velta", "bulbflat.velta", "upper-structure-T.velta"}) {
        Case c;
        std::string copy = PathOf(name), shipped = std::string(VELTAR_EXAMPLES) + "/" + name;
        ASSERT_TRUE(ReadProjectFile(c, tables_, shipped).ok) << name;
        ASSERT_TRUE(WriteProjectFile(c, copy).ok);
        EXPECT_EQ(ReadAll(copy), ReadAll(shipped)) << name;
    }
}

}  // namespace
}  // namespace veltar

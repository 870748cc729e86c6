// Opening: older files and their fill-ins, finding table rows again, the dimension
// memory of the dialogs, and files that must be refused without touching the case.
#include "files/projectfile.h"
#include "files/projectlayout.h"
#include "test_support.h"

namespace veltar {
namespace {

using test::JoinCrLf;

// A version-150 file: no girder kind, L2 to Lt, ps or girder dimensions.
std::vector<std::string> OldLines() {
    return {"150", "\"Old\"", "\"Case\"", "1", "2", "3", "4", "0", "1", "5",        // .. FbRow
            "2", "0", "1", "65", "1.11", "0.8", "315", "440", "235", "400", "206000",  // LoadCond .. E
            "700", "650", "2850.3", "14.5", "-120", "-90", "-20", "-15", "25", "0.045",  // s1 .. p
            "4000", "250", "90", "11", "16", "0", "0"};                               // StiffAx .. StiffC
}

class ProjectRead : public test::ScratchDir {
protected:
    Status Open(const std::string& text, Case& c) {
        test::WriteAll(PathOf("in.velta"), text);
        return ReadProjectFile(c, tables_, PathOf("in.velta"));
    }
    std::vector<std::string> LinesOf(Case c) {
        std::string path = PathOf("base.velta");
        EXPECT_TRUE(WriteProjectFile(c, path).ok);
        return test::CrLfLines(test::ReadAll(path));
    }
    Tables tables_ = test::SmallTables();
};

TEST_F(ProjectRead, OlderFileGetsTheMissingValues) {
    Case c;
    c.GirdKind = kLGirder;
    const Status s = Open(JoinCrLf(OldLines()), c);
    ASSERT_TRUE(s.ok) << s.message;
    EXPECT_EQ(c.FS, 1.11f);
    EXPECT_EQ(c.GirdKind, kTGirder);
    EXPECT_EQ(double(c.L2), 2850.3);
    EXPECT_EQ(double(c.Lg), 3 * 2850.3);
    EXPECT_EQ(c.Lgs, static_cast<float>(0.6 * (3 * 2850.3)));  // in double, rounded once
    EXPECT_EQ(double(c.Lt), 3000.0);
    EXPECT_EQ(double(c.t), 14.5);
    EXPECT_EQ(double(c.p), -0.045);
    EXPECT_EQ(c.p.kind(), Real::Kind::Double);
    EXPECT_EQ(double(c.ps), -0.045);
    EXPECT_EQ(double(c.StiffTf), 16.0);
    EXPECT_EQ(double(c.GirdH) + double(c.GirdB) + double(c.GirdTw), 1010.0);
    EXPECT_EQ(c.GirdTf, 20.0f);
    EXPECT_EQ(c.TbTf, 16.0f) << "kind 3 remembers its dimensions for the dialog";
}

TEST_F(ProjectRead, AcceptsEveryFormTheProgramCanWriteOrAnEditorLeave) {
    const auto lines = LinesOf(Case{});
    std::string lf;
    for (const auto& l : lines) lf += l + "\n";
    auto edited = lines;
    const std::pair<int, const char*> edits[] = {{4, "3"}, {6, "9"}, {7, "60"}, {11, "1"}, {13, "2"}, {23, " +.5e3 "}};
    for (const auto& [line, text] : edits) edited[line - 1] = text;
    const std::string texts[] = {lf, lf + "\n\n  \n", "\xEF\xBB\xBF" + JoinCrLf(lines), lf.substr(0, lf.size() - 1),
                                 JoinCrLf(edited)};
    for (const auto& text : texts) {
        Case c;
        c.Project = "before";
        const Status s = Open(text, c);
        EXPECT_TRUE(s.ok) << s.message;
        EXPECT_EQ(c.Project, "Project");
    }
}

TEST_F(ProjectRead, TableProfileFindsTheLastMatchingRowOrKeepsItsOwn) {
    struct {
        i16 kind;
        double H, B, tw, tf;
        i16 stored, expected;
    } cases[] = {
        {kLTable, 150, 90, 9, 0, 0, 2},     // rows 1 and 2 match: the later wins
        {kLTable, 150, 91, 9, 12, 3, 3},    // no row: the stored row stays
        {kLTable, 200, 100, 10, 10, 0, 3},  // the last row counts
        {kLTable, 250, 90, 10, 15, 1, 1},   // a row beyond the count is not a row
        {kTTable, 200, 100, 8, 12, 0, 1},
        {kTTable, 200, 100, 8, 13, 0, 0},   // T compares tf too
        {kTTable, 80, 82, 5, 7.4, 1, 1},    // 7.4 is not the table's float 7.4f
        {kFbTable, 120, 0, 9, 0, 0, 1},
        {kBulb, 160, 0, 8, 0, 0, 1},
    };
    for (const auto& k : cases) {
        Case w;
        w.StiffKind = k.kind;
        w.StiffH = Real(k.H);
        w.StiffB = Real(k.B);
        w.StiffTw = Real(k.tw);
        w.StiffTf = Real(k.tf);
        w.LRow = w.TRow = w.FbRow = w.BFRow = k.stored;
        Case c;
        ASSERT_TRUE(Open(JoinCrLf(LinesOf(w)), c).ok);
        const i16 rows[] = {c.LRow, 0, c.TRow, 0, c.FbRow, 0, c.BFRow};  // by table kind 0, 2, 4, 6
        EXPECT_EQ(rows[k.kind], k.expected) << "kind " << k.kind << " H " << k.H << " tf " << k.tf;
    }
}

TEST_F(ProjectRead, BuiltUpKindsAndGirderFillTheirDialogMemoryOnly) {
    Case w;
    w.StiffH = Real(310.0);
    w.StiffB = Real(120.0);
    w.StiffTw = Real(11.5);
    w.StiffTf = Real(17.25);
    w.StiffC = Real(40.0);
    w.GirdKind = kLGirder;
    w.GirdH = Real(900.0);
    for (i16 kind : {kLBuilt, kTBuilt, kFbBuilt, kRhs, kTrapezoid, kIBuilt}) {
        w.StiffKind = kind;
        Case c;
        const Case d;
        ASSERT_TRUE(Open(JoinCrLf(LinesOf(w)), c).ok);
        EXPECT_EQ(c.LbTf, kind == kLBuilt ? 17.25f : d.LbTf) << kind;
        EXPECT_EQ(c.TbH, kind == kTBuilt ? 310.0 : d.TbH) << kind;
        EXPECT_EQ(c.IbB, kind == kIBuilt ? 120.0 : d.IbB) << kind;
        EXPECT_EQ(c.FbbTw, kind == kFbBuilt ? 11.5f : d.FbbTw) << kind;
        EXPECT_EQ(c.RhsTw, kind == kRhs ? 11.5f : d.RhsTw) << kind;
        EXPECT_EQ(c.TrapA, kind == kTrapezoid ? 40.0 : d.TrapA) << kind;
        EXPECT_EQ(c.GlH, 900.0);
        EXPECT_EQ(c.GtH, d.GtH) << "the T girder keeps its own dimensions";
    }
}

TEST_F(ProjectRead, BadFileNamesTheLineAndLeavesTheCaseUntouched) {
    const std::string longLine(kMaxProjectLineBytes + 1, 'x');
    const std::tuple<int, const char*, const char*> cases[] = {  // line replaced (0: cut after), text, error
        {23, "abc", "line 23: not a number: \"abc\""},
        {23, "", "line 23: not a number: \"\""},
        {23, "inf", "line 23: not a number: \"inf\""},
        {23, "1e400", "line 23: number out of range: \"1e400\""},
        {16, "1e39", "line 16: number out of range: \"1e39\""},
        {1, "version", "line 1: not a project file version: \"version\""},
        {4, "4", "line 4: plate material grade out of range: 4 (allowed 0 to 3)"},
        {5, "-1", "line 5: stiffener material grade out of range: -1 (allowed 0 to 3)"},
        {6, "10", "line 6: stiffener kind out of range: 10 (allowed 0 to 9)"},
        {8, "61", "line 8: L table row out of range: 61 (allowed 0 to 60)"},
        {11, "2", "line 11: girder kind out of range: 2 (allowed 1 or 3)"},
        {12, "3", "line 12: loading condition out of range: 3 (allowed 0 to 2)"},
        {14, "2", "line 14: end attachment option out of range: 2 (allowed 0 to 1)"},
        {12, "1.5", "line 12: not a whole number: \"1.5\""},
        {12, "32768", "line 12: whole number out of range: \"32768\""},
        {2, longLine.c_str(), "line 2: line too long"},
        {49, "x", "line 49: unexpected text after the last value: \"x\""},
        {0, "30", "line 31: the file ends early"},
    };
    const auto good = LinesOf(Case{});
    Case before;
    before.s1 = Real(700.5f);
    before.FileName = "/jobs/current.velta";
    for (const auto& [line, text, error] : cases) {
        auto lines = good;
        if (line == 0) lines.resize(std::stoul(text));
        else if (line > int(lines.size())) lines.push_back(text);
        else lines[line - 1] = text;
        Case c = before;
        EXPECT_EQ(Open(JoinCrLf(lines), c).message, PathOf("in.velta") + ", " + error);
        EXPECT_EQ(c.Project, before.Project);
        EXPECT_EQ(double(c.s1), 700.5);
        EXPECT_EQ(c.s1.kind(), Real::Kind::Single);
        EXPECT_EQ(c.FileName, before.FileName);
    }
}

TEST_F(ProjectRead, ValuesBeyondTheirFloatFieldsAreRefused) {
    auto old = OldLines();
    old[23] = "2e38";  // L1: 0.6 * 3 * L1 is no float
    Case c;
    EXPECT_EQ(Open(JoinCrLf(old), c).message,
              PathOf("in.velta") + ", line 24: L1 too large to derive the girder spans from");
    Case w;
    w.StiffKind = kIBuilt;
    w.StiffTf = Real(1e39);
    EXPECT_EQ(Open(JoinCrLf(LinesOf(w)), c).message,
              PathOf("in.velta") + ", line 42: dimension too large for a built-up profile");
}

TEST_F(ProjectRead, MissingOversizedAndNonRegularFiles) {
    Case c;
    EXPECT_EQ(ReadProjectFile(c, tables_, PathOf("none.velta")).message, "can't find file - " + PathOf("none.velta"));
    EXPECT_EQ(ReadProjectFile(c, tables_, dir_.string()).message, dir_.string() + ": not a project file (not a regular file)");
    EXPECT_EQ(Open(std::string(kMaxProjectFileBytes + 1, '\n'), c).message,
              PathOf("in.velta") + ": not a project file (larger than 64 KiB)");
    EXPECT_EQ(c.FileName, "New File");
}

}  // namespace
}  // namespace veltar

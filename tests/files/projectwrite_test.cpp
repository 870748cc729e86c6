// Saving: the line format, each value in its own precision, the extension rule, and
// that a save which fails leaves the file that was there as it was.
#include <unistd.h>

#include "files/projectfile.h"
#include "test_support.h"

namespace veltar {
namespace {

using test::CrLfLines;
using test::ReadAll;
namespace fs = std::filesystem;

class ProjectWrite : public test::ScratchDir {};

Case TypedCase() {
    Case c;
    c.Project = "Jacket leg";
    c.s1 = Real(612.5f);            // typed: a float
    c.s2 = Real(1.0 / 3.0);         // computed: a double
    c.L1 = Real(1.0f / 3.0f);       // typed
    c.SigxA = Real(-1.234567e7f);   // needs the exponent form
    c.p = -Real(0.05f);
    c.FS = 1.2f;
    c.StiffKind = kTBuilt;
    c.LoadCond = 1;
    return c;
}

TEST_F(ProjectWrite, WritesFortyEightCrLfLinesEachInItsOwnPrecision) {
    Case c = TypedCase();
    std::string path = PathOf("a.velta");
    ASSERT_TRUE(WriteProjectFile(c, path).ok);
    const std::string text = ReadAll(path);
    ASSERT_TRUE(text.ends_with("\r\n"));
    const auto lines = CrLfLines(text);
    ASSERT_EQ(lines.size(), 48u);
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
    struct {
        int line;
        const char* text;
    } expected[] = {
        {1, "180"},         {2, "\"Jacket leg\""}, {3, "\"Test\""},  {6, "3"},   {11, "3"},
        {12, "1"},          {15, "65"},            {16, "1.2"},      {17, "0.6"}, {22, "206000"},
        {23, "612.5"},      {24, "0.333333333333333"},               {25, "0.3333333"},
        {26, "2500"},       {28, "6000"},          {31, "-1.234567E+07"}, {32, "-100"},
        {36, "-0.05"},      {37, "0.03"},
    };
    for (const auto& e : expected) EXPECT_EQ(lines[e.line - 1], e.text) << "line " << e.line;
    EXPECT_EQ(c.FileName, path);
}

TEST_F(ProjectWrite, WhatIsWrittenReadsBackAsTheSameInputs) {
    Case c = TypedCase();
    c.GirdKind = kLGirder;
    c.GirdTf = 22.5f;
    c.Ident = "";
    std::string path = PathOf("b.velta");
    ASSERT_TRUE(WriteProjectFile(c, path).ok);
    Case back;
    const Status s = ReadProjectFile(back, test::SmallTables(), path);
    ASSERT_TRUE(s.ok) << s.message;
    EXPECT_EQ(back.Project, "Jacket leg");
    EXPECT_EQ(back.Ident, "");
    EXPECT_EQ(back.LoadCond, 1);
    EXPECT_EQ(back.GirdKind, kLGirder);
    EXPECT_EQ(double(back.s1), 612.5);
    EXPECT_EQ(double(back.s2), 0.333333333333333);  // to the 15 digits written
    EXPECT_EQ(double(back.L1), 0.3333333);
    EXPECT_EQ(back.FS, 1.2f);
    EXPECT_EQ(double(back.p), -0.05) << "a float comes back as the decimal written for it";
    EXPECT_EQ(back.GirdTf, 22.5f);
    EXPECT_EQ(back.GlTf, 22.5f);
    EXPECT_EQ(back.FileName, path);
}

TEST_F(ProjectWrite, ExtensionRuleRenamesKvtAndHlmFiles) {
    struct {
        const char* given;
        const char* saved;
    } cases[] = {
        {"a.kvt", "a.kvrt"},
        {"a.hlm", "a.kvrt"},
        {"a.kvt.hlm", "a.kvrt.hlm"},          // ".kvt" first, then ".hlm" is left alone
        {"x.kvt.d/a.kvt", "x.kvrt.d/a.kvrt"},  // the whole path, every occurrence
        {"a.KVT", "a.KVT"},                    // case-sensitive
        {"a.velta", "a.velta"},
    };
    fs::create_directories(dir_ / "x.kvrt.d");
    for (const auto& k : cases) {
        Case c;
        std::string path = PathOf(k.given);
        const Status s = WriteProjectFile(c, path);
        ASSERT_TRUE(s.ok) << s.message;
        EXPECT_EQ(path, PathOf(k.saved));
        EXPECT_EQ(c.FileName, PathOf(k.saved));
        EXPECT_TRUE(fs::exists(PathOf(k.saved))) << k.saved;
    }
}

TEST_F(ProjectWrite, TextsKeepTheOneValueLineFormat) {
    Case c;
    c.Project = "He said \"no\"";
    c.Ident = "two\r\nlines";
    std::string path = PathOf("q.velta");
    ASSERT_TRUE(WriteProjectFile(c, path).ok);
    const auto lines = CrLfLines(ReadAll(path));
    ASSERT_EQ(lines.size(), 48u);
    EXPECT_EQ(lines[1], "\"He said 'no'\"");
    EXPECT_EQ(lines[2], "\"two  lines\"");
    Case back;
    ASSERT_TRUE(ReadProjectFile(back, test::SmallTables(), path).ok);
    EXPECT_EQ(back.Project, "He said 'no'");
}

TEST_F(ProjectWrite, ReplacingAFileKeepsItsPermissionsAndLeavesNoTemporaryFile) {
    std::string path = PathOf("p.velta");
    test::WriteAll(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    Case c;
    ASSERT_TRUE(WriteProjectFile(c, path).ok);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

class FailedSave : public test::ScratchDir {
protected:
    // A valid file that a failed save must leave as it is.
    std::string OldFile() {
        std::string path = PathOf("old.velta");
        Case c;
        EXPECT_TRUE(WriteProjectFile(c, path).ok);
        old_ = ReadAll(path);
        return path;
    }
    void ExpectOldFileIntact(const std::string& path) {
        EXPECT_EQ(ReadAll(path), old_);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1) << "temporary file left";
    }
    std::string old_;
};

TEST_F(FailedSave, TargetIsAFolder) {
    fs::create_directories(dir_ / "folder.velta");
    Case c;
    std::string path = PathOf("folder.velta");
    const Status s = WriteProjectFile(c, path);
    EXPECT_FALSE(s.ok);
    EXPECT_EQ(s.message.rfind("can't save file - " + path, 0), 0u) << s.message;
    EXPECT_EQ(c.FileName, "New File");
}

TEST_F(FailedSave, FolderMissing) {
    Case c;
    std::string path = PathOf("missing/a.velta");
    const Status s = WriteProjectFile(c, path);
    EXPECT_EQ(s.message, "can't save file - " + path + ": No such file or directory");
}

TEST_F(FailedSave, ValueThatCannotBeReadBackLeavesTheOldFile) {
    const std::string path = OldFile();
    Case c;
    c.FileName = "elsewhere.velta";
    c.StiffAx = Real(std::numeric_limits<double>::infinity());
    std::string target = path;
    const Status s = WriteProjectFile(c, target);
    EXPECT_EQ(s.message, "can't save file - " + path + ": stiffener area is not a finite number");
    EXPECT_EQ(c.FileName, "elsewhere.velta");
    ExpectOldFileIntact(path);
}

TEST_F(FailedSave, TextTooLongForTheReaderLeavesTheOldFile) {
    const std::string path = OldFile();
    Case c;
    c.Project.assign(5000, 'x');
    std::string target = path;
    EXPECT_FALSE(WriteProjectFile(c, target).ok);
    ExpectOldFileIntact(path);
}

TEST_F(FailedSave, ReadOnlyFolderLeavesTheOldFile) {
    const std::string path = OldFile();
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    if (access(dir_.c_str(), W_OK) == 0) GTEST_SKIP() << "running with rights that ignore folder permissions";
    Case c;
    c.Project = "new";
    std::string target = path;
    const Status s = WriteProjectFile(c, target);
    EXPECT_EQ(s.message, "can't save file - " + path + ": Permission denied");
    fs::permissions(dir_, fs::perms::owner_all);
    ExpectOldFileIntact(path);
}

}  // namespace
}  // namespace veltar

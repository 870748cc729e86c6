// Saving: the line format, each value in its own precision, the extension rule, and
// that a save which fails leaves the file that was there as it was.
#include <unistd.h>

#include <limits>

#include "files/projectfile.h"
#include "test_support.h"

namespace veltar {
namespace {

namespace fs = std::filesystem;
using test::CrLfLines;
using test::ReadAll;

class ProjectWrite : public test::ScratchDir {};

TEST_F(ProjectWrite, EachValueInItsOwnPrecisionAndBack) {
    Case c;
    c.Project = "He said \"no\"";  // a quote would end the text early
    c.Ident = "two\r\nlines";
    c.s1 = Real(612.5f);            // typed: a float
    c.s2 = Real(1.0 / 3.0);         // computed: a double
    c.L1 = Real(1.0f / 3.0f);
    c.SigxA = Real(-1.234567e7f);   // needs the exponent form
    c.p = -Real(0.05f);
    c.FS = 1.2f;
    c.LoadCond = 1;
    std::string path = PathOf("a.velta");
    ASSERT_TRUE(WriteProjectFile(c, path).ok);
    const std::string text = ReadAll(path);
    const auto lines = CrLfLines(text);
    ASSERT_EQ(lines.size(), 48u);
    ASSERT_TRUE(text.ends_with("\r\n"));
    const std::pair<int, const char*> expected[] = {
        {1, "180"},  {2, "\"He said 'no'\""}, {3, "\"two  lines\""}, {12, "1"},
        {16, "1.2"}, {22, "206000"},          {23, "612.5"},         {24, "0.333333333333333"},
        {25, "0.3333333"}, {26, "2500"},      {31, "-1.234567E+07"}, {36, "-0.05"}, {37, "0.03"},
    };
    for (const auto& [line, value] : expected) EXPECT_EQ(lines[line - 1], value) << "line " << line;
    EXPECT_EQ(c.FileName, path);

    Case back;
    ASSERT_TRUE(ReadProjectFile(back, test::SmallTables(), path).ok);
    EXPECT_EQ(back.Project, "He said 'no'");
    EXPECT_EQ(back.LoadCond, 1);
    EXPECT_EQ(double(back.s2), 0.333333333333333);  // the digits written
    EXPECT_EQ(double(back.p), -0.05);                // a number field reads as a double
    EXPECT_EQ(back.FS, 1.2f);
}

TEST_F(ProjectWrite, KvtAndHlmFilesAreSavedAsKvrt) {
    const std::pair<const char*, const char*> cases[] = {
        {"a.kvt", "a.kvrt"},
        {"a.hlm", "a.kvrt"},
        {"a.kvt.hlm", "a.kvrt.hlm"},          // ".hlm" only when there is no ".kvt"
        {"x.kvt.d/a.kvt", "x.kvrt.d/a.kvrt"},  // every occurrence in the whole path
        {"a.KVT", "a.KVT"},
    };
    fs::create_directories(dir_ / "x.kvrt.d");
    for (const auto& [given, saved] : cases) {
        Case c;
        std::string path = PathOf(given);
        ASSERT_TRUE(WriteProjectFile(c, path).ok) << given;
        EXPECT_EQ(path, PathOf(saved));
        EXPECT_EQ(c.FileName, PathOf(saved));
        EXPECT_TRUE(fs::exists(PathOf(saved))) << saved;
    }
}

TEST_F(ProjectWrite, ReplacedFileKeepsItsPermissions) {
    std::string path = PathOf("p.velta");
    test::WriteAll(path, "old");
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, perms);
    Case c;
    ASSERT_TRUE(WriteProjectFile(c, path).ok);
    EXPECT_EQ(fs::status(path).permissions(), perms);
    EXPECT_EQ(FilesInDir(), 1);
}

TEST_F(ProjectWrite, SaveIntoAFolderOrAMissingFolderFails) {
    fs::create_directories(dir_ / "folder.velta");
    const std::pair<const char*, const char*> cases[] = {
        {"folder.velta", ": is a directory"}, {"missing/a.velta", ": No such file or directory"}};
    for (const auto& [name, reason] : cases) {
        Case c;
        std::string path = PathOf(name);
        EXPECT_EQ(WriteProjectFile(c, path).message, "can't save file - " + path + reason);
        EXPECT_EQ(c.FileName, "New File");
    }
}

TEST_F(ProjectWrite, FailedSaveLeavesTheOldFile) {
    std::string path = PathOf("old.velta");
    Case old;
    ASSERT_TRUE(WriteProjectFile(old, path).ok);
    const std::string before = ReadAll(path);
    Case infinite, tooLong;
    infinite.StiffAx = Real(std::numeric_limits<double>::infinity());
    tooLong.Project.assign(5000, 'x');  // longer than a reader accepts
    const std::pair<Case*, const char*> cases[] = {
        {&infinite, ": stiffener area is not a finite number"},
        {&tooLong, ": project name is longer than 4094 characters"}};
    for (const auto& [c, reason] : cases) {
        EXPECT_EQ(WriteProjectFile(*c, path).message, "can't save file - " + path + reason);
        EXPECT_EQ(c->FileName, "New File");
    }
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    if (access(dir_.c_str(), W_OK) != 0) {  // not when running with rights that ignore them
        EXPECT_EQ(WriteProjectFile(old, path).message, "can't save file - " + path + ": Permission denied");
    }
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(FilesInDir(), 1) << "a temporary file was left";
}

}  // namespace
}  // namespace veltar

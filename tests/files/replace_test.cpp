// Replacing a saved file: a file the user made read-only is refused, and a symbolic
// link keeps pointing at the file it names, which the save replaces.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "files/projectfile.h"
#include "files/resulttable.h"

namespace veltar {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
}

class Replace : public ::testing::Test {
protected:
    Replace() { fs::remove_all(dir_), fs::create_directories(dir_); }
    ~Replace() override { fs::remove_all(dir_); }
    fs::path dir_ =
        ::testing::TempDir() + "veltar_replace_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
};

// Decided by the permission bits, so also when the tests run as the superuser, for
// whom the system itself would allow the write.
TEST_F(Replace, AReadOnlyFileIsRefusedAndKept) {
    using P = fs::perms;
    const struct {
        P perms;
        bool refused;
    } cases[] = {{P::owner_read | P::group_read | P::others_read, true},
                 {P::owner_read, true},
                 {P::owner_read | P::owner_write, false},
                 {P::owner_read | P::owner_write | P::group_read, false}};
    for (const auto& k : cases) {
        const fs::path file = dir_ / "project.velta";
        fs::remove(file);
        std::ofstream(file) << "kept";
        fs::permissions(file, k.perms);
        std::string path = file.string();
        Case c;
        const Status s = WriteProjectFile(c, path);
        EXPECT_EQ(s.message, k.refused ? "can't save file - " + path + ": the file is read-only" : "");
        EXPECT_EQ(ReadAll(file) == "kept", k.refused);
        EXPECT_EQ(fs::status(file).permissions(), k.perms) << "the user's permissions stay";
        EXPECT_EQ(c.FileName, k.refused ? "New File" : path);
        const Status result = SaveResultTable((dir_ / "project.velta").string(), "table");
        EXPECT_EQ(result.ok, !k.refused);
        fs::permissions(file, P::owner_all);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1) << "a temporary file was left";
}

TEST_F(Replace, ASymbolicLinkStaysAndItsTargetIsSaved) {
    fs::create_directories(dir_ / "store");
    std::ofstream(dir_ / "store" / "real.velta") << "old";
    fs::create_symlink("store/real.velta", dir_ / "link.velta");  // relative to the link's folder
    fs::create_symlink(dir_ / "link.velta", dir_ / "chain.velta");
    fs::create_symlink("store/new.velta", dir_ / "dangling.velta");
    fs::create_symlink("loop.velta", dir_ / "loop.velta");
    for (const char* name : {"link.velta", "chain.velta", "dangling.velta"}) {
        std::string path = (dir_ / name).string();
        Case c;
        c.Project = name;
        ASSERT_TRUE(WriteProjectFile(c, path).ok) << name;
        EXPECT_TRUE(fs::is_symlink(dir_ / name)) << name;
        EXPECT_EQ(c.FileName, path) << "the caption names the link";
    }
    EXPECT_NE(ReadAll(dir_ / "store" / "real.velta").find("\"chain.velta\""), std::string::npos);
    EXPECT_NE(ReadAll(dir_ / "store" / "new.velta").find("\"dangling.velta\""), std::string::npos);
    std::string loop = (dir_ / "loop.velta").string();
    Case c;
    EXPECT_EQ(WriteProjectFile(c, loop).message, "can't save file - " + loop + ": too many levels of symbolic links");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "store"), {}), 2) << "a temporary file was left";
}

}  // namespace
}  // namespace veltar

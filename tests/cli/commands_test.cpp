// veltar-cli save and calc in-process: upgrading and re-saving project files from a
// script, and messages that quote a file without letting its bytes act on a terminal.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/calc_command.h"
#include "cli/common.h"

namespace veltar {
namespace {

namespace fs = std::filesystem;

const std::string kRegressions = std::string(VELTAR_FIXTURES) + "/regressions/";
const std::string kExamples = std::string(VELTAR_EXAMPLES) + "/";

std::string ReadAll(const fs::path& path) {
    return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
}

struct Outcome {
    int code;
    std::string out, err;
};

Outcome Command(int (*command)(int, char**), std::vector<std::string> args) {
    args.insert(args.end(), {"--data", VELTAR_DATA_DIR});
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int code = command(static_cast<int>(argv.size()), argv.data());
    std::string out = ::testing::internal::GetCapturedStdout();
    return {code, out, ::testing::internal::GetCapturedStderr()};
}

class Commands : public ::testing::Test {
protected:
    Commands() { fs::remove_all(dir_), fs::create_directories(dir_); }
    ~Commands() override { fs::remove_all(dir_); }
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
    fs::path dir_ =
        ::testing::TempDir() + "veltar_cli_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
};

// Saved once, a file is in the current format; saved again from there, it is the same.
TEST_F(Commands, SaveFromOpensRecalculatesAndSaves) {
    for (const std::string& in :
         {kExamples + "old-format.velta", kExamples + "bulbflat.velta", kRegressions + "value-near-double-max.velta"}) {
        const Outcome first = Command(cli::RunSave, {PathOf("a.velta"), "--from", in});
        ASSERT_EQ(first.code, cli::kExitOk) << first.err;
        const std::string saved = ReadAll(PathOf("a.velta"));
        EXPECT_TRUE(saved.starts_with("180\r\n")) << in;
        EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 48) << in;
        const Outcome again = Command(cli::RunSave, {PathOf("b.velta"), "--from", PathOf("a.velta")});
        ASSERT_EQ(again.code, cli::kExitOk) << again.err;
        EXPECT_EQ(ReadAll(PathOf("b.velta")), saved) << in;
    }
    EXPECT_NE(ReadAll(PathOf("a.velta")).find("\r\n1.7976931348623157E+308\r\n"), std::string::npos);
    ASSERT_EQ(Command(cli::RunSave, {PathOf("default.velta")}).code, cli::kExitOk);
    EXPECT_EQ(ReadAll(PathOf("default.velta")), ReadAll(kExamples + "default.velta")) << "the default case as before";
    const Outcome renamed = Command(cli::RunSave, {PathOf("p.kvt"), "--from", kExamples + "default.velta"});
    EXPECT_EQ(renamed.out, "saved as " + PathOf("p.kvrt") + "\n");
    const Outcome missing = Command(cli::RunSave, {PathOf("c.velta"), "--from", PathOf("none.velta")});
    EXPECT_EQ(missing.code, cli::kExitFileError);
    EXPECT_EQ(missing.err, "veltar-cli: can't find file - " + PathOf("none.velta") + "\n");
    EXPECT_FALSE(fs::exists(PathOf("c.velta")));
    EXPECT_EQ(Command(cli::RunSave, {PathOf("c.velta"), "--from"}).code, cli::kExitUsage);
}

TEST_F(Commands, MessagesQuoteTheFileWithItsControlBytesEscaped) {
    const std::string file = kRegressions + "terminal-escapes-in-first-line.velta";
    const Outcome calc = Command(cli::RunCalc, {file});
    EXPECT_EQ(calc.code, cli::kExitFileError);
    EXPECT_EQ(calc.err,
              "veltar-cli: " + file + ", line 1: not a project file version: \"\\x1b[2J\\x1b[31mOWNED\\x07\"\n");
    const std::string named = PathOf("bell\a.velta");
    const Outcome path = Command(cli::RunCalc, {named});
    EXPECT_EQ(path.err, "veltar-cli: can't find file - " + PathOf("bell\\x07.velta") + "\n");
}

}  // namespace
}  // namespace veltar

// veltar-cli batch: exit codes, the output path, the summary line and the faulted
// rows on stderr.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/batch_command.h"
#include "cli/common.h"
#include "tests/casedb/table_text.h"

namespace veltar::cli {
namespace {

namespace fs = std::filesystem;

const std::string kFixtures = std::string(VELTAR_FIXTURES) + "/casedb/";

struct Outcome {
    int code = -1;
    std::string out, err;
};

Outcome Batch(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    Outcome o;
    o.code = RunBatch(static_cast<int>(argv.size()), argv.data());
    o.out = ::testing::internal::GetCapturedStdout();
    o.err = ::testing::internal::GetCapturedStderr();
    return o;
}

using BatchCommand = veltar::testing::ScratchDirTest;

TEST_F(BatchCommand, WritesTheTableAndOneSummaryLine) {
    const std::string out = (dir / "r.velto").string();
    const Outcome o = Batch({kFixtures + "two_cases.velti", "-o", out, "--data", VELTAR_DATA_DIR});
    EXPECT_EQ(o.code, kExitOk);
    EXPECT_EQ(o.out.rfind(out + ": 3 rows, 2 cases, 0 faulted, ", 0), 0u) << o.out;
    EXPECT_EQ(o.out.find('\n'), o.out.size() - 1) << o.out;
    EXPECT_EQ(o.err, "");
    EXPECT_TRUE(fs::exists(out));
}

TEST_F(BatchCommand, FaultedRowsAreListedAndTheRunSucceeds) {
    const std::string out = (dir / "r.velto").string();
    const Outcome o = Batch({kFixtures + "one_fault.velti", "-o", out, "--data", VELTAR_DATA_DIR});
    EXPECT_EQ(o.code, kExitOk);
    EXPECT_NE(o.out.find(": 3 rows, 2 cases, 1 faulted, "), std::string::npos) << o.out;
    EXPECT_EQ(o.err.rfind("veltar-cli: line 3 (F40-T0): ", 0), 0u) << o.err;
    EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
}

TEST_F(BatchCommand, ResultBesideTheCaseTableAndAMissingEndRowWarned) {
    fs::copy_file(kFixtures + "one_fault.velti", dir / "t.velti");
    fs::resize_file(dir / "t.velti", fs::file_size(dir / "t.velti") - 5);  // "End\r\n"
    const Outcome o = Batch({(dir / "t.velti").string(), "--data", VELTAR_DATA_DIR});
    EXPECT_EQ(o.code, kExitOk);
    EXPECT_EQ(o.err.rfind("veltar-cli: warning: " + (dir / "t.velti").string() + ": no \"End\" row", 0), 0u) << o.err;
    EXPECT_TRUE(fs::exists(dir / "t.velto"));
}

TEST_F(BatchCommand, FileErrorsEndWithOneLine) {
    const std::string missing = (dir / "none.velti").string();
    Outcome o = Batch({missing, "--data", VELTAR_DATA_DIR});
    EXPECT_EQ(o.code, kExitFileError);
    EXPECT_EQ(o.err, "veltar-cli: can't find file - " + missing + "\n");

    o = Batch({kFixtures + "two_cases.velti", "--data", dir.string()});
    EXPECT_EQ(o.code, kExitFileError);
    EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;

    o = Batch({kFixtures + "two_cases.velti", "-o", (dir / "no" / "r.velto").string(), "--data", VELTAR_DATA_DIR});
    EXPECT_EQ(o.code, kExitFileError);
    EXPECT_EQ(o.err.rfind("veltar-cli: can't save file - " + (dir / "no" / "r.velto").string(), 0), 0u) << o.err;
    EXPECT_EQ(o.out, "");
}

TEST_F(BatchCommand, WrongUsage) {
    const std::vector<std::vector<std::string>> cases = {
        {}, {"-o"}, {"a.velti", "-o"}, {"a.velti", "--data"}, {"a.velti", "b.velti"}, {"a.velti", "--fast"}};
    for (const auto& args : cases) {
        const Outcome o = Batch(args);
        EXPECT_EQ(o.code, kExitUsage) << args.size();
        EXPECT_EQ(o.err.rfind("usage: veltar-cli batch", 0), 0u);
    }
}

}  // namespace
}  // namespace veltar::cli

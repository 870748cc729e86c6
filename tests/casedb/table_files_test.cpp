// Case tables as spreadsheets and scripts leave them: a byte-order mark before the
// first row, a result path that is the table itself, control bytes in the cells.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/batch_command.h"
#include "cli/common.h"
#include "files/casedb.h"
#include "files/datatables.h"
#include "files/resulttable.h"

namespace veltar {
namespace {

namespace fs = std::filesystem;

const std::string kRegressions = std::string(VELTAR_FIXTURES) + "/regressions/";

std::string ReadAll(const fs::path& path) {
    return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
}

class TableFiles : public ::testing::Test {
protected:
    TableFiles() { fs::remove_all(dir_), fs::create_directories(dir_); }
    ~TableFiles() override { fs::remove_all(dir_); }
    void SetUp() override { ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables_).ok); }

    // veltar-cli batch with `args` and the shipped tables: exit code, stdout, stderr.
    std::tuple<int, std::string, std::string> Batch(std::vector<std::string> args) {
        args.insert(args.end(), {"--data", VELTAR_DATA_DIR});
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        const int code = cli::RunBatch(static_cast<int>(argv.size()), argv.data());
        std::string out = ::testing::internal::GetCapturedStdout();
        return {code, out, ::testing::internal::GetCapturedStderr()};
    }

    fs::path dir_ =
        ::testing::TempDir() + "veltar_tables_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    Tables tables_;
};

TEST_F(TableFiles, AByteOrderMarkBeforeTheFirstRowIsDropped) {
    const struct {
        const char* file;
        int rows;
        const char* first;
    } cases[] = {{"bom-then-comment-row.velti", 3, "% Deck 3, frame 40: plate fields between girders"},
                 {"bom-then-end-row.velti", 0, ""},
                 {"bom-then-case-row.velti", 1, "Deck 3"}};
    for (const auto& k : cases) {
        CaseDatabase db;
        std::vector<std::string> warnings;
        const Status s = ReadCaseDatabase(kRegressions + k.file, tables_, 0, db, warnings);
        ASSERT_TRUE(s.ok) << k.file << ": " << s.message;
        EXPECT_TRUE(warnings.empty()) << k.file << ": the \"End\" row is found";
        ASSERT_EQ(db.DbRowCount(), k.rows) << k.file;
        EXPECT_EQ(k.rows > 0 ? db.rows[0].Project : "", k.first) << k.file;
        const auto [code, out, err] = Batch({kRegressions + k.file, "-o", (dir_ / "r.velto").string()});
        EXPECT_EQ(code, cli::kExitOk) << err;
        const std::string result = ReadAll(dir_ / "r.velto");
        EXPECT_EQ(result.find("\xEF\xBB\xBF"), std::string::npos) << k.file << ": no mark in the result table";
        EXPECT_NE(result.find("\r\n" + std::string(k.first)), std::string::npos) << result;
    }
}

// The same file under any name: the default result name of a "*.velto" table, -o
// naming the input, another spelling of its path, a symbolic or a hard link to it.
TEST_F(TableFiles, BatchNeverWritesOverItsOwnInput) {
    const fs::path table = dir_ / "table-named-like-a-result.velto";
    fs::copy_file(kRegressions + "table-named-like-a-result.velto", table);
    fs::create_symlink(table, dir_ / "link.velto");
    fs::create_hard_link(table, dir_ / "hard.velto");
    const std::string t = table.string(), before = ReadAll(table);
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{t}, t},
        {{t, "-o", t}, t},
        {{t, "-o", (dir_ / "." / table.filename()).string()}, (dir_ / "." / table.filename()).string()},
        {{t, "-o", (dir_ / "link.velto").string()}, (dir_ / "link.velto").string()},
        {{t, "-o", (dir_ / "hard.velto").string()}, (dir_ / "hard.velto").string()},
    };
    for (const auto& [args, output] : refused) {
        const auto [code, out, err] = Batch(args);
        EXPECT_EQ(code, cli::kExitFileError);
        EXPECT_EQ(err, "veltar-cli: the result table " + output + " would replace the case table " + t + "\n");
        EXPECT_EQ(out, "");
        EXPECT_EQ(ReadAll(table), before);
    }
    const auto [code, out, err] = Batch({t, "-o", (dir_ / "result.velto").string()});
    EXPECT_EQ(code, cli::kExitOk) << err;
    EXPECT_TRUE(CheckResultPath(t, (dir_ / "none.velto").string()).ok) << "a new file is never the table";
}

// A cell of a spreadsheet may hold anything; the terminal of whoever runs the batch
// must not act on it.
TEST_F(TableFiles, ControlBytesInCellsReachMessagesEscaped) {
    std::string row = ReadAll(kRegressions + "bom-then-case-row.velti").substr(3);
    row.replace(row.find("\tLR\t"), 4, "\t\x1b[2J\x9b\t");
    std::ofstream(dir_ / "t.velti", std::ios::binary) << row;
    const auto [code, out, err] = Batch({(dir_ / "t.velti").string()});
    EXPECT_EQ(code, cli::kExitFileError);
    EXPECT_EQ(err, "veltar-cli: " + (dir_ / "t.velti").string() +
                       ": line 1, cell 14 (stiffener code): unknown stiffener code \"\\x1b[2J\\x9b\" "
                       "(LR, LW, TG, FB, BF or IG)\n");
}

}  // namespace
}  // namespace veltar

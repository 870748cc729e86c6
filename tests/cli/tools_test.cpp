// veltar-cli sweep and design called in-process: a sweep row holds the numbers a
// single calc of that value prints, and what each command refuses, with its exit code.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "cli/calc_command.h"
#include "cli/common.h"
#include "cli/design_command.h"
#include "cli/sweep_command.h"

namespace veltar {
namespace {

namespace fs = std::filesystem;

const std::string kData = VELTAR_DATA_DIR;
const std::string kPassing = std::string(VELTAR_FIXTURES) + "/tools/t-stiffener.velta";

struct Output {
    int code;
    std::string out, err;
};

Output Call(int (*command)(int, char**), std::vector<std::string> args) {
    args.push_back("--data");
    args.push_back(kData);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int code = command(static_cast<int>(argv.size()), argv.data());
    return {code, ::testing::internal::GetCapturedStdout(), ::testing::internal::GetCapturedStderr()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The project file with line `line` (from 1) replaced, written beside the test's files.
std::string WithLine(const std::string& file, int line, const std::string& value) {
    std::vector<std::string> lines = Lines([&] {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }());
    lines.at(static_cast<size_t>(line - 1)) = value + "\r";
    const std::string out = (fs::temp_directory_path() / "veltar_tools_test.velta").string();
    std::ofstream o(out, std::ios::binary);
    for (const std::string& l : lines) o << l << '\n';
    return out;
}

TEST(SweepCommand, ARowHoldsWhatCalcPrintsForThatValue) {
    const Output sweep = Call(cli::RunSweepCommand, {kPassing, "--param", "t", "--from", "14", "--to", "18", "--steps",
                                                     "2", "--format", "jsonl"});
    ASSERT_EQ(sweep.code, cli::kExitOk) << sweep.err;
    const std::vector<std::string> rows = Lines(sweep.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(sweep.err, "t ≥ 16.1 mm passes every check\n");
    const std::vector<std::string> ts{"14", "16", "18"};
    for (size_t i = 0; i < rows.size(); ++i) {
        // t is line 30 of a project file.
        const Output calc = Call(cli::RunCalc, {WithLine(kPassing, 30, ts[i]), "--json"});
        ASSERT_EQ(calc.code, cli::kExitOk);
        EXPECT_TRUE(rows[i].starts_with("{\"t\": " + ts[i] + ", ")) << rows[i];
        int compared = 0;
        const std::regex number("\"(UF[a-z]+)\": (-?[0-9][^,}]*)");
        for (std::sregex_iterator m(rows[i].begin(), rows[i].end(), number), end; m != end; ++m, ++compared)
            EXPECT_NE(calc.out.find("\"" + (*m)[1].str() + "\": " + (*m)[2].str() + ",\n"), std::string::npos)
                << (*m)[0];
        EXPECT_EQ(compared, 15) << rows[i];
    }
}

TEST(SweepCommand, FaultsAndNokInTheirCells) {
    const Output csv = Call(cli::RunSweepCommand, {"--param", "L1", "--from", "-3000", "--to", "3000", "--steps", "2"});
    ASSERT_EQ(csv.code, cli::kExitOk) << csv.err;
    const std::vector<std::string> rows = Lines(csv.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0],
              "L1,UFpb,UFpu,UFpl,UFb,UFbt,UFst,UFgbu,UFt,UFy,UFyp,UFys,UFsm,UFgm,UFgd,UFgw,passes,governing,nok,fault");
    // L1 = 0 divides by zero: no factors, the fault text in the last cell.
    EXPECT_TRUE(std::regex_match(rows[2], std::regex("0,{15},no,,,\\S.+"))) << rows[2];
    // The default stiffener fails as a column: its factor reads NOK, as its row does.
    EXPECT_TRUE(std::regex_match(rows[3], std::regex("3000,([^,]+,){3}NOK,.*,no,UFb,UFbu; Min thickness of web,")))
        << rows[3];
    EXPECT_TRUE(csv.err.starts_with("no value of L1 from -3000 to 3000 mm passes every check")) << csv.err;

    const Output jsonl =
        Call(cli::RunSweepCommand, {"--param", "L1", "--from", "-1", "--to", "1", "--steps", "2", "--format", "jsonl"});
    const std::vector<std::string> lines = Lines(jsonl.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(lines[1].starts_with("{\"L1\": 0, \"UFpb\": null, ")) << lines[1];
    EXPECT_NE(lines[1].find("\"passes\": false, \"governing\": \"\", \"nok\": [], \"fault\": \""), std::string::npos);
}

TEST(SweepCommand, WhatItRefuses) {
    const struct {
        std::vector<std::string> args;
        int code;
        const char* err;
    } runs[] = {
        {{}, cli::kExitUsage, "veltar-cli: --param NAME is missing\nusage: veltar-cli sweep"},
        {{"--param", "Project"},
         cli::kExitUsage,
         "veltar-cli: --param: \"Project\" is not an input a sweep can vary (t, "},
        {{"--param", "t", "--from", "ten"}, cli::kExitUsage, "veltar-cli: --from: \"ten\" is not a number\n"},
        {{"--param", "t", "--to", "1,5"}, cli::kExitUsage, "veltar-cli: --to: \"1,5\" is not a number\n"},
        {{"--param", "t", "--steps", "0"},
         cli::kExitUsage,
         "veltar-cli: --steps: \"0\" is not a whole number from 1 to"},
        {{"--param", "t", "--steps", "2.5"}, cli::kExitUsage, "veltar-cli: --steps: \"2.5\" is not a whole number"},
        {{"--param", "t", "--mode", "4"}, cli::kExitUsage, "veltar-cli: bad --mode value \"4\" (1 buckling"},
        {{"--param", "t", "--format", "xml"}, cli::kExitUsage, "veltar-cli: --format: \"xml\" is not csv or jsonl\n"},
        {{"--param", "t", "--from", "0"},
         cli::kExitUsage,
         "veltar-cli: the range of t from 0 to 30 leaves its limit 0.1 <= t\n"},
        {{"--param", "t", "--fast"}, cli::kExitUsage, "veltar-cli: unknown option --fast\n"},
        {{"--param", "t", "none.velta"}, cli::kExitFileError, "veltar-cli: can't find file - none.velta\n"},
    };
    for (const auto& k : runs) {
        const Output o = Call(cli::RunSweepCommand, k.args);
        EXPECT_EQ(o.code, k.code) << o.err;
        EXPECT_TRUE(o.err.starts_with(k.err)) << o.err;
        EXPECT_EQ(o.out, "");
    }
}

TEST(DesignCommand, TheLightestPanelsAsATableOrJson) {
    const Output table =
        Call(cli::RunDesignCommand, {kPassing, "--vary", "stiffener", "--kinds", "FB,BF", "--top", "3"});
    ASSERT_EQ(table.code, cli::kExitOk) << table.err;
    const std::vector<std::string> rows = Lines(table.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_TRUE(
        std::regex_match(rows[0], std::regex("rank +stiffener +t \\(mm\\) +weight \\(kg/m2\\) +governing +UF")));
    for (size_t i = 1; i < rows.size(); ++i)
        EXPECT_TRUE(std::regex_match(rows[i], std::regex(" +" + std::to_string(i) +
                                                         "  (Fb|BF) [0-9x.]+ +20\\.0 +[0-9]+\\.[0-9]{2}  UF[a-z]+ +"
                                                         "[01]\\.[0-9]{2}")))
            << rows[i];
    EXPECT_TRUE(
        std::regex_match(table.err, std::regex("100 candidates, [0-9]+ pass, 0 faulted, searched in [0-9.]+ s\n")))
        << table.err;

    const Output json = Call(cli::RunDesignCommand, {kPassing, "--vary", "plate", "--t-from", "9.8", "--t-to", "30.2",
                                                     "--json", "--mode", "1"});
    ASSERT_EQ(json.code, cli::kExitOk) << json.err;
    EXPECT_TRUE(json.out.starts_with("{\n  \"candidates\": 41,\n  \"passing\": ")) << json.out;
    EXPECT_NE(
        json.out.find("\"best\": [\n    {\"rank\": 1, \"kind\": 2, \"row\": -1, \"profile\": \"T 175x175x7.0x11.0\", "
                      "\"t\": 16.5, "),
        std::string::npos)
        << json.out;
}

TEST(DesignCommand, WhyNothingPasses) {
    // The default girder's web is thinner than its rule asks, whatever the plate; the
    // default stiffener is too weak for it at every thickness.
    const Output o = Call(cli::RunDesignCommand, {"--vary", "plate", "--mode", "2"});
    ASSERT_EQ(o.code, cli::kExitOk);
    EXPECT_EQ(Lines(o.out).size(), 1u);
    EXPECT_TRUE(o.err.ends_with("failing for every candidate: UFys, UFsm, UFgw, Min thickness of web\n")) << o.err;
}

TEST(DesignCommand, WhatItRefuses) {
    const struct {
        std::vector<std::string> args;
        int code;
        const char* err;
    } runs[] = {
        {{}, cli::kExitUsage, "veltar-cli: --vary stiffener|plate|both is missing\nusage: veltar-cli design"},
        {{"--vary", "girder"}, cli::kExitUsage, "veltar-cli: --vary: \"girder\" is not stiffener, plate or both\n"},
        {{"--vary", "both", "--kinds", "L,HP"},
         cli::kExitUsage,
         "veltar-cli: --kinds: \"HP\" is not a profile table (L, T, FB, BF)\n"},
        {{"--vary", "both", "--kinds", ""}, cli::kExitUsage, "veltar-cli: --kinds: \"\" is not a profile table"},
        {{"--vary", "both", "--t-from", "30", "--t-to", "10"},
         cli::kExitUsage,
         "veltar-cli: the plate thickness range from 30 to 10 mm must run from a lower to a higher thickness\n"},
        {{"--vary", "plate", "--t-from", "x"}, cli::kExitUsage, "veltar-cli: --t-from: \"x\" is not a number\n"},
        {{"--vary", "plate", "--top", "0"}, cli::kExitUsage, "veltar-cli: --top: \"0\" is not a whole number from 1"},
        {{"--vary", "plate", "--fast"}, cli::kExitUsage, "veltar-cli: unknown option --fast\n"},
        {{"--vary", "plate", "none.velta"}, cli::kExitFileError, "veltar-cli: can't find file - none.velta\n"},
    };
    for (const auto& k : runs) {
        const Output o = Call(cli::RunDesignCommand, k.args);
        EXPECT_EQ(o.code, k.code) << o.err;
        EXPECT_TRUE(o.err.starts_with(k.err)) << o.err;
        EXPECT_EQ(o.out, "");
    }
}

}  // namespace
}  // namespace veltar

// Shared by the file tests: a scratch folder per test, whole-file text helpers and
// small hand-made tables whose rows the tests control.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "profiles/tables.h"

namespace veltar::test {

namespace fs = std::filesystem;

class ScratchDir : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::path(::testing::TempDir()) /
               ("veltar_files_" + std::string(info->test_suite_name()) + "_" + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
    long FilesInDir() const { return std::distance(fs::directory_iterator(dir_), fs::directory_iterator()); }

    fs::path dir_;
};

inline std::string ReadAll(const std::string& path) {
    std::ostringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

inline void WriteAll(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Lines of a file whose every line ends in CR LF, without the line ends.
inline std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(text.substr(at, end - at));
    return lines;
}

inline std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return text;
}

// Four grades (the last user-defined) and a few rows per profile table.
inline Tables SmallTables() {
    Tables t;
    t.Mat.count = 3;
    t.L.row[0] = {100, 75, 7, 7};
    t.L.row[1] = {150, 90, 9, 12};
    t.L.row[2] = {150, 90, 9, 14};   // same H, B, tw as row 1
    t.L.row[3] = {200, 100, 10, 10};
    t.L.row[4] = {250, 90, 10, 15};  // beyond the count: not a row
    t.L.count = 3;
    t.T.row[0] = {80, 82, 5, 7.4f};
    t.T.row[1] = {200, 100, 8, 12};
    t.T.count = 1;
    t.Fb.row[1] = {120, 9};
    t.Fb.count = 1;
    t.BF.row[1] = {160, 8, 22, 6, 1560};
    t.BF.count = 1;
    return t;
}

}  // namespace veltar::test

// The program folder and the data tables for the command-line tool.
#include "cli/common.h"

#include <filesystem>
#include <system_error>

namespace veltar::cli {

std::string ExeDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return exe.parent_path().string();
}

Status LoadTables(const std::string& dataDir, Tables& tables) {
    return dataDir.empty() ? ReadProgramTables(ExeDir(), tables) : ReadTables(dataDir, tables);
}

}  // namespace veltar::cli

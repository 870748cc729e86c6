// The program folder and the data tables for the command-line tool.
#include "cli/common.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/excerpt.h"
#include "files/datatables.h"
#include "files/projectfile.h"
#include "run/calculate.h"
#include "run/reopen.h"

namespace veltar::cli {

std::string ExeDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return exe.parent_path().string();
}

std::string DataDir(const std::string& dataDir) { return dataDir.empty() ? FindDataDir(ExeDir()) : dataDir; }

int FileError(const std::string& message) {
    std::fprintf(stderr, "veltar-cli: %s\n", Printable(message).c_str());
    return kExitFileError;
}

Status LoadTables(const std::string& dataDir, Tables& tables) {
    return dataDir.empty() ? ReadProgramTables(ExeDir(), tables) : ReadTables(dataDir, tables);
}

void StartupCase(Case& c, const Tables& tables) {
    c.AppPath = ExeDir();
    NewCase(c);
    PrepareStartupCase(c, tables);
}

Status CalculatedCase(const std::string& file, const Tables& tables, int mode, bool deform, Case& c,
                      std::vector<std::string>& warnings) {
    StartupCase(c, tables);
    if (!file.empty()) {
        if (Status s = ReadProjectFile(c, tables, file); !s) return s;
        RecalculateOpened(c, tables);
    }
    c.CheckMode = static_cast<i16>(mode);
    c.InclDeform = deform ? 1 : 0;
    CollectedWarnings collected;
    Calculate(c, tables, collected);
    warnings = std::move(collected.texts);
    return Status::Ok();
}

}  // namespace veltar::cli

// What every veltar-cli command shares: the program folder and the data tables.
#pragma once

#include <string>

#include "core/status.h"
#include "profiles/tables.h"

namespace veltar::cli {

// Exit codes of veltar-cli.
constexpr int kExitOk = 0;
constexpr int kExitUsage = 1;
constexpr int kExitFileError = 2;

// Folder of the running executable.
std::string ExeDir();

// Reads the tables from `dataDir`, or from the program's own data folder when empty.
Status LoadTables(const std::string& dataDir, Tables& tables);

}  // namespace veltar::cli

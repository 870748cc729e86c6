// What every veltar-cli command shares: the program folder and the data tables.
#pragma once

#include <string>
#include <vector>

#include "core/case.h"
#include "core/status.h"
#include "profiles/tables.h"

namespace veltar::cli {

// Exit codes of veltar-cli.
constexpr int kExitOk = 0;
constexpr int kExitUsage = 1;
constexpr int kExitFileError = 2;

// Prints "veltar-cli: <message>" to stderr, its control bytes escaped (a message may
// quote a file); the file-error exit code.
int FileError(const std::string& message);

// Folder of the running executable.
std::string ExeDir();

// `dataDir`, or the program's own data folder when it is empty.
std::string DataDir(const std::string& dataDir);

// Reads the tables from DataDir(dataDir).
Status LoadTables(const std::string& dataDir, Tables& tables);

// The start-up default case, with its tables' grades and sections applied.
void StartupCase(Case& c, const Tables& tables);

// The default case, or `file` opened as File/Open does, calculated whole in check
// mode `mode` (with the deformation check when `deform`); the span warnings go to
// `warnings`. Fails, naming the file and line, when the file cannot be read.
Status CalculatedCase(const std::string& file, const Tables& tables, int mode, bool deform, Case& c,
                      std::vector<std::string>& warnings);

}  // namespace veltar::cli

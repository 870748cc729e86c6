// batch: reads the tables and a case table, recalculates every case and writes the
// result table; one summary line on stdout, warnings and faulted cases on stderr.
#include "cli/batch_command.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/args.h"
#include "cli/common.h"
#include "core/excerpt.h"
#include "files/casedb.h"
#include "files/resulttable.h"
#include "run/batch.h"

namespace veltar::cli {
namespace {

constexpr const char* kBatchUsage =
    "usage: veltar-cli batch FILE.velti [-o OUT.velto] [--data DIR]\n"
    "  runs every case of a case table (TAB-separated cells, one case a line) and writes its\n"
    "  result table, by default beside it with the extension .velto; the case-table format is\n"
    "  described in the help (Help, Contents: \"Case table\") and in the manual\n"
    "  \"VELTAR Database File.pdf\" in the Documentation folder beside the data tables\n";

struct BatchOptions {
    std::string input;
    std::string output;
    std::string dataDir;
};

// The reason the words cannot be run, or an empty text.
std::string ParseBatchOptions(int argc, char** argv, BatchOptions& o) {
    const std::string problem = ReadArgs(argc, argv, {}, {{"-o", &o.output}, {"--data", &o.dataDir}}, o.input);
    if (problem.empty() && o.input.empty()) return "no case table named";
    return problem;
}

int FileError(const std::string& message) {
    std::fprintf(stderr, "veltar-cli: %s\n", Printable(message).c_str());
    return kExitFileError;
}

void ListFaults(const std::string& table, const ResultReport& report) {
    for (const FaultedRow& f : report.faulted)
        std::fprintf(stderr, "veltar-cli: %s: line %d (%s): %s\n", Printable(table).c_str(), f.line,
                     Printable(f.Ident).c_str(), f.fault.c_str());
}

}  // namespace

int RunBatch(int argc, char** argv) {
    const auto start = std::chrono::steady_clock::now();
    if (AsksForHelp(argc, argv)) {
        std::fputs(kBatchUsage, stdout);
        return kExitOk;
    }
    BatchOptions o;
    if (const std::string problem = ParseBatchOptions(argc, argv, o); !problem.empty())
        return UsageError(problem, kBatchUsage);
    const std::string output = o.output.empty() ? ResultPath(o.input) : o.output;
    if (Status s = CheckResultPath(o.input, output); !s) return FileError(s.message);
    Tables tables;
    if (Status s = LoadTables(o.dataDir, tables); !s) return FileError(s.message);
    CaseDatabase db;
    std::vector<std::string> warnings;
    if (Status s = ReadCaseDatabase(o.input, tables, 0, db, warnings); !s) return FileError(s.message);
    for (const std::string& w : warnings) std::fprintf(stderr, "veltar-cli: warning: %s\n", Printable(w).c_str());
    Case c;
    ResultReport report;
    if (Status s = WriteResultTable(output, c, tables, db, 0, report); !s) return FileError(s.message);
    ListFaults(o.input, report);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%s: %d rows, %d cases, %zu faulted, %.3f s\n", output.c_str(), db.DbRowCount(), report.cases,
                report.faulted.size(), took.count());
    return kExitOk;
}

}  // namespace veltar::cli

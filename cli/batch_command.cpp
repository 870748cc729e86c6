// batch: reads the tables and a case table, recalculates every case and writes the
// result table; one summary line on stdout, warnings and faulted cases on stderr.
#include "cli/batch_command.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/common.h"
#include "core/excerpt.h"
#include "files/casedb.h"
#include "files/resulttable.h"
#include "run/batch.h"

namespace veltar::cli {
namespace {

constexpr const char* kBatchUsage = "usage: veltar-cli batch FILE.velti [-o OUT.velto] [--data DIR]\n";

struct BatchOptions {
    std::string input;
    std::string output;
    std::string dataDir;
};

bool ParseBatchOptions(int argc, char** argv, BatchOptions& o) {
    for (int i = 0; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "-o" && i + 1 < argc) {
            o.output = argv[++i];
        } else if (a == "--data" && i + 1 < argc) {
            o.dataDir = argv[++i];
        } else if (!a.empty() && a[0] != '-' && o.input.empty()) {
            o.input = a;
        } else {
            return false;
        }
    }
    return !o.input.empty();
}

int FileError(const std::string& message) {
    std::fprintf(stderr, "veltar-cli: %s\n", Printable(message).c_str());
    return kExitFileError;
}

void ListFaults(const ResultReport& report) {
    for (const FaultedRow& f : report.faulted)
        std::fprintf(stderr, "veltar-cli: line %d (%s): %s\n", f.line, Printable(f.Ident).c_str(), f.fault.c_str());
}

}  // namespace

int RunBatch(int argc, char** argv) {
    const auto start = std::chrono::steady_clock::now();
    BatchOptions o;
    if (!ParseBatchOptions(argc, argv, o)) {
        std::fputs(kBatchUsage, stderr);
        return kExitUsage;
    }
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
    ListFaults(report);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%s: %d rows, %d cases, %zu faulted, %.3f s\n", output.c_str(), db.DbRowCount(), report.cases,
                report.faulted.size(), took.count());
    return kExitOk;
}

}  // namespace veltar::cli

// batch: reads the tables, then streams a case table through the calculation into its
// result table; one summary line, warnings and faulted cases on stderr.
#include "cli/batch_command.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <thread>

#include "cli/args.h"
#include "cli/common.h"
#include "cli/tableformats.h"
#include "core/excerpt.h"
#include "files/atomicfile.h"
#include "files/casedb.h"
#include "files/resulttable.h"
#include "run/batchstream.h"

namespace veltar::cli {
namespace {

constexpr const char* kBatchUsage =
    "usage: veltar-cli batch FILE.velti|- [-o OUT|-] [--format velto|csv|jsonl] [--jobs N] [--data DIR]\n"
    "  runs every case of a case table (TAB-separated cells, one case a line) and writes its\n"
    "  result table, by default beside it with the extension of its format (.velto, .csv,\n"
    "  .jsonl); \"-\" reads the case table from standard input or writes the result to\n"
    "  standard output (the default for standard input). --format csv writes one line a\n"
    "  case with a header, jsonl one JSON object a case; --jobs N calculates on N threads\n"
    "  (by default one a core), the result the same whatever N. The case-table format is\n"
    "  described in the help (Help, Contents: \"Case table\") and in the manual\n"
    "  \"VELTAR Database File.pdf\" in the Documentation folder beside the data tables\n";

// Each thread keeps two blocks of up to a few MB in memory; more threads than this
// would let a table of long comment rows take hundreds of MB.
constexpr int kMaxJobs = 64;

constexpr const char* kStdio = "-";

struct BatchOptions {
    std::string input;
    std::string output;
    std::string format = "velto";
    std::string dataDir;
    int jobs = 1;
};

int DefaultJobs() {
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : static_cast<int>(std::min<unsigned>(cores, kMaxJobs));
}

// The reason the words cannot be run, or an empty text.
std::string ParseBatchOptions(int argc, char** argv, BatchOptions& o) {
    std::string jobs;
    const std::string problem =
        ReadArgs(argc, argv, {},
                 {{"-o", &o.output}, {"--format", &o.format}, {"--jobs", &jobs}, {"--data", &o.dataDir}}, o.input);
    if (!problem.empty()) return problem;
    if (o.input.empty()) return "no case table named";
    if (o.format != "velto" && o.format != "csv" && o.format != "jsonl")
        return "--format: \"" + o.format + "\" is not velto, csv or jsonl";
    o.jobs = DefaultJobs();
    if (!jobs.empty() && !ReadWholeArg(jobs, 1, kMaxJobs, o.jobs))
        return "--jobs: \"" + jobs + "\" is not a whole number from 1 to " + std::to_string(kMaxJobs);
    if (o.output.empty())
        o.output =
            o.input == kStdio ? kStdio : std::filesystem::path(o.input).replace_extension("." + o.format).string();
    return {};
}

std::unique_ptr<ResultFormat> FormatOf(const std::string& name) {
    if (name == "csv") return std::make_unique<CsvFormat>();
    if (name == "jsonl") return std::make_unique<JsonLinesFormat>();
    return std::make_unique<VeltoFormat>('.');
}

// The result file, replaced only when the whole table is written.
class FileSink : public TextSink {
public:
    explicit FileSink(std::string path) : path_(std::move(path)) {}
    Status Open() { return Named(file_.Open(path_)); }
    Status Write(std::string_view text) override { return Named(file_.Write(text)); }
    Status Commit() { return Named(file_.Commit()); }

private:
    Status Named(Status s) const {
        return s ? s : Status::Error("can't save file - " + path_ + " (" + s.message + ")");
    }

    std::string path_;
    FileReplacement file_;
};

class StdoutSink : public TextSink {
public:
    Status Write(std::string_view text) override {
        if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size()) return Status::Ok();
        return Status::Error("can't write the result to standard output");
    }
    Status Flush() {
        return std::fflush(stdout) == 0 ? Status::Ok() : Status::Error("can't write the result to standard output");
    }
};

struct Input {
    std::ifstream file;
    std::streambuf* buffer = nullptr;
    std::string name;  // for messages
};

Status OpenInput(const std::string& path, Input& in) {
    if (path == kStdio) {
        // Standard input through its own buffer rather than a byte at a time through C stdio.
        std::ios::sync_with_stdio(false);
        in.buffer = std::cin.rdbuf();
        in.name = "standard input";
        return Status::Ok();
    }
    std::error_code ec;
    in.file.open(path, std::ios::binary);
    if (!in.file || std::filesystem::is_directory(path, ec)) return Status::Error("can't find file - " + path);
    in.buffer = in.file.rdbuf();
    in.name = path;
    return Status::Ok();
}

Status Run(const BatchOptions& o, const Tables& tables, Input& in, StreamReport& report) {
    CaseLineReader reader(*in.buffer, in.name);
    const std::unique_ptr<ResultFormat> format = FormatOf(o.format);
    const FaultListener faulted = [&](const FaultedRow& f) {
        std::fprintf(stderr, "veltar-cli: %s: line %d (%s): %s\n", Printable(in.name).c_str(), f.line,
                     Printable(f.Ident).c_str(), f.fault.c_str());
    };
    StreamOptions options;
    options.jobs = o.jobs;
    if (o.output == kStdio) {
        StdoutSink out;
        if (Status s = StreamResultTable(reader, tables, *format, out, options, faulted, report); !s) return s;
        return out.Flush();
    }
    FileSink out(o.output);
    if (Status s = out.Open(); !s) return s;
    if (Status s = StreamResultTable(reader, tables, *format, out, options, faulted, report); !s) return s;
    return out.Commit();
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
    if (o.input != kStdio && o.output != kStdio)
        if (Status s = CheckResultPath(o.input, o.output); !s) return FileError(s.message);
    Tables tables;
    if (Status s = LoadTables(o.dataDir, tables); !s) return FileError(s.message);
    Input in;
    if (Status s = OpenInput(o.input, in); !s) return FileError(s.message);
    StreamReport report;
    const Status s = Run(o, tables, in, report);
    if (!report.warning.empty()) std::fprintf(stderr, "veltar-cli: warning: %s\n", Printable(report.warning).c_str());
    if (!s) return FileError(s.message);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    // Beside a result on standard output the summary would read as part of it.
    std::FILE* summary = o.output == kStdio ? stderr : stdout;
    const std::string name = o.output == kStdio ? "standard output" : o.output;
    std::fprintf(summary, "%s: %lld rows, %lld cases, %lld faulted, %.3f s\n", name.c_str(),
                 static_cast<long long>(report.rows), static_cast<long long>(report.cases),
                 static_cast<long long>(report.faulted), took.count());
    return kExitOk;
}

}  // namespace veltar::cli

// The streamed batch against the table the database window writes from a table read
// whole: the same bytes whatever the threads and blocks, faults in row order, and a
// run that stops at a bad row or a failing sink.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "bench/case_mix.h"
#include "files/datatables.h"
#include "run/batch.h"
#include "run/batchstream.h"

namespace veltar {
namespace {

namespace fs = std::filesystem;

std::string FileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class Collected : public TextSink {
public:
    explicit Collected(int failingWrite = -1) : failingWrite_(failingWrite) {}
    Status Write(std::string_view piece) override {
        if (writes_++ == failingWrite_) return Status::Error("disk full");
        text += piece;
        return Status::Ok();
    }
    std::string text;

private:
    int failingWrite_;
    int writes_ = 0;
};

struct Streamed {
    Status status = Status::Ok();
    std::string text;
    StreamReport report;
    std::vector<FaultedRow> faults;
};

class BatchStream : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables).ok); }

    // The result table as the database window writes it, from the rows in memory.
    std::string Whole(const std::string& table, ResultReport& report) {
        std::istringstream in(table);
        CaseDatabase db;
        std::vector<std::string> warnings;
        EXPECT_TRUE(ParseCaseTable(in, "t.velti", tables, 0, db, warnings).ok);
        const fs::path out = fs::path(::testing::TempDir()) / "veltar_batchstream_whole.velto";
        Case c;
        EXPECT_TRUE(WriteResultTable(out.string(), c, tables, db, 0, report).ok);
        std::string text = FileText(out);
        fs::remove(out);
        return text;
    }

    Streamed Stream(const std::string& table, const StreamOptions& options, Collected sink = Collected()) {
        std::istringstream in(table);
        CaseLineReader reader(*in.rdbuf(), "t.velti");
        Streamed s;
        s.status = StreamResultTable(
            reader, tables, VeltoFormat('.'), sink, options, [&](const FaultedRow& f) { s.faults.push_back(f); },
            s.report);
        s.text = sink.text;
        return s;
    }

    Tables tables;
};

std::string Example(const std::string& path) { return FileText(path); }

TEST_F(BatchStream, SameTableWhateverTheThreadsAndBlocks) {
    // The generated mix has a comment row every 100 cases and faulted cases among them.
    const std::string inputs[] = {Example(std::string(VELTAR_EXAMPLES) + "/deck3.velti"),
                                  Example(std::string(VELTAR_FIXTURES) + "/casedb/one_fault.velti"),
                                  bench::CaseMixTable(2500), "End\r\n"};
    const StreamOptions runs[] = {{.jobs = 1},
                                  {.jobs = 1, .blockRows = 7},
                                  {.jobs = 2, .blockRows = 1},
                                  {.jobs = 3, .blockRows = 64},
                                  {.jobs = 2, .blockBytes = 1}};
    for (const std::string& table : inputs) {
        ResultReport whole;
        const std::string expected = Whole(table, whole);
        for (const StreamOptions& o : runs) {
            const Streamed s = Stream(table, o);
            ASSERT_TRUE(s.status.ok) << s.status.message;
            EXPECT_TRUE(s.text == expected)
                << "jobs " << o.jobs << ", blocks of " << o.blockRows << " rows, " << o.blockBytes << " bytes";
            EXPECT_EQ(s.report.cases, whole.cases);
            ASSERT_EQ(s.faults.size(), whole.faulted.size());
            for (size_t i = 0; i < s.faults.size(); ++i)
                EXPECT_EQ(std::tie(s.faults[i].line, s.faults[i].Ident, s.faults[i].fault),
                          std::tie(whole.faulted[i].line, whole.faulted[i].Ident, whole.faulted[i].fault));
        }
    }
}

// A case row of the mix with a plate of thickness 0, which faults.
std::string ZeroPlateRow(const std::string& ident) {
    const std::string mix = bench::CaseMixTable(1);
    std::string row = mix.substr(mix.find("\nMix") + 1);
    row.resize(row.find('\n') + 1);
    std::vector<std::string> cells;
    for (size_t at = 0, end = 0; end != std::string::npos; at = end + 1)
        cells.push_back(row.substr(at, (end = row.find('\t', at)) - at));
    cells[1] = ident;
    cells[22] = "0";
    std::string text;
    for (const std::string& cell : cells) text += (text.empty() ? "" : "\t") + cell;
    return text;
}

TEST_F(BatchStream, FaultedRowsInAParallelRunComeInRowOrder) {
    const std::string mix = bench::CaseMixTable(600);
    std::string table;
    std::vector<int> zeroLines;
    int line = 0;
    for (size_t at = 0; at < mix.rfind("End"); at = mix.find('\n', at) + 1) {
        table += mix.substr(at, mix.find('\n', at) + 1 - at);
        if (++line % 97 == 0) {
            table += ZeroPlateRow("Z" + std::to_string(++line));
            zeroLines.push_back(line);
        }
    }
    const Streamed s = Stream(table, {.jobs = 2, .blockRows = 5});
    ASSERT_TRUE(s.status.ok);
    std::vector<int> faultLines;
    for (const FaultedRow& f : s.faults) faultLines.push_back(f.line);
    EXPECT_EQ(faultLines, zeroLines);
    EXPECT_EQ(s.faults.front().Ident, "Z" + std::to_string(zeroLines.front()));
    EXPECT_EQ(s.report.faulted, static_cast<std::int64_t>(zeroLines.size()));
    ResultReport whole;
    EXPECT_TRUE(s.text == Whole(table, whole)) << "the cases after a faulted one are unaffected";
    EXPECT_EQ(s.report.warning, "t.velti: no \"End\" row; read to the end of the file");
}

TEST_F(BatchStream, ABadRowEndsTheRunAfterTheRowsBeforeIt) {
    std::string table = bench::CaseMixTable(300);
    const size_t cut = table.find("\nMix\tC00250");
    ResultReport whole;
    const std::string before = Whole(table.substr(0, cut + 1) + "End\r\n", whole);
    const int badLine = static_cast<int>(std::count(table.begin(), table.begin() + cut + 1, '\n')) + 1;
    const struct {
        std::string row;
        std::string message;
    } bad[] = {
        {"Mix\tshort\r\n", "t.velti: line " + std::to_string(badLine) + ": a case row needs 32 cells, found 2"},
        {std::string(70000, '%') + "\r\n",
         "t.velti: line " + std::to_string(badLine) + " is longer than 65536 characters"},
    };
    for (const auto& k : bad)
        for (const int jobs : {1, 2}) {
            const Streamed s =
                Stream(table.substr(0, cut + 1) + k.row + table.substr(cut + 1), {.jobs = jobs, .blockRows = 16});
            EXPECT_EQ(s.status.message, k.message);
            EXPECT_TRUE(s.text == before) << "jobs " << jobs;
        }
}

TEST_F(BatchStream, AFailingSinkEndsTheRunWithItsMessage) {
    for (const int jobs : {1, 2}) {
        const Streamed s = Stream(bench::CaseMixTable(400), {.jobs = jobs, .blockRows = 8}, Collected(3));
        EXPECT_EQ(s.status.message, "disk full");
        EXPECT_LE(s.report.rows, 3 * 8);
    }
}

}  // namespace
}  // namespace veltar

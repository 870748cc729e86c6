// The batch run of a case table of any length: rows read, calculated and written a
// block at a time, the blocks calculated on several threads and written in row order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/case.h"
#include "core/status.h"
#include "files/casedb.h"
#include "profiles/tables.h"
#include "run/batch.h"

namespace veltar {

// Where the result text goes, a block at a time.
class TextSink {
public:
    virtual ~TextSink() = default;
    virtual Status Write(std::string_view text) = 0;
};

// The text a result table gives its header and its rows. Called from several threads
// at once, so it keeps no state of its own.
class ResultFormat {
public:
    virtual ~ResultFormat() = default;
    virtual void Header(std::string& out) const = 0;
    virtual void Comment(std::string& out, const CaseRow& row) const = 0;
    // A case row after its run; `fault` is empty when the run gave trustworthy factors.
    virtual void Calculated(std::string& out, const CaseRow& row, const Case& c, const std::string& fault) const = 0;
};

// The result table ("*.velto"): TAB-separated cells, CR LF line ends.
class VeltoFormat final : public ResultFormat {
public:
    explicit VeltoFormat(char decimalSeparator) : sep_(decimalSeparator) {}
    void Header(std::string& out) const override;
    void Comment(std::string& out, const CaseRow& row) const override;
    void Calculated(std::string& out, const CaseRow& row, const Case& c, const std::string& fault) const override;

private:
    char sep_;
};

struct StreamOptions {
    int jobs = 1;    // threads that read cells and calculate; 1 does it on the calling thread
    int decSep = 0;  // the decimal separator the cells are read with, as ParseNumber takes it
    // A block closes at this many rows or this much row text, whichever comes first,
    // so that comment rows of any length keep the memory of a block bounded.
    std::size_t blockRows = 512;
    std::size_t blockBytes = std::size_t{1} << 20;
};

struct StreamReport {
    std::int64_t rows = 0;
    std::int64_t cases = 0;
    std::int64_t faulted = 0;
    std::string warning;  // the reader's, about a table without an "End" row
};

// Each faulted case, in row order, as its block is written.
using FaultListener = std::function<void(const FaultedRow&)>;

// Reads every row of `reader`, calculates its cases and writes the result text to
// `sink`: the header, then one line per row in row order. Every block starts from
// the same fresh case, so the text is the same whatever the number of threads. A row
// that cannot be read ends the run with its message after the rows before it were
// written; a sink that fails ends it with the sink's message. The threads take the
// blocks in turn while the calling thread reads lines and writes the finished blocks.
Status StreamResultTable(CaseLineReader& reader, const Tables& tables, const ResultFormat& format, TextSink& sink,
                         const StreamOptions& options, const FaultListener& faulted, StreamReport& report);

// The run of one case row, in one place: the row made the case and its numbers
// calculated (the result table shows no line texts, and span warnings would repeat
// for every case; the table shows the spans).
void CalculateRow(Case& c, const Tables& tables, const CaseRow& row);

}  // namespace veltar

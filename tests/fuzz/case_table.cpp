// A case table read in both locales and run as the database window and the command
// line do: whatever reads must run and write a result table of one line per row after
// the header, the command line's streaming on two threads must refuse the same tables
// and write the same bytes, and a byte-order mark at the start changes nothing.
#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "files/casedb.h"
#include "fuzz_support.h"
#include "run/batch.h"
#include "run/batchstream.h"

namespace veltar::fuzz {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Rows beyond these repeat the same steps on other values, which the project-file
// target covers; a long table would only slow the search down.
constexpr int kRowsRun = 4;

bool Parse(std::string_view text, int decSep, CaseDatabase& db) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> warnings;
    return ParseCaseTable(in, "table", ShippedTables(), decSep, db, warnings).ok;
}

// A mark at the start of the file is no part of the table. (A second mark after it
// is text; without the first it would be the mark itself.)
void RequireMarkDropped(std::string_view text, int decSep, const CaseDatabase& db) {
    if (!text.starts_with(kBom) || text.substr(kBom.size()).starts_with(kBom)) return;
    CaseDatabase bare;
    Require(Parse(text.substr(kBom.size()), decSep, bare), "a table reads with or without its mark");
    Require(bare.DbRowCount() == db.DbRowCount(), "a mark changes no row count");
    for (int i = 0; i < db.DbRowCount(); ++i)
        Require(bare.rows[i].Project == db.rows[i].Project, "a mark reaches no cell");
}

class TextOf : public TextSink {
public:
    Status Write(std::string_view piece) override {
        text += piece;
        return Status::Ok();
    }
    std::string text;
};

// The result table as `veltar-cli batch` writes it; nothing when it refuses the table.
std::optional<std::string> Streamed(std::string_view text) {
    std::istringstream in{std::string(text)};
    CaseLineReader reader(*in.rdbuf(), "table");
    StreamOptions options;
    options.jobs = 2;
    options.blockRows = 2;
    TextOf sink;
    StreamReport report;
    const Status s = StreamResultTable(
        reader, ShippedTables(), VeltoFormat('.'), sink, options, [](const FaultedRow&) {}, report);
    if (!s) return std::nullopt;
    return sink.text;
}

std::string RunTable(CaseDatabase& db) {
    if (db.DbRowCount() > kRowsRun) db.rows.resize(kRowsRun);
    const std::string out = ScratchDir() + "/result.velto";
    Case c;
    ResultReport report;
    const Status s = WriteResultTable(out, c, ShippedTables(), db, 0, report);
    Require(s.ok, "a table that reads runs: " + s.message);
    const std::string result = ReadBytes(out);
    Require(std::count(result.begin(), result.end(), '\n') == db.DbRowCount() + 1,
            "the result table holds the header and one line per row");
    return result;
}

}  // namespace
}  // namespace veltar::fuzz

// Read in both locales (they differ in how a cell becomes a number); run once, as the
// command line does.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace veltar;
    using namespace veltar::fuzz;
    const std::string_view text = AsText(data, size);
    CaseDatabase comma, point;
    if (Parse(text, 1, comma)) RequireMarkDropped(text, 1, comma);
    const bool read = Parse(text, 0, point);
    const std::optional<std::string> streamed = Streamed(text);
    Require(streamed.has_value() == read, "the streaming batch refuses the tables the window refuses");
    if (!read) return 0;
    RequireMarkDropped(text, 0, point);
    const bool whole = point.DbRowCount() <= kRowsRun;
    const std::string result = RunTable(point);
    Require(!whole || *streamed == result, "the streaming batch writes the window's result table");
    return 0;
}

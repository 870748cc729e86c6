// A case table read and run as the batch does, in both locales: whatever reads must
// run and write a result table of one line per row after the header, and a
// byte-order mark never reaches a cell.
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "files/casedb.h"
#include "fuzz_support.h"
#include "run/batch.h"

namespace veltar::fuzz {
namespace {

void RunTable(std::string_view text, int decSep) {
    std::istringstream in{std::string(text)};
    CaseDatabase db;
    std::vector<std::string> warnings;
    if (!ParseCaseTable(in, "table", ShippedTables(), decSep, db, warnings)) return;
    Require(db.rows.empty() || !db.rows[0].Project.starts_with("\xEF\xBB\xBF"), "no byte-order mark in a cell");
    const std::string out = ScratchDir() + "/result.velto";
    Case c;
    ResultReport report;
    const Status s = WriteResultTable(out, c, ShippedTables(), db, decSep, report);
    Require(s.ok, "a table that reads runs: " + s.message);
    const std::string result = ReadBytes(out);
    Require(std::count(result.begin(), result.end(), '\n') == db.DbRowCount() + 1,
            "the result table holds the header and one line per row");
}

}  // namespace
}  // namespace veltar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const int decSep : {0, 1}) veltar::fuzz::RunTable(veltar::fuzz::AsText(data, size), decSep);
    return 0;
}

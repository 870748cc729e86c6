// The result table ("*.velto"): every row of a case table again, each case row with
// its usage factors after a full calculation run.
#pragma once

#include <string>
#include <vector>

#include "core/case.h"
#include "core/status.h"
#include "files/casedb.h"
#include "profiles/tables.h"

namespace veltar {

struct FaultedRow {
    int line = 0;  // line of the case table
    std::string Ident;
    std::string fault;
};

struct ResultReport {
    int cases = 0;
    std::vector<FaultedRow> faulted;
};

// The case table's path with its extension replaced by ".velto", or ".velto"
// appended when it has none.
std::string ResultPath(const std::string& casePath);

// The header line, 44 TAB-separated captions, without its line end.
std::string ResultHeader();

// The result line of the current case, without its line end. A faulted run wrote
// some factors and left the others from the previous case, so none is written.
std::string ResultLineText(const Case& c, bool faulted, char sep);

// Loads and recalculates every case row in turn and writes the table to `path`
// through a temporary file in the same folder, so a failed write leaves any
// earlier table intact. Afterwards `c` holds the last case row.
Status WriteResultTable(const std::string& path, Case& c, const Tables& tables, CaseDatabase& db, int decSep,
                        ResultReport& report);

}  // namespace veltar

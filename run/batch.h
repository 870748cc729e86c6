// The batch run of a case table: every case row loaded and recalculated in turn,
// its result line written to the result table.
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

// Loads and recalculates every case row in turn and writes the table to `path`
// through a temporary file in the same folder, so a failed write leaves any
// earlier table intact. Afterwards `c` holds the last case row.
Status WriteResultTable(const std::string& path, Case& c, const Tables& tables, CaseDatabase& db, int decSep,
                        ResultReport& report);

}  // namespace veltar

// Every case row of a case table recalculated at once, for a window that shows the
// rows side by side: each case's usage factors as the result table writes them, and
// the case that governs each factor.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/case.h"
#include "files/casedb.h"
#include "files/resulttable.h"
#include "profiles/tables.h"

namespace veltar {

struct CaseOutcome {
    int row = 0;  // index in the table's rows
    bool comment = false;
    std::string stiffener;            // the result table's profile cells
    std::string girder;               //
    std::vector<FactorCell> factors;  // one a column of FactorFields(); none for a comment
    std::string fault;                // why the run gave no factors; empty when it gave them

    // Whether any check of the case fails or could not be run.
    bool Fails() const;
};

// Whether a cell fails its check: a factor above 1.0 (the allowed usage factor of the
// case is already inside each factor), an unbounded one, or a faulted run.
bool Fails(const FactorCell& cell);

// Told the number of rows done after each row; returning false stops the run.
using RowProgress = std::function<bool(int done)>;

// Loads and recalculates every case row in turn into `scratch`; numbers are written
// with a decimal point. Nullopt when `progress` stopped the run.
std::optional<std::vector<CaseOutcome>> RunCaseRows(Case& scratch, const Tables& tables, CaseDatabase& db,
                                                    const RowProgress& progress);

// For each column of FactorFields() the index (in `outcomes`) of the case with the
// largest factor, the first of equals in table order; -1 where no case has one.
std::vector<int> GoverningCases(const std::vector<CaseOutcome>& outcomes);

}  // namespace veltar

// Making a case row of the database the current case and recalculating it.
#pragma once

#include <string>

#include "core/case.h"
#include "files/casedb.h"
#include "profiles/tables.h"
#include "run/calculate.h"

namespace veltar {

// Copies a case row into the case and recalculates the whole panel with its
// stiffener and girder sections. The profile and grade choices of the row replace
// the case's; the check mode and the deformation option stay. False (nothing
// loaded) for a comment row or a row beyond the table.
bool LoadDatabaseCase(Case& c, const Tables& tables, CaseDatabase& db, int row, CalcEvents& events);

// The first half of LoadDatabaseCase: the row's inputs, profiles and grades copied
// into the case and its stiffener and girder sections computed, ready to calculate.
void ApplyCaseRow(Case& c, const Tables& tables, const CaseRow& r);

// Why the last run of `c` gave no trustworthy factors; empty when it gave them.
std::string RunFault(const Case& c);

}  // namespace veltar

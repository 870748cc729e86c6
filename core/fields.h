// The numeric fields of the case record by name, in one table, for the headless
// JSON output and any other listing of the case by field name.
#pragma once

#include <span>

#include "core/case.h"

namespace veltar {

struct NumericField {
    const char* name;
    double (*get)(const Case&);
};

// Inputs first, then derived values, section properties and usage factors.
std::span<const NumericField> CaseNumericFields();

}  // namespace veltar

// The data tables shipped with the program, for the tests of the layers below the
// one that reads data-table files.
#pragma once

#include "core/status.h"
#include "profiles/tables.h"

namespace veltar {

// Reads the tables of the source tree's data folder into `tables`.
Status ReadShippedTables(Tables& tables);

}  // namespace veltar

// A deterministic mix of panels as a case table: every stiffener code, both girders,
// the three structure types and loading conditions, compression and tension.
#pragma once

#include <string>

namespace veltar::bench {

// A case table of `cases` case rows (a comment row every 100 cases), ending in "End".
std::string CaseMixTable(int cases);

}  // namespace veltar::bench

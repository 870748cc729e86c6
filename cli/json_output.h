// The headless contract: the case after a run as one JSON object.
#pragma once

#include <string>
#include <vector>

#include "core/case.h"

namespace veltar::cli {

// {"fields", "lines", "texts", "rows", "messages", "fault"}; each number in the shortest
// text that reads back to the same value of its own precision; NaN and infinity as null.
std::string CaseJson(const Case& c, const std::vector<std::string>& messages);

}  // namespace veltar::cli

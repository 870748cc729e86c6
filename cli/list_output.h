// The result list as a person reads it: three aligned columns.
#pragma once

#include <string>

#include "core/case.h"

namespace veltar::cli {

// With `colour`, usage factors are green or red and headings bold (ANSI), as in the window.
std::string ListText(const Case& c, bool colour);

}  // namespace veltar::cli

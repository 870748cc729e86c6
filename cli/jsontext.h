// JSON values as text: numbers in the shortest text that reads back to the same value
// of their own precision, and escaped strings.
#pragma once

#include <string>
#include <string_view>

#include "core/real.h"

namespace veltar::cli {

// A 32-bit value (a Real of kind Single) as the shortest text that reads back to the
// same float ("1.43", not the float widened to "1.4299999475479126"); any other
// value as the shortest text of its double. NaN and infinity as null.
void JsonNumber(std::string& out, Real x);

// Between double quotes, with quotes, backslashes and control characters escaped.
void JsonString(std::string& out, std::string_view s);

}  // namespace veltar::cli

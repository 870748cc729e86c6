// JSON values as text: numbers that read back exactly and escaped strings.
#pragma once

#include <string>
#include <string_view>

namespace veltar::cli {

// 17 significant digits, so the number reads back exactly; NaN and infinity as null.
void JsonNumber(std::string& out, double x);

// Between double quotes, with quotes, backslashes and control characters escaped.
void JsonString(std::string& out, std::string_view s);

}  // namespace veltar::cli

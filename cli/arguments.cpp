// Option values: std::from_chars reads a point whatever the locale says.
#include "cli/arguments.h"

#include <charconv>
#include <cmath>

#include "core/parse.h"

namespace veltar::cli {
namespace {

std::string_view WithoutPlus(std::string_view s) { return !s.empty() && s[0] == '+' ? s.substr(1) : s; }

}  // namespace

bool ReadNumberArg(std::string_view text, double& value) {
    if (!IsDecimal(text)) return false;
    const std::string_view s = WithoutPlus(text);
    double v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec != std::errc() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

bool ReadWholeArg(std::string_view text, int min, int max, int& value) {
    const std::string_view s = WithoutPlus(text);
    int v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || res.ec != std::errc() || res.ptr != s.data() + s.size() || v < min || v > max) return false;
    value = v;
    return true;
}

}  // namespace veltar::cli

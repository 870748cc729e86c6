// ParseNumber: typed text to a 32-bit float, reading "," and "." alike.
#include "core/parse.h"

#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

namespace veltar {
namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

}  // namespace

size_t DecimalPrefix(std::string_view s) {
    size_t i = 0, digits = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    for (; i < s.size() && IsDigit(s[i]); ++i) ++digits;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && IsDigit(s[i]); ++i) ++digits;
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) ++j;
            i = j;
        }
    }
    return i;
}

namespace {

// Value of a number text in invariant form as a float; nothing when it lies beyond
// the float range (a tiny value underflows to zero).
std::optional<float> ToFloat(std::string_view num) {
    if (!num.empty() && num[0] == '+') num.remove_prefix(1);
    double v = 0;
    auto res = std::from_chars(num.data(), num.data() + num.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        const auto e = num.find_first_of("eE");
        const bool tiny = e != std::string_view::npos && num.find('-', e) != std::string_view::npos;
        if (!tiny) return std::nullopt;
        v = 0;
    } else if (res.ec != std::errc()) {
        return 0.0f;
    }
    if (std::fabs(v) > static_cast<double>(FLT_MAX)) return std::nullopt;
    return static_cast<float>(v);
}

}  // namespace

std::optional<float> ParseNumber(std::string_view text, int decSep) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    std::string s(text);
    if (decSep == 0) {
        for (char& ch : s)
            if (ch == ',') ch = '.';
        const size_t n = DecimalPrefix(s);
        if (n == 0) return 0.0f;
        return ToFloat(std::string_view(s).substr(0, n));
    }
    // Comma locale: the whole text must be one number, blanks after it allowed.
    for (char& ch : s)
        if (ch == '.' || ch == ',') ch = '.';
    while (!s.empty() && s.back() == ' ') s.pop_back();
    const size_t n = DecimalPrefix(s);
    if (n == 0 || n != s.size()) return std::nullopt;
    return ToFloat(s);
}

i16 DetectDecimalPoint(std::string_view textOfOnePointOne) { return textOfOnePointOne == "1.1" ? 0 : 1; }

}  // namespace veltar

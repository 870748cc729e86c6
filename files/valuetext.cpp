// Reading and writing single project-file values without the locale's help:
// std::from_chars always reads a point, whatever the user's number settings are.
#include "files/valuetext.h"

#include <cfloat>
#include <charconv>
#include <cmath>

namespace veltar {
namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

size_t SkipDigits(std::string_view s, size_t i) {
    while (i < s.size() && IsDigit(s[i])) ++i;
    return i;
}

// [+-] digits [. digits] [E [+-] digits], or a mantissa starting at the point;
// the whole text must match, so "inf", "nan" and hex forms are refused.
bool IsDecimal(std::string_view s) {
    size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    const size_t intEnd = SkipDigits(s, i);
    size_t end = intEnd;
    bool digits = intEnd > i;
    if (end < s.size() && s[end] == '.') {
        const size_t fracEnd = SkipDigits(s, end + 1);
        digits = digits || fracEnd > end + 1;
        end = fracEnd;
    }
    if (!digits) return false;
    if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
        size_t e = end + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
        const size_t expEnd = SkipDigits(s, e);
        if (expEnd == e) return false;
        end = expEnd;
    }
    return end == s.size();
}

bool HasNegativeExponent(std::string_view s) {
    const size_t e = s.find_first_of("eE");
    return e != std::string_view::npos && e + 1 < s.size() && s[e + 1] == '-';
}

template <typename T>
LineNumber ReadAs(std::string_view text) {
    std::string_view s = TrimBlanks(text);
    if (!IsDecimal(s)) return {0, LineNumber::Fault::NotANumber};
    if (s[0] == '+') s.remove_prefix(1);
    T v{};
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec == std::errc()) return {static_cast<double>(v), LineNumber::Fault::None};
    // Out of range: an underflow is a zero (as the writer's tiny values are), an
    // overflow cannot be held by the field.
    if (HasNegativeExponent(s)) return {s[0] == '-' ? -0.0 : 0.0, LineNumber::Fault::None};
    return {0, LineNumber::Fault::OutOfRange};
}

}  // namespace

LineNumber ReadDoubleText(std::string_view text) { return ReadAs<double>(text); }

LineNumber ReadSingleText(std::string_view text) { return ReadAs<float>(text); }

std::string_view UnquoteText(std::string_view line) {
    const std::string_view s = TrimBlanks(line);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return s.substr(1, s.size() - 2);
    return s;
}

std::string QuoteText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (const char ch : text) {
        if (ch == '"')
            out += '\'';
        else if (ch == '\r' || ch == '\n')
            out += ' ';
        else
            out += ch;
    }
    out += '"';
    return out;
}

}  // namespace veltar

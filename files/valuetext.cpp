// Reading and writing single project-file values without the locale's help:
// std::from_chars always reads a point, whatever the user's number settings are.
#include "files/valuetext.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>

#include "core/numformat.h"
#include "core/parse.h"
#include "core/text.h"

namespace veltar {
namespace {

bool HasNegativeExponent(std::string_view s) {
    const size_t e = s.find_first_of("eE");
    return e != std::string_view::npos && e + 1 < s.size() && s[e + 1] == '-';
}

template <typename T>
LineNumber ReadAs(std::string_view text) {
    std::string_view s = Trim(text);
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

// The shortest text that reads back as `x`, in the plain form where the number has at
// most `digits` integer digits and no more than four zeros after the point,
// else as mantissa, "E", sign and at least two exponent digits, as PlainText writes it.
template <typename T>
std::string ExactText(T x, int digits) {
    std::string text = PlainText(x);
    const LineNumber back = ReadAs<T>(text);
    if (back.fault == LineNumber::Fault::None && back.value == static_cast<double>(x)) return text;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
    char* e = std::find(buf, res.ptr, 'e');
    int exponent = 0;
    std::from_chars(e[1] == '+' ? e + 2 : e + 1, res.ptr, exponent);
    if (exponent > -5 && exponent < digits) {
        res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
        return std::string(buf, res.ptr);
    }
    *e = 'E';
    return std::string(buf, res.ptr);
}

}  // namespace

LineNumber ReadDoubleText(std::string_view text) { return ReadAs<double>(text); }

LineNumber ReadSingleText(std::string_view text) { return ReadAs<float>(text); }

std::string_view UnquoteText(std::string_view line) {
    const std::string_view s = Trim(line);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return s.substr(1, s.size() - 2);
    return s;
}

std::string StorableText(std::string_view text) {
    std::string out(text);
    for (char& ch : out) {
        if (ch == '"')
            ch = '\'';
        else if (ch == '\r' || ch == '\n')
            ch = ' ';
    }
    return out;
}

std::string QuoteText(std::string_view text) { return '"' + StorableText(text) + '"'; }

std::string NumberText(float x) { return ExactText(x, 9); }

std::string NumberText(double x) { return ExactText(x, 17); }

}  // namespace veltar

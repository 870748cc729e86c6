// Reading and writing single project-file values without the locale's help:
// std::from_chars always reads a point, whatever the user's number settings are.
#include "files/valuetext.h"

#include <cfloat>
#include <charconv>
#include <cmath>

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

}  // namespace

LineNumber ReadDoubleText(std::string_view text) { return ReadAs<double>(text); }

LineNumber ReadSingleText(std::string_view text) { return ReadAs<float>(text); }

std::string_view UnquoteText(std::string_view line) {
    const std::string_view s = Trim(line);
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

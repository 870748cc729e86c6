// Reading typed numbers: either decimal separator is accepted in both locales.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/case.h"

namespace veltar {

// The decimal grammar of every number the program reads from text:
// [+-] digits [. digits] [(e|E) [+-] digits], with at least one digit before or after
// the point; an exponent counts only with its digits. The length of the longest such
// number at the start of `s`, 0 when there is none.
size_t DecimalPrefix(std::string_view s);

// Whether the whole of `s` is one such number ("inf", "nan" and hex forms are not).
inline bool IsDecimal(std::string_view s) { return !s.empty() && DecimalPrefix(s) == s.size(); }

// Point locale (decSep 0): "," reads as ".", the longest leading number counts and
// text without one reads as 0. Comma locale: "." reads as ",", the whole text must be
// a number, otherwise there is no value ("Input string mismatch "). A value beyond the
// range of a 32-bit float has no value in either locale.
std::optional<float> ParseNumber(std::string_view text, int decSep);

// DecSep from the locale's text of 1.1 written with one decimal: 0 when it is "1.1".
i16 DetectDecimalPoint(std::string_view textOfOnePointOne);

}  // namespace veltar

// Number masks ("0", "#0.0", "0.00E+0", ...) and plain number text.
// A value is first written to 15 significant digits (double) or 7 (32-bit float),
// then rounded half away from zero to the mask; this is how the result texts get
// their last digit, so the precision of the value decides the text. A value that is
// not finite is written "NaN", "Inf" or "-Inf" (with a mask's literal characters).
#pragma once

#include <string>
#include <string_view>

#include "core/real.h"

namespace veltar {

// Decimal separator of the number texts: '.' for DecSep = 0, ',' otherwise.
inline char SepOf(int decSep) { return decSep == 0 ? '.' : ','; }

std::string Format(double x, std::string_view mask, char sep = '.');
std::string Format(float x, std::string_view mask, char sep = '.');
std::string Format(Real x, std::string_view mask, char sep = '.');
std::string Format(int x, std::string_view mask, char sep = '.');

// Appending forms for building result texts without temporaries.
void AppendFormat(std::string& out, double x, std::string_view mask, char sep = '.');
void AppendFormat(std::string& out, float x, std::string_view mask, char sep = '.');

// Shortest plain text: up to 7 significant digits for a float, 15 for a double,
// exponent form ("1.234568E+07", "1E-05") only where the plain form needs more.
std::string PlainText(float x, char sep = '.');
std::string PlainText(double x, char sep = '.');
std::string PlainText(Real x, char sep = '.');

}  // namespace veltar

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

// A mask read into its parts. The result texts write about a hundred numbers a run
// under a dozen literal masks: those are read when the program is compiled (the
// implicit constructor), a mask known only at run time by Read.
struct NumMask {
    int intZeros = 0;   // integer digits always written
    int intPlaces = 0;  // integer placeholders, '0' or '#'
    int decZeros = 0;   // decimals always written
    int decPlaces = 0;  // decimal placeholders, '0' or '#'
    bool point = false;
    bool exponent = false;
    bool expSignAlways = false;
    int expZeros = 0;
    std::string_view suffix;  // literal characters after the number

    constexpr NumMask() = default;
    consteval NumMask(const char* text) : NumMask(Read(text)) {}

    static constexpr NumMask Read(std::string_view m) {
        NumMask k;
        size_t i = 0;
        for (; i < m.size() && (m[i] == '0' || m[i] == '#'); ++i) {
            ++k.intPlaces;
            if (m[i] == '0') ++k.intZeros;
        }
        if (i < m.size() && m[i] == '.') {
            k.point = true;
            for (++i; i < m.size() && (m[i] == '0' || m[i] == '#'); ++i) {
                ++k.decPlaces;
                if (m[i] == '0') ++k.decZeros;
            }
        }
        if (i + 1 < m.size() && (m[i] == 'E' || m[i] == 'e') && (m[i + 1] == '+' || m[i + 1] == '-')) {
            k.exponent = true;
            k.expSignAlways = m[i + 1] == '+';
            for (i += 2; i < m.size() && m[i] == '0'; ++i) ++k.expZeros;
        }
        k.suffix = m.substr(i);
        return k;
    }
};

// Decimal separator of the number texts: '.' for DecSep = 0, ',' otherwise.
inline char SepOf(int decSep) { return decSep == 0 ? '.' : ','; }

std::string Format(double x, std::string_view mask, char sep = '.');
std::string Format(float x, std::string_view mask, char sep = '.');
std::string Format(Real x, std::string_view mask, char sep = '.');
std::string Format(int x, std::string_view mask, char sep = '.');

// Appending forms for building result texts into reused buffers.
void AppendFormat(std::string& out, double x, const NumMask& mask, char sep = '.');
void AppendFormat(std::string& out, float x, const NumMask& mask, char sep = '.');
void AppendFormat(std::string& out, Real x, const NumMask& mask, char sep = '.');

// Shortest plain text: up to 7 significant digits for a float, 15 for a double,
// exponent form ("1.234568E+07", "1E-05") only where the plain form needs more.
std::string PlainText(float x, char sep = '.');
std::string PlainText(double x, char sep = '.');
std::string PlainText(Real x, char sep = '.');

}  // namespace veltar

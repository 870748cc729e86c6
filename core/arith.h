// Checked arithmetic for the checks. A division by zero, the square root of a
// negative number or an overflow ends the calculation run at that operation:
// the helpers throw CalcFault, which only Calculate catches, so every field
// assigned before the fault keeps its new value and every later one its old value.
#pragma once

#include <string>
#include <string_view>

namespace veltar {

struct CalcFault {
    std::string text;  // "<check>: <cause> — <hint>"
};

inline double Sq(double x) { return x * x; }
inline double Cube(double x) { return x * x * x; }

class Checked {
public:
    explicit Checked(std::string_view check) : check_(check) {}

    double Div(double a, double b, std::string_view hint = {}) const;
    double Sqrt(double x, std::string_view hint = {}) const;
    double Pow(double base, double exponent, std::string_view hint = {}) const;
    // The value must be finite (an overflow otherwise).
    double Fin(double x, std::string_view hint = {}) const;
    // Rounds to a 32-bit float; a value beyond its range is an overflow.
    float F32(double x, std::string_view hint = {}) const;

    [[noreturn]] void Fail(std::string_view cause, std::string_view hint) const;

private:
    std::string_view check_;
};

}  // namespace veltar

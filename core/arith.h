// Checked arithmetic for the checks. A division by zero, the square root of a
// negative number or an overflow ends the calculation run at that operation:
// the helpers throw CalcFault, which only Calculate catches, so every field
// assigned before the fault keeps its new value and every later one its old value.
#pragma once

#include <cfloat>
#include <cmath>
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

    // The tests of a run's several hundred operations are inline; only a fault leaves.
    double Div(double a, double b, std::string_view hint = {}) const {
        if (b == 0.0) Fail("division by zero", hint);
        return Fin(a / b, hint);
    }
    double Sqrt(double x, std::string_view hint = {}) const {
        if (std::isnan(x)) Fail("overflow", hint);
        if (x < 0.0) Fail("square root of a negative number", hint);
        return Fin(std::sqrt(x), hint);
    }
    double Pow(double base, double exponent, std::string_view hint = {}) const;
    // The value must be finite (an overflow otherwise).
    double Fin(double x, std::string_view hint = {}) const {
        if (!std::isfinite(x)) Fail("overflow", hint);
        return x;
    }
    // Rounds to a 32-bit float; a value beyond its range is an overflow.
    float F32(double x, std::string_view hint = {}) const {
        if (!std::isfinite(x) || std::fabs(x) > static_cast<double>(FLT_MAX)) Fail("overflow", hint);
        return static_cast<float>(x);
    }

    [[noreturn]] void Fail(std::string_view cause, std::string_view hint) const;

private:
    std::string_view check_;
};

}  // namespace veltar

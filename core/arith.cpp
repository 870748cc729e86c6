// Checked arithmetic: the fault texts name the check, the cause and what to look at.
#include "core/arith.h"

#include <cfloat>
#include <cmath>

namespace veltar {

void Checked::Fail(std::string_view cause, std::string_view hint) const {
    std::string text(check_);
    text += ": ";
    text += cause;
    if (!hint.empty()) {
        text += " \u2014 ";
        text += hint;
    }
    throw CalcFault{std::move(text)};
}

double Checked::Div(double a, double b, std::string_view hint) const {
    if (b == 0.0) Fail("division by zero", hint);
    return Fin(a / b, hint);
}

double Checked::Sqrt(double x, std::string_view hint) const {
    if (std::isnan(x)) Fail("overflow", hint);
    if (x < 0.0) Fail("square root of a negative number", hint);
    return Fin(std::sqrt(x), hint);
}

double Checked::Pow(double base, double exponent, std::string_view hint) const {
    if (base < 0.0 && exponent != std::floor(exponent)) Fail("root of a negative number", hint);
    if (base == 0.0 && exponent < 0.0) Fail("division by zero", hint);
    return Fin(std::pow(base, exponent), hint);
}

double Checked::Fin(double x, std::string_view hint) const {
    if (!std::isfinite(x)) Fail("overflow", hint);
    return x;
}

float Checked::F32(double x, std::string_view hint) const {
    if (!std::isfinite(x) || std::fabs(x) > static_cast<double>(FLT_MAX)) Fail("overflow", hint);
    return static_cast<float>(x);
}

}  // namespace veltar

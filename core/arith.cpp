// Checked arithmetic: the fault texts name the check, the cause and what to look at.
#include "core/arith.h"

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

double Checked::Pow(double base, double exponent, std::string_view hint) const {
    if (base < 0.0 && exponent != std::floor(exponent)) Fail("root of a negative number", hint);
    if (base == 0.0 && exponent < 0.0) Fail("division by zero", hint);
    return Fin(std::pow(base, exponent), hint);
}

}  // namespace veltar

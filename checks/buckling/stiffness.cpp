// Stiffness of the stiffener (3/9.1): the moment of inertia the plating needs from
// its stiffener, io, against the stiffener's own with attached plating.
#include <cmath>

#include "checks/buckling/buckling.h"
#include "checks/buckling/common.h"

namespace veltar {

void StiffenerStiffness(Case& c) {
    const Checked k("Stiffener stiffness");
    ResultLine& line = c.StiffStiffnessLine;
    line.ClearTexts();
    const double t = c.t, sm = c.sm, L1 = c.L1;
    const double delta = k.Div(c.StiffAx, sm * t, "the plate thickness or the stiffener spacing is zero");
    const double alpha = k.Div(L1, sm, "the stiffener spacing is zero");
    const float gamma0 =
        k.F32((2.6 + 4.0 * delta) * Sq(alpha) + 12.4 * alpha - 13.2 * k.Sqrt(alpha, "the stiffener span is negative"),
              "the stiffener or its plating is out of range");
    c.io = k.Fin(gamma0 * (sm * std::pow(t, 3.0) / 12.0) / 0.91, "the plating is out of range");
    c.UFst = k.Div(c.io, c.IeBu, "the stiffener section has no moment of inertia: check the profile");
    if (!c.Texts) return;
    auto f = TextInto(c, line.Formula);
    f.Num(c.io, "0.000E+0") << "/";
    f.Num(c.IeBu, "0.000E+0") << " = ";
    TextInto(c, line.Value).Num(c.UFst, "0.00");
    SetLine(line, "UFst= io/Ieff = ", "  < 1.0 (3/9.1)", UsageColour(c.UFst));
}

}  // namespace veltar

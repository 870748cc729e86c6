// SigxS interpolates the longitudinal stress linearly across the panel to the
// stiffener line; each plate field then sees its two edge stresses in order.
#include "core/stresses.h"

#include <algorithm>

#include "core/arith.h"

namespace veltar {

void PrepareStresses(Case& c) {
    const Checked k("Stress pre-processing");
    const double s1 = c.s1, s2 = c.s2;
    c.ssum = k.F32(s1 + s2, "the stiffener spacings are too large");
    c.sm = (s1 + s2) / 2;
    const double sigxA = c.SigxA, sigxB = c.SigxB;
    c.SigxS = k.Fin(sigxA - (sigxA - sigxB) * k.Div(s1, s1 + s2, "the stiffener spacings s1 + s2 add up to zero"));
    c.SigxMin1 = std::min(sigxA, c.SigxS);
    c.SigxMax1 = std::max(sigxA, c.SigxS);
    c.SigxMin2 = std::min(sigxB, c.SigxS);
    c.SigxMax2 = std::max(sigxB, c.SigxS);
    const double sigyA = c.SigyA, sigyC = c.SigyC;
    c.SigyMin = std::min(sigyA, sigyC);
    c.SigyMax = std::max(sigyA, sigyC);
}

}  // namespace veltar

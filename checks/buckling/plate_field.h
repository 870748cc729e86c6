// One plate field (PL1 or PL2) of the panel: buckling, ultimate strength, lateral
// pressure and its effective width.
#pragma once

#include "core/case.h"

namespace veltar::buckling {

// Where a field leaves its usage factors and lines: the governing fields for PL1,
// working values and lines for PL2.
struct FieldOut {
    double& ufb;
    double& ufu;
    double& ufl;
    ResultLine& buckling;
    ResultLine& ultimate;
    ResultLine& lateral;
};

// Values both fields share: the edge coefficients of the stiffener kind (both zero
// for an unknown kind) and the shear yield stress tau0, a 32-bit float.
struct FieldConstants {
    double c1 = 0;
    double c2 = 0;
    float tau0 = 0;
};

// Checks field `no` (1 or 2) and returns its effective width se_i.
double CheckPlateField(Case& c, int no, const FieldConstants& fc, const FieldOut& out);

}  // namespace veltar::buckling

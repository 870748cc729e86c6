// The stresses the checks read, derived from the input stresses and spacings.
#pragma once

#include "core/case.h"

namespace veltar {

// ssum, sm, SigxS and the ordered edge stresses of the plate fields. Raises
// CalcFault when the spacings add up to zero or beyond the float range.
void PrepareStresses(Case& c);

}  // namespace veltar

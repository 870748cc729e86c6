// Outline of the stiffener on its `se` plate strip, for the section figure.
#pragma once

#include "core/case.h"

namespace veltar {

// Fills c.Outline from the resolved profile, t, se and zpBu.
void BuildOutline(Case& c);

}  // namespace veltar

// Stiffener section properties: the bare profile, the bending width sw, and the
// profile with its plate strip at the scantling, bending and buckling widths.
#pragma once

#include "core/case.h"
#include "profiles/tables.h"

namespace veltar {

// Resolves the dimensions of `kind`, writes stiffprof and StiffPicture, computes the
// bare properties, then applies the stiffener grade. Never throws: degenerate
// dimensions (a zero area, a bulb row with B = tw) leave the fault text in
// ProfileFault, which the calculation run reports.
void SetStiffenerProfile(Case& c, const Tables& tables, i16 kind);

// Effective plate width for bending, from the span/spacing table. Runs inside the
// calculation: raises CalcFault on a zero spacing.
void EffectiveWidthSw(Case& c);

// Properties with the plate strips beSc, sw and se; slenderness ratios and texts;
// the section outline. Raises CalcFault on a division by zero, and first the fault
// SetStiffenerProfile left in ProfileFault.
void StiffenerWithPlating(Case& c);

}  // namespace veltar

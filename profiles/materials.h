// Material grades: copying a grade's strengths into the case, and the material factor Q.
#pragma once

#include "core/case.h"
#include "profiles/tables.h"

namespace veltar {

// A table grade (index below the user-defined last one) sets Fyp and Fup.
void SetPlateMaterial(Case& c, const Tables& tables, i16 index);
// The same for Fys and Fus; also sets StiffQ to the grade's tabulated factor.
void SetStiffenerMaterial(Case& c, const Tables& tables, i16 index);

// Material factor Q of a grade: tabulated for the first four (ordinary-strength)
// grades, 489.55/(Fy + 2*Fu/3) otherwise. Runs inside the calculation: raises
// CalcFault when Fy + 2*Fu/3 is zero.
float MaterialQ(const Tables& tables, i16 index, double Fy, double Fu);

}  // namespace veltar

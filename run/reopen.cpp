// The recalculation that follows reading a project file: sums beyond the float
// range become infinities that the calculation then reports.
#include <cfloat>
#include <cmath>

#include "profiles/girder.h"
#include "profiles/materials.h"
#include "profiles/sections.h"
#include "run/reopen.h"

namespace veltar {
namespace {

// A sum beyond the float range becomes an infinity, as the hardware's own rounding
// would make it, instead of an undefined conversion; the calculation then reports it.
float SingleOrInfinity(double x) {
    if (std::fabs(x) > static_cast<double>(FLT_MAX)) return x > 0 ? INFINITY : -INFINITY;
    return static_cast<float>(x);
}

}  // namespace

void RecalculateOpened(Case& c, const Tables& tables) {
    c.ssum = SingleOrInfinity(static_cast<double>(c.s1) + static_cast<double>(c.s2));
    SetPlateMaterial(c, tables, c.PlateGradeIndex);
    SetStiffenerMaterial(c, tables, c.StiffGradeIndex);
    SetStiffenerProfile(c, tables, c.StiffKind);
    GirderSection(c);
}

}  // namespace veltar

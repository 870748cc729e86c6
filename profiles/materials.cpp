// Material grades: a table grade copies its strengths into the case; the last grade
// is the user's own and leaves the typed strengths alone.
#include "profiles/materials.h"

#include "core/arith.h"

namespace veltar {

namespace {

bool IsTableGrade(const Tables& tables, i16 index) {
    return index >= 0 && index < tables.Mat.count && index < kMaxMaterialRows;
}

}  // namespace

void SetPlateMaterial(Case& c, const Tables& tables, i16 index) {
    if (!IsTableGrade(tables, index)) return;
    c.Fyp = tables.Mat.Fy[index];
    c.Fup = tables.Mat.Fu[index];
}

void SetStiffenerMaterial(Case& c, const Tables& tables, i16 index) {
    if (IsTableGrade(tables, index)) {
        c.Fys = tables.Mat.Fy[index];
        c.Fus = tables.Mat.Fu[index];
    }
    // The user-defined grade has a factor too: its line of the table carries one.
    if (index >= 0 && index < kMaxMaterialRows) c.StiffQ = tables.Mat.Q[index];
}

float MaterialQ(const Tables& tables, i16 index, double Fy, double Fu) {
    // Only the ordinary-strength grades have a tabulated factor; the rule formula
    // covers every higher-strength and user-defined grade.
    if (index >= 0 && index <= 3) return tables.Mat.Q[index];
    const Checked k("Material factor Q");
    return k.F32(k.Div(489.55, Fy + 2 * Fu / 3, "Fy + 2 Fu/3 is zero"));
}

}  // namespace veltar

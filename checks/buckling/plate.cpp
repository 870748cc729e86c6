// Plate buckling of the panel: both plate fields, the governing field of each check
// and the effective width se of the plating that works with the stiffener.
#include <cmath>

#include "checks/buckling/buckling.h"
#include "checks/buckling/common.h"
#include "checks/buckling/plate_field.h"
#include "profiles/kinds.h"

namespace veltar {
namespace {

using buckling::FieldConstants;
using buckling::FieldOut;

// Flat bars and bulb flats restrain the plate edge less than flanged profiles.
FieldConstants EdgeCoefficients(i16 kind) {
    const StiffKindDef* k = StiffKindOf(kind);
    if (!k) return {};
    return k->weakEdge ? FieldConstants{1.0, 1.1} : FieldConstants{1.1, 1.2};
}

void ClearPlateLines(Case& c) {
    for (ResultLine* line : {&c.PlateBucklingLine, &c.PlateUltimateLine, &c.PlateLateralLine, &c.PlateBucklingLine2,
                             &c.PlateUltimateLine2, &c.PlateLateralLine2})
        line->ClearTexts();
}

// PL2 replaces PL1 only when strictly larger: on a tie PL1's line is shown.
void Govern(double& uf, ResultLine& line, double uf2, const ResultLine& line2) {
    if (uf2 > uf) {
        uf = uf2;
        line = line2;
    }
}

}  // namespace

void PlateBuckling(Case& c) {
    const Checked k("Plate buckling");
    ClearPlateLines(c);
    c.Pr = 0.6;
    c.Sig0 = c.Fyp;
    FieldConstants fc = EdgeCoefficients(c.StiffKind);
    fc.tau0 = k.F32(c.Fyp / std::sqrt(3.0), "the plate yield stress is out of range");

    const double se1 = buckling::CheckPlateField(
        c, 1, fc, FieldOut{c.UFpb, c.UFpu, c.UFpl, c.PlateBucklingLine, c.PlateUltimateLine, c.PlateLateralLine});
    double ufb2 = 0, ufu2 = 0, ufl2 = 0;
    const double se2 = buckling::CheckPlateField(
        c, 2, fc, FieldOut{ufb2, ufu2, ufl2, c.PlateBucklingLine2, c.PlateUltimateLine2, c.PlateLateralLine2});
    c.se = k.F32((se1 + se2) / 2.0, "the effective width is out of range");

    Govern(c.UFpl, c.PlateLateralLine, ufl2, c.PlateLateralLine2);
    Govern(c.UFpb, c.PlateBucklingLine, ufb2, c.PlateBucklingLine2);
    Govern(c.UFpu, c.PlateUltimateLine, ufu2, c.PlateUltimateLine2);
}

}  // namespace veltar

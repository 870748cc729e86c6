// The buckling part of the result list: headings, the result lines of the plate,
// stiffener and girder checks, the effective widths and the error notice.
#include "checks/buckling/buckling.h"
#include "core/numformat.h"

namespace veltar {
namespace {

std::string WidthsNote(const Case& c) {
    const char sep = SepOf(c.DecSep);
    return "Buckling, se = " + Format(c.se, "#0.0", sep) + " mm   " + "Bending, sw = " + Format(c.sw, "#0.0", sep) +
           " mm";
}

}  // namespace

void ShowBucklingResults(Case& c) {
    AddNote(c.Rows, "(Rule/Buckling: ABS-Buckling and Ultimate Strength Assessment for Offshore Structures)");
    AddHeading(c.Rows, "PLATE BUCKLING CONTROL: (Max from plate 1/2)");
    AddResultIfTitled(c.Rows, c.PlateBucklingLine);
    AddResultIfTitled(c.Rows, c.PlateUltimateLine);
    AddResultIfTitled(c.Rows, c.PlateLateralLine);
    AddHeading(c.Rows, "STIFFENER BUCKLING CONTROL:");
    AddNote(c.Rows, WidthsNote(c));
    AddResult(c.Rows, c.StiffBeamColumnLine);
    AddResult(c.Rows, c.StiffTorsionLine);
    AddResult(c.Rows, c.StiffStiffnessLine);
    if (c.CalcErrorFlag == 1)
        c.Rows.push_back({RowStyle::Error, "ERROR in calculation, decrease Sigy-stress", {}, {}, 255});
    AddHeading(c.Rows, "OVERALL BUCKLING CONTROL:");
    AddResult(c.Rows, c.GirderLine);
    if (c.InclDeform == 1 && double(c.p) != 0) {
        AddHeading(c.Rows, "STIFFENER DEFORMATION CHECK:");
        AddResultIfTitled(c.Rows, c.StiffDeformationLine);
    }
}

}  // namespace veltar

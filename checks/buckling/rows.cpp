// The buckling part of the result list: headings, the result lines of the plate,
// stiffener and girder checks, the effective widths and the error notice.
#include "checks/buckling/buckling.h"
#include "core/numformat.h"

namespace veltar {
namespace {

void WidthsNote(const Case& c, RowWriter& rows) {
    auto t = rows.NoteText(SepOf(c.DecSep));
    t << "Buckling, se = ";
    t.Num(c.se, "#0.0") << " mm   "
                        << "Bending, sw = ";
    t.Num(c.sw, "#0.0") << " mm";
}

}  // namespace

void ShowBucklingResults(const Case& c, RowWriter& rows) {
    rows.Note("(Rule/Buckling: ABS-Buckling and Ultimate Strength Assessment for Offshore Structures)");
    rows.Heading("PLATE BUCKLING CONTROL: (Max from plate 1/2)");
    rows.ResultIfTitled(c.PlateBucklingLine);
    rows.ResultIfTitled(c.PlateUltimateLine);
    rows.ResultIfTitled(c.PlateLateralLine);
    rows.Heading("STIFFENER BUCKLING CONTROL:");
    WidthsNote(c, rows);
    rows.Result(c.StiffBeamColumnLine);
    rows.Result(c.StiffTorsionLine);
    rows.Result(c.StiffStiffnessLine);
    if (c.CalcErrorFlag == 1) rows.Error("ERROR in calculation, decrease Sigy-stress", 255);
    rows.Heading("OVERALL BUCKLING CONTROL:");
    rows.Result(c.GirderLine);
    if (c.InclDeform == 1 && double(c.p) != 0) {
        rows.Heading("STIFFENER DEFORMATION CHECK:");
        rows.ResultIfTitled(c.StiffDeformationLine);
    }
}

}  // namespace veltar

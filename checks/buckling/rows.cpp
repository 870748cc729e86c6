// The buckling part of the result list: headings, the result lines of the plate,
// stiffener and girder checks, the effective widths and the error notice.
#include "checks/buckling/buckling.h"
#include "core/numformat.h"

namespace veltar {
namespace {

// Every row after the first advances ResultRow to its own index.
void Append(Case& c, ListRow row) {
    ++c.ResultRow;
    c.Rows.push_back(std::move(row));
}

void Heading(Case& c, std::string text) { Append(c, {RowStyle::Heading, std::move(text), {}, {}, 0}); }

void Result(Case& c, const ResultLine& line) {
    Append(c, {RowStyle::Result, line.Title + line.Formula, line.Value, line.Reference, line.Colour});
}

// Plate lines are listed only when their check produced a factor.
void ResultIfTitled(Case& c, const ResultLine& line) {
    if (!line.Title.empty()) Result(c, line);
}

std::string WidthsNote(const Case& c) {
    const char sep = SepOf(c.DecSep);
    return "Buckling, se = " + Format(c.se, "#0.0", sep) + " mm   " + "Bending, sw = " + Format(c.sw, "#0.0", sep) +
           " mm";
}

}  // namespace

void ShowBucklingResults(Case& c) {
    // The first row takes the index the run has already set.
    c.Rows.push_back({RowStyle::Note,
                      "(Rule/Buckling: ABS-Buckling and Ultimate Strength Assessment for Offshore Structures)",
                      {},
                      {},
                      0});
    Heading(c, "PLATE BUCKLING CONTROL: (Max from plate 1/2)");
    ResultIfTitled(c, c.PlateBucklingLine);
    ResultIfTitled(c, c.PlateUltimateLine);
    ResultIfTitled(c, c.PlateLateralLine);
    Heading(c, "STIFFENER BUCKLING CONTROL:");
    Append(c, {RowStyle::Note, WidthsNote(c), {}, {}, 0});
    Result(c, c.StiffBeamColumnLine);
    Result(c, c.StiffTorsionLine);
    Result(c, c.StiffStiffnessLine);
    if (c.CalcErrorFlag == 1)
        Append(c, {RowStyle::Error, "ERROR in calculation, decrease Sigy-stress", {}, {}, 255});
    Heading(c, "OVERALL BUCKLING CONTROL:");
    Result(c, c.GirderLine);
    if (c.InclDeform == 1 && double(c.p) != 0) {
        Heading(c, "STIFFENER DEFORMATION CHECK:");
        ResultIfTitled(c, c.StiffDeformationLine);
    }
}

}  // namespace veltar

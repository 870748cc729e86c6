// The scantling and yield part of the result list: headings, effective-width notes
// and one result row per check line that was written.
#include "checks/scantling/scantling.h"
#include "core/numformat.h"

namespace veltar {
namespace {

// The widths are held in different precisions (beSc a double, beG a 32-bit float).
template <typename Width>
std::string WidthNote(const Case& c, Width width, std::string_view tail) {
    return "Effective width sw = " + Format(width, "#0.0", SepOf(c.DecSep)) + std::string(tail);
}

void ModulusRows(Case& c) {
    if (!c.StiffSMLine.Title.empty()) {
        AddHeading(c.Rows, "STIFFENER SCANTLING:");
        AddNote(c.Rows, WidthNote(c, c.beSc, " mm "));
        AddResultIfTitled(c.Rows, c.StiffSMLine);
    }
    if (!c.GirderSMLine.Title.empty()) {
        AddHeading(c.Rows, "GIRDER SCANTLING:");
        AddNote(c.Rows, WidthNote(c, c.beG, " mm "));
        AddResultIfTitled(c.Rows, c.GirderSMLine);
    }
    AddResultIfTitled(c.Rows, c.GirderDepthLine);
    AddResultIfTitled(c.Rows, c.GirderWebLine);
    AddResultIfTitled(c.Rows, c.TrippingLine);
}

void YieldRows(Case& c) {
    if (!c.PlateYieldLine.Title.empty()) {
        AddHeading(c.Rows, "PLATE YIELD CONTROL:");
        AddResultIfTitled(c.Rows, c.PlateYieldLine);
    }
    AddHeading(c.Rows, "STIFFENER YIELD CHECK:");
    AddNote(c.Rows, WidthNote(c, c.beSc, " mm (check at points 1-3, plate(p) and stiffener(s)). "));
    AddResultIfTitled(c.Rows, c.StiffYieldPLine);
    AddResultIfTitled(c.Rows, c.StiffYieldSLine);
}

}  // namespace

void ShowScantlingResults(Case& c) {
    AddNote(c.Rows,
            "Rule/Scantling/Yield: ABS, Mobile Offshore Drilling Units, Part 3 "
            "Hull Construction and equipment)");
    if (!c.PlateScantlingLine.Title.empty()) {
        AddHeading(c.Rows, "PLATE SCANTLING:");
        AddResultIfTitled(c.Rows, c.PlateScantlingLine);
    }
    ModulusRows(c);
    YieldRows(c);
}

}  // namespace veltar

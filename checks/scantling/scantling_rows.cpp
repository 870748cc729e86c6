// The scantling and yield part of the result list: headings, effective-width notes
// and one result row per check line that was written.
#include "checks/scantling/scantling.h"
#include "core/numformat.h"

namespace veltar {
namespace {

// The widths are held in different precisions (beSc a double, beG a 32-bit float).
template <typename Width>
void WidthNote(const Case& c, RowWriter& rows, Width width, std::string_view tail) {
    (rows.NoteText(SepOf(c.DecSep)) << "Effective width sw = ").Num(width, "#0.0") << tail;
}

void ModulusRows(const Case& c, RowWriter& rows) {
    if (!c.StiffSMLine.Title.empty()) {
        rows.Heading("STIFFENER SCANTLING:");
        WidthNote(c, rows, c.beSc, " mm ");
        rows.ResultIfTitled(c.StiffSMLine);
    }
    if (!c.GirderSMLine.Title.empty()) {
        rows.Heading("GIRDER SCANTLING:");
        WidthNote(c, rows, c.beG, " mm ");
        rows.ResultIfTitled(c.GirderSMLine);
    }
    rows.ResultIfTitled(c.GirderDepthLine);
    rows.ResultIfTitled(c.GirderWebLine);
    rows.ResultIfTitled(c.TrippingLine);
}

void YieldRows(const Case& c, RowWriter& rows) {
    if (!c.PlateYieldLine.Title.empty()) {
        rows.Heading("PLATE YIELD CONTROL:");
        rows.ResultIfTitled(c.PlateYieldLine);
    }
    rows.Heading("STIFFENER YIELD CHECK:");
    WidthNote(c, rows, c.beSc, " mm (check at points 1-3, plate(p) and stiffener(s)). ");
    rows.ResultIfTitled(c.StiffYieldPLine);
    rows.ResultIfTitled(c.StiffYieldSLine);
}

}  // namespace

void ShowScantlingResults(const Case& c, RowWriter& rows) {
    rows.Note(
        "Rule/Scantling/Yield: ABS, Mobile Offshore Drilling Units, Part 3 "
        "Hull Construction and equipment)");
    if (!c.PlateScantlingLine.Title.empty()) {
        rows.Heading("PLATE SCANTLING:");
        rows.ResultIfTitled(c.PlateScantlingLine);
    }
    ModulusRows(c, rows);
    YieldRows(c, rows);
}

}  // namespace veltar

// The scantling and yield part of the result list: headings, effective-width notes
// and one result row per check line that was written.
#include "checks/scantling/scantling.h"
#include "core/numformat.h"

namespace veltar {
namespace {

// Every row but the rule row advances ResultRow, so the index names the row just added.
void Append(Case& c, RowStyle style, std::string text) {
    c.Rows.push_back(ListRow{style, std::move(text), {}, {}, 0});
    ++c.ResultRow;
}

// A line without a title was not written by its check and is not listed.
void AppendResult(Case& c, const ResultLine& line) {
    if (line.Title.empty()) return;
    c.Rows.push_back(ListRow{RowStyle::Result, line.Title + line.Formula, line.Value,
                             line.Reference, line.Colour});
    ++c.ResultRow;
}

// The widths are held in different precisions (beSc a double, beG a 32-bit float).
template <typename Width>
std::string WidthNote(const Case& c, Width width, std::string_view tail) {
    return "Effective width sw = " + Format(width, "#0.0", SepOf(c.DecSep)) + std::string(tail);
}

void ModulusRows(Case& c) {
    if (!c.StiffSMLine.Title.empty()) {
        Append(c, RowStyle::Heading, "STIFFENER SCANTLING:");
        Append(c, RowStyle::Note, WidthNote(c, c.beSc, " mm "));
        AppendResult(c, c.StiffSMLine);
    }
    if (!c.GirderSMLine.Title.empty()) {
        Append(c, RowStyle::Heading, "GIRDER SCANTLING:");
        Append(c, RowStyle::Note, WidthNote(c, c.beG, " mm "));
        AppendResult(c, c.GirderSMLine);
    }
    AppendResult(c, c.GirderDepthLine);
    AppendResult(c, c.GirderWebLine);
    AppendResult(c, c.TrippingLine);
}

void YieldRows(Case& c) {
    if (!c.PlateYieldLine.Title.empty()) {
        Append(c, RowStyle::Heading, "PLATE YIELD CONTROL:");
        AppendResult(c, c.PlateYieldLine);
    }
    Append(c, RowStyle::Heading, "STIFFENER YIELD CHECK:");
    Append(c, RowStyle::Note,
           WidthNote(c, c.beSc, " mm (check at points 1-3, plate(p) and stiffener(s)). "));
    AppendResult(c, c.StiffYieldPLine);
    AppendResult(c, c.StiffYieldSLine);
}

}  // namespace

void ShowScantlingResults(Case& c) {
    // The caller has already set ResultRow to this row's index.
    c.Rows.push_back(ListRow{RowStyle::Note,
                             "Rule/Scantling/Yield: ABS, Mobile Offshore Drilling Units, Part 3 "
                             "Hull Construction and equipment)",
                             {}, {}, 0});
    if (!c.PlateScantlingLine.Title.empty()) {
        Append(c, RowStyle::Heading, "PLATE SCANTLING:");
        AppendResult(c, c.PlateScantlingLine);
    }
    ModulusRows(c);
    YieldRows(c);
}

}  // namespace veltar

// Making a case row of the database the current case and recalculating it.
#include <array>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "core/fieldtable.h"
#include "profiles/girder.h"
#include "profiles/kinds.h"
#include "profiles/sections.h"
#include "run/dbcase.h"

namespace veltar {
namespace {

// Every field with a cell of its own: texts as they stand, numbers as the 32-bit
// values read (a real field then holds a single, as a typed value does).
std::vector<const FieldDef*> CellFields() {
    std::vector<const FieldDef*> fields;
    for (const FieldDef& f : CaseFields())
        if (f.caseCell >= 0) fields.push_back(&f);
    return fields;
}

void ApplyInputs(Case& c, const CaseRow& r) {
    static const std::vector<const FieldDef*> cellFields = CellFields();
    for (const FieldDef* field : cellFields) {
        const FieldDef& f = *field;
        const float v = r.cell[static_cast<size_t>(f.caseCell)];
        std::visit(
            [&](auto m) {
                using M = decltype(m);
                if constexpr (std::is_same_v<M, std::string Case::*>)
                    c.*m = r.Text(f.caseCell);
                else if constexpr (std::is_same_v<M, i16 Case::*>)
                    c.*m = static_cast<i16>(v);
                else
                    c.*m = v;
            },
            f.member);
    }
}

// The row's dimensions into a built-up kind's inputs, in their order.
void PutDims(Case& c, std::span<const DimInput> inputs, const std::array<float, 4>& d) {
    for (size_t i = 0; i < inputs.size(); ++i) std::visit([&](auto m) { c.*m = d[i]; }, inputs[i].member);
}

void ApplyStiffener(Case& c, const CaseRow& r) {
    c.StiffKind = r.StiffKind;
    const StiffKindDef* kind = StiffKindOf(r.StiffKind);
    if (kind->IsTable())
        c.*kind->row = r.StiffRow;
    else
        PutDims(c, kind->Inputs(), r.StiffDim);
}

void ApplyGirder(Case& c, const CaseRow& r) {
    c.GirdKind = r.GirdKind;
    PutDims(c, GirderKindOf(r.GirdKind)->inputs, r.GirdDim);
}

}  // namespace

void ApplyCaseRow(Case& c, const Tables& tables, const CaseRow& r) {
    ApplyInputs(c, r);
    // The user-defined grade keeps the row's strengths instead of a table grade's.
    c.PlateGradeIndex = static_cast<i16>(tables.Mat.count);
    c.StiffGradeIndex = static_cast<i16>(tables.Mat.count);
    ApplyStiffener(c, r);
    ApplyGirder(c, r);
    // The girder section first: the girder buckling check reads the properties
    // left by the previous section, which must be this row's girder.
    SetStiffenerProfile(c, tables, c.StiffKind);
    GirderSection(c);
}

bool LoadDatabaseCase(Case& c, const Tables& tables, CaseDatabase& db, int row, CalcEvents& events) {
    if (row < 0 || row >= db.DbRowCount() || db.rows[row].comment) return false;
    ApplyCaseRow(c, tables, db.rows[row]);
    Calculate(c, tables, events);
    db.DbRow = row;
    return true;
}

std::string RunFault(const Case& c) {
    if (!c.FaultText.empty()) return c.FaultText;
    if (!c.ProfileFault.empty()) return c.ProfileFault;
    return c.GirderFault;
}

}  // namespace veltar

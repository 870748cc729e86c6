// The texts of the result table: the header and the line of one case. The columns
// that show one field each come from the field table; the others are composed here.
#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "core/fieldtable.h"
#include "core/numformat.h"
#include "files/resulttable.h"
#include "profiles/kinds.h"

namespace veltar {
namespace {

constexpr int kColumns = 44;
constexpr double kNotApplicable = -99;  // stiffener buckling without axial compression

std::string_view LoadCondText(i16 cond) { return cond == 0 ? "A" : cond == 1 ? "B" : "C"; }

std::string_view BulkheadText(i16 type) {
    return type == 0 ? "Watertight bulkhead" : type == 1 ? "Tank bulkhead" : "Upper Structure";
}

std::string_view EndOptionText(i16 type, i16 option) {
    if (type == 0) return option == 0 ? " Ends attached" : " No end attachment";
    if (type == 1) return option == 1 ? " Supported at both ends by girder" : " Clip attachment";
    return option == 1 ? " In way of tanks" : " Clear of tanks";
}

// Code and dimensions joined by "x"; two dimensions are H and tw, four H, B, tw and tf.
std::string CodeText(std::string_view code, int dims, Real H, Real B, Real tw, Real tf, char sep) {
    std::string s = std::string(code) + Format(H, "00", sep) + "x";
    if (dims == 2) return s + Format(tw, "0.0", sep);
    return s + Format(B, "00", sep) + "x" + Format(tw, "0.0", sep) + "x" + Format(tf, "#0.0", sep);
}

bool IsFactor(const FieldDef& f) {
    return f.result.form == ResultForm::Factor || f.result.form == ResultForm::StiffFactor;
}

std::string FieldText(const Case& c, const FieldDef& f, bool faulted, char sep) {
    const ResultColumn& col = f.result;
    if (IsFactor(f)) return FactorCellOf(c, f, faulted, sep).text;
    if (col.form == ResultForm::Text) return c.*std::get<std::string Case::*>(f.member);
    const Real v = RealValue(c, f);
    switch (col.form) {
        case ResultForm::Plain: return PlainText(v, sep);
        case ResultForm::Masked: return Format(v, col.mask, sep);
        case ResultForm::RunMasked: return faulted ? "ERR" : Format(v, col.mask, sep);
        default: break;
    }
    return {};
}

using Composer = std::string (*)(const Case&, char);

// The columns that compose several fields or show a field as words.
struct ComposedColumn {
    int column;
    const char* caption;
    Composer text;
};

const ComposedColumn kComposed[] = {
    {2, "Loading Cond:", [](const Case& c, char) { return std::string(LoadCondText(c.LoadCond)); }},
    {5, "Material-plate: Fy/Fu",
     [](const Case& c, char sep) { return Format(c.Fyp, "0", sep) + "/" + Format(c.Fup, "0", sep); }},
    {6, "Material-stiff: Fy/Fu",
     [](const Case& c, char sep) { return Format(c.Fys, "0", sep) + "/" + Format(c.Fus, "0", sep); }},
    {8, "Bulkhead type:", [](const Case& c, char) { return std::string(BulkheadText(c.BulkheadType)); }},
    {9, "Unit Length:",
     [](const Case& c, char sep) { return c.BulkheadType == 0 ? Format(c.UL, "00", sep) : std::string("-"); }},
    {10, "Stiffener:", [](const Case& c, char) { return std::string(EndOptionText(c.BulkheadType, c.EndOption)); }},
    {12, "Stiff Prof:", StiffenerCellText},
    {13, "Gird Prof:", GirderCellText},
    {29, "Buckling", [](const Case&, char) { return std::string("Buckling"); }},
    {37, "Scant/Yield", [](const Case&, char) { return std::string("Scant/Yield"); }},
};

struct Column {
    const char* caption = nullptr;
    const FieldDef* field = nullptr;
    Composer text = nullptr;
};

std::vector<Column> GatherColumns() {
    std::vector<Column> columns(kColumns);
    for (const FieldDef& f : CaseFields())
        if (f.result.column >= 0) columns.at(static_cast<size_t>(f.result.column)) = {f.result.caption, &f, nullptr};
    for (const ComposedColumn& k : kComposed) columns.at(static_cast<size_t>(k.column)) = {k.caption, nullptr, k.text};
    for (size_t i = 0; i < columns.size(); ++i)
        if (!columns[i].caption)
            throw std::logic_error("result table: column " + std::to_string(i) + " is not described");
    return columns;
}

const std::vector<Column>& Columns() {
    static const std::vector<Column> columns = GatherColumns();
    return columns;
}

// TAB-separated cells of one line.
class Cells {
public:
    void Add(std::string_view text) {
        if (!first_) out_ += '\t';
        out_ += text;
        first_ = false;
    }
    std::string Take() { return std::move(out_); }

private:
    std::string out_;
    bool first_ = true;
};

std::vector<const FieldDef*> GatherFactorFields() {
    std::vector<const FieldDef*> fields;
    for (const Column& col : Columns())
        if (col.field && IsFactor(*col.field)) fields.push_back(col.field);
    return fields;
}

}  // namespace

std::string StiffenerCellText(const Case& c, char sep) {
    const StiffKindDef* kind = StiffKindOf(c.StiffKind);
    if (!kind || *kind->writeCode == '\0') return {};
    return CodeText(kind->writeCode, kind->codeDims, c.StiffH, c.StiffB, c.StiffTw, c.StiffTf, sep);
}

std::string GirderCellText(const Case& c, char sep) {
    const GirderKindDef* kind = GirderKindOf(c.GirdKind);
    if (!kind) return {};
    return CodeText(kind->code, 4, c.GirdH, c.GirdB, c.GirdTw, Real(c.GirdTf), sep);
}

std::span<const FieldDef* const> FactorFields() {
    static const std::vector<const FieldDef*> fields = GatherFactorFields();
    return fields;
}

// A stiffener that fails as a column has an infinite factor: it fails whatever its
// value, so the cell says so instead of printing a number.
FactorCell FactorCellOf(const Case& c, const FieldDef& f, bool faulted, char sep) {
    if (faulted) return {"ERR", FactorState::Fault, std::numeric_limits<double>::quiet_NaN()};
    if (f.result.form == ResultForm::StiffFactor && c.UFb == kNotApplicable)
        return {"N/A", FactorState::NotApplicable, kNotApplicable};
    const Real uf = RealValue(c, f);
    const double v = uf;
    if (v == std::numeric_limits<double>::infinity()) return {"NOK", FactorState::Unbounded, v};
    if (!std::isfinite(v)) return {"ERR", FactorState::Fault, v};
    return {Format(uf, f.result.mask, sep), FactorState::Value, v};
}

std::string ResultHeader() {
    Cells out;
    for (const Column& col : Columns()) out.Add(col.caption);
    return out.Take();
}

std::string ResultLineText(const Case& c, bool faulted, char sep) {
    Cells out;
    for (const Column& col : Columns()) out.Add(col.field ? FieldText(c, *col.field, faulted, sep) : col.text(c, sep));
    return out.Take();
}

}  // namespace veltar

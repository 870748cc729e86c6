// The CSV and JSON-lines result tables share their columns: each is a key and the way
// its value is written, taken from the field table.
#include "cli/tableformats.h"

#include <algorithm>
#include <span>
#include <vector>

#include "cli/jsontext.h"
#include "core/csv.h"
#include "core/fieldtable.h"
#include "files/resulttable.h"

namespace veltar::cli {
namespace {

// The fields of the case table's cells, in cell order.
std::vector<const FieldDef*> GatherInputs() {
    std::vector<const FieldDef*> inputs;
    for (const FieldDef& f : CaseFields())
        if (f.caseCell >= 0) inputs.push_back(&f);
    std::stable_sort(inputs.begin(), inputs.end(),
                     [](const FieldDef* a, const FieldDef* b) { return a->caseCell < b->caseCell; });
    return inputs;
}

std::span<const FieldDef* const> Inputs() {
    static const std::vector<const FieldDef*> inputs = GatherInputs();
    return inputs;
}

const FieldDef& CFactor() {
    static const FieldDef* const c = FindField("c");
    return *c;
}

// What a cell holds: a number's text, a text, or nothing.
enum class Kind : std::uint8_t { Number, Text, None };

// Calls `put(key, kind, text)` for every column of a case, in column order.
template <typename Put>
void Columns(const CaseRow& row, const Case& c, const std::string& fault, Put&& put) {
    std::string number;
    auto putNumber = [&](const char* key, Real v) {
        number.clear();
        JsonNumber(number, v);
        put(key, Kind::Number, number);
    };
    putNumber("line", row.line);
    for (const FieldDef* f : Inputs()) {
        if (IsNumeric(*f))
            putNumber(f->name, RealValue(c, *f));
        else
            put(f->name, Kind::Text, c.*std::get<std::string Case::*>(f->member));
    }
    put("StiffProf", Kind::Text, StiffenerCellText(c, '.'));
    put("GirdProf", Kind::Text, GirderCellText(c, '.'));
    const bool faulted = !fault.empty();
    if (faulted)
        put(CFactor().name, Kind::None, "");
    else
        putNumber(CFactor().name, RealValue(c, CFactor()));
    for (const FieldDef* f : FactorFields()) {
        const FactorCell cell = FactorCellOf(c, *f, faulted, '.');
        if (cell.state == FactorState::Value)
            putNumber(f->name, RealValue(c, *f));
        else if (cell.state == FactorState::Fault)
            put(f->name, Kind::None, "");
        else
            put(f->name, Kind::Text, cell.text);
    }
    put("fault", faulted ? Kind::Text : Kind::None, fault);
}

// The columns' keys, from a case whose values do not matter.
std::vector<std::string> GatherKeys() {
    std::vector<std::string> keys;
    Columns(CaseRow{}, Case{}, "", [&](const char* key, Kind, std::string_view) { keys.emplace_back(key); });
    return keys;
}

const std::vector<std::string>& Keys() {
    static const std::vector<std::string> keys = GatherKeys();
    return keys;
}

}  // namespace

void CsvFormat::Header(std::string& out) const {
    for (size_t i = 0; i < Keys().size(); ++i) {
        if (i > 0) out += ',';
        AppendCsvCell(out, Keys()[i]);
    }
    out += "\r\n";
}

void CsvFormat::Comment(std::string&, const CaseRow&) const {}

void CsvFormat::Calculated(std::string& out, const CaseRow& row, const Case& c, const std::string& fault) const {
    bool first = true;
    Columns(row, c, fault, [&](const char*, Kind kind, std::string_view text) {
        if (!first) out += ',';
        first = false;
        AppendCsvCell(out, text, kind == Kind::Text);
    });
    out += "\r\n";
}

void JsonLinesFormat::Header(std::string&) const {}

void JsonLinesFormat::Comment(std::string&, const CaseRow&) const {}

void JsonLinesFormat::Calculated(std::string& out, const CaseRow& row, const Case& c, const std::string& fault) const {
    char open = '{';
    Columns(row, c, fault, [&](const char* key, Kind kind, std::string_view text) {
        out += open;
        open = ',';
        JsonString(out, key);
        out += ':';
        if (kind == Kind::Number)
            out += text;
        else if (kind == Kind::Text)
            JsonString(out, text);
        else
            out += "null";
    });
    out += "}\n";
}

}  // namespace veltar::cli

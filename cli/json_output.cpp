// JSON writer for the case: each number in the shortest text that reads back to
// the same value of its own precision, so a single 1.43 prints as 1.43, not as the
// double nearest to the single.
#include "cli/json_output.h"

#include <array>
#include <initializer_list>

#include "cli/jsontext.h"
#include "core/fieldtable.h"

namespace veltar::cli {
namespace {

struct NamedLine {
    const char* name;
    ResultLine Case::*line;
};

constexpr std::array<NamedLine, 17> kLines{{
    {"PlateBucklingLine", &Case::PlateBucklingLine},
    {"PlateUltimateLine", &Case::PlateUltimateLine},
    {"PlateLateralLine", &Case::PlateLateralLine},
    {"StiffBeamColumnLine", &Case::StiffBeamColumnLine},
    {"StiffTorsionLine", &Case::StiffTorsionLine},
    {"StiffStiffnessLine", &Case::StiffStiffnessLine},
    {"StiffDeformationLine", &Case::StiffDeformationLine},
    {"GirderLine", &Case::GirderLine},
    {"PlateScantlingLine", &Case::PlateScantlingLine},
    {"PlateYieldLine", &Case::PlateYieldLine},
    {"StiffYieldPLine", &Case::StiffYieldPLine},
    {"StiffYieldSLine", &Case::StiffYieldSLine},
    {"StiffSMLine", &Case::StiffSMLine},
    {"GirderSMLine", &Case::GirderSMLine},
    {"GirderDepthLine", &Case::GirderDepthLine},
    {"GirderWebLine", &Case::GirderWebLine},
    {"TrippingLine", &Case::TrippingLine},
}};

void Key(std::string& out, const char* name, bool& first) {
    out += first ? "\n    " : ",\n    ";
    first = false;
    JsonString(out, name);
    out += ": ";
}

struct Member {
    const char* key;
    const std::string* text;  // a string member, or
    int number;               // a whole-number member when text is null
};

// {"key": value, ...} on one line.
void Object(std::string& out, std::initializer_list<Member> members) {
    out += '{';
    bool first = true;
    for (const Member& m : members) {
        if (!first) out += ", ";
        first = false;
        JsonString(out, m.key);
        out += ": ";
        if (m.text)
            JsonString(out, *m.text);
        else
            out += std::to_string(m.number);
    }
    out += '}';
}

void Line(std::string& out, const ResultLine& line) {
    Object(out, {{"Title", &line.Title, 0},
                 {"Formula", &line.Formula, 0},
                 {"Value", &line.Value, 0},
                 {"Reference", &line.Reference, 0},
                 {"Colour", nullptr, line.Colour}});
}

std::string StyleName(RowStyle style) {
    switch (style) {
        case RowStyle::Heading: return "heading";
        case RowStyle::Result: return "result";
        case RowStyle::Error: return "error";
        case RowStyle::Note: break;
    }
    return "note";
}

void Row(std::string& out, const ListRow& row) {
    const std::string style = StyleName(row.style);
    Object(out, {{"style", &style, 0},
                 {"text", &row.text, 0},
                 {"value", &row.value, 0},
                 {"reference", &row.reference, 0},
                 {"colour", nullptr, row.colour}});
}

}  // namespace

std::string CaseJson(const Case& c, const std::vector<std::string>& messages) {
    std::string out = "{\n  \"fields\": {";
    bool first = true;
    for (const FieldDef& f : CaseFields()) {
        if (!f.json || !IsNumeric(f)) continue;
        Key(out, f.name, first);
        JsonNumber(out, RealValue(c, f));
    }
    out += "\n  },\n  \"lines\": {";
    first = true;
    for (const NamedLine& l : kLines) {
        Key(out, l.name, first);
        Line(out, c.*(l.line));
    }
    out += "\n  },\n  \"texts\": {";
    first = true;
    for (const FieldDef& f : CaseFields()) {
        if (!f.json || IsNumeric(f)) continue;
        Key(out, f.name, first);
        JsonString(out, c.*std::get<std::string Case::*>(f.member));
    }
    out += "\n  },\n  \"rows\": [";
    for (size_t i = 0; i < c.Rows.size(); ++i) {
        out += i == 0 ? "\n    " : ",\n    ";
        Row(out, c.Rows[i]);
    }
    out += "\n  ],\n  \"messages\": [";
    for (size_t i = 0; i < messages.size(); ++i) {
        if (i > 0) out += ", ";
        JsonString(out, messages[i]);
    }
    out += "],\n  \"fault\": ";
    if (c.FaultText.empty())
        out += "null";
    else
        JsonString(out, c.FaultText);
    out += "\n}\n";
    return out;
}

}  // namespace veltar::cli

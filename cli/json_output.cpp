// JSON writer for the case: each number in the shortest text that reads back to
// the same value of its own precision, so a single 1.43 prints as 1.43, not as the
// double nearest to the single.
#include "cli/json_output.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <initializer_list>

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

void Number(std::string& out, Real x) {
    if (!std::isfinite(double(x))) {
        out += "null";
        return;
    }
    char buf[32];
    // Whole numbers are exact as doubles; only a single is printed as a single.
    const auto res = x.kind() == Real::Kind::Single ? std::to_chars(buf, buf + sizeof buf, float(double(x)))
                                                    : std::to_chars(buf, buf + sizeof buf, double(x));
    out.append(buf, res.ptr);
}

void String(std::string& out, const std::string& s) {
    out += '"';
    for (unsigned char ch : s) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += static_cast<char>(ch);
        } else if (ch < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", ch);
            out += buf;
        } else {
            out += static_cast<char>(ch);
        }
    }
    out += '"';
}

void Key(std::string& out, const char* name, bool& first) {
    out += first ? "\n    " : ",\n    ";
    first = false;
    String(out, name);
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
        String(out, m.key);
        out += ": ";
        if (m.text)
            String(out, *m.text);
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
        Number(out, RealValue(c, f));
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
        String(out, c.*std::get<std::string Case::*>(f.member));
    }
    out += "\n  },\n  \"rows\": [";
    for (size_t i = 0; i < c.Rows.size(); ++i) {
        out += i == 0 ? "\n    " : ",\n    ";
        Row(out, c.Rows[i]);
    }
    out += "\n  ],\n  \"messages\": [";
    for (size_t i = 0; i < messages.size(); ++i) {
        if (i > 0) out += ", ";
        String(out, messages[i]);
    }
    out += "],\n  \"fault\": ";
    if (c.FaultText.empty())
        out += "null";
    else
        String(out, c.FaultText);
    out += "\n}\n";
    return out;
}

}  // namespace veltar::cli

// The summaries read the result lines the list shows, so the status line and the
// list can never disagree about a value.
#include "run/summary.h"

#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

namespace veltar {
namespace {

enum class Group { Buckling, Scantling };

struct Check {
    const char* name;  // the usage factor's field
    ResultLine Case::*line;
    Group group;
};

// Every line that carries a usage factor, in the order of the list. The deformation
// line is information (a deflection), not a usage factor.
constexpr Check kChecks[] = {
    {"UFpb", &Case::PlateBucklingLine, Group::Buckling}, {"UFpu", &Case::PlateUltimateLine, Group::Buckling},
    {"UFpl", &Case::PlateLateralLine, Group::Buckling},  {"UFb", &Case::StiffBeamColumnLine, Group::Buckling},
    {"UFbt", &Case::StiffTorsionLine, Group::Buckling},  {"UFst", &Case::StiffStiffnessLine, Group::Buckling},
    {"UFgbu", &Case::GirderLine, Group::Buckling},       {"UFt", &Case::PlateScantlingLine, Group::Scantling},
    {"UFsm", &Case::StiffSMLine, Group::Scantling},      {"UFgm", &Case::GirderSMLine, Group::Scantling},
    {"UFgd", &Case::GirderDepthLine, Group::Scantling},  {"UFgw", &Case::GirderWebLine, Group::Scantling},
    {"Lt", &Case::TrippingLine, Group::Scantling},       {"UFy", &Case::PlateYieldLine, Group::Scantling},
    {"UFyp", &Case::StiffYieldPLine, Group::Scantling},  {"UFys", &Case::StiffYieldSLine, Group::Scantling},
};

bool Listed(const Case& c, Group g) {
    if (c.CheckMode == 1) return g == Group::Buckling;
    if (c.CheckMode == 2) return g == Group::Scantling;
    return true;
}

// The number of a listed value ("5.48" or "5,48"); none for "OK", "NOK" or "N/A".
std::optional<double> ValueOf(std::string_view text) {
    std::string s(text);
    for (char& ch : s)
        if (ch == ',') ch = '.';
    const size_t start = s.find_first_not_of(' ');
    if (start == std::string::npos) return std::nullopt;
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data() + start, s.data() + s.size(), v);
    if (ec != std::errc() || s.find_first_not_of(' ', size_t(end - s.data())) != std::string::npos) return std::nullopt;
    return v;
}

// The rule paragraph of a reference: " < 1.0 (3/9.1)" gives "(3/9.1)".
std::string Rule(const std::string& reference) {
    const size_t open = reference.rfind('(');
    const size_t close = reference.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open) return {};
    return reference.substr(open, close - open + 1);
}

std::string Named(const Check& k, const std::string& text) {
    const std::string rule = Rule(text);
    return rule.empty() ? k.name : std::string(k.name) + " " + rule;
}

std::string Trimmed(const std::string& s) {
    const size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// Typed values are singles: the shortest text of the single.
std::string Number(double v) {
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<float>(v));
    return std::string(buf, res.ptr);
}

}  // namespace

std::string GoverningText(const Case& c) {
    if (!c.FaultText.empty()) return {};
    const Check* governing = nullptr;
    double largest = 0;
    std::vector<std::string> nok;
    for (const Check& k : kChecks) {
        const ResultLine& line = c.*k.line;
        if (line.Title.empty() || !Listed(c, k.group)) continue;
        if (Trimmed(line.Value) == "NOK") {
            nok.push_back(Named(k, line.Reference));
            continue;
        }
        const std::optional<double> v = ValueOf(line.Value);
        if (v && (!governing || *v > largest)) {
            governing = &k;
            largest = *v;
        }
    }
    std::string out;
    if (governing) {
        const ResultLine& line = c.*governing->line;
        const std::string rule = Rule(line.Reference);
        out = "Governing: " + std::string(governing->name) + " " + Trimmed(line.Value) +
              (rule.empty() ? "" : " " + rule) + (line.Colour == 4 ? " \u2014 fails" : " \u2014 passes");
    }
    for (size_t i = 0; i < nok.size(); ++i) out += (i == 0 ? (out.empty() ? "NOK: " : "; NOK: ") : ", ") + nok[i];
    return out;
}

std::string PlausibilityText(const Case& c) {
    std::vector<std::string> notes;
    auto below = [&](const char* tensile, double fu, const char* yield, double fy) {
        if (fu < fy) notes.push_back(std::string(tensile) + " " + Number(fu) + " below " + yield + " " + Number(fy));
    };
    below("Fup", c.Fup, "Fyp", c.Fyp);
    below("Fus", c.Fus, "Fys", c.Fys);
    const std::pair<const char*, double> spacings[] = {{"s1", c.s1}, {"s2", c.s2}};
    const std::pair<const char*, double> spans[] = {{"L1", c.L1}, {"L2", c.L2}};
    for (const auto& [s, sv] : spacings)
        for (const auto& [l, lv] : spans)
            if (sv > lv) notes.push_back(std::string(s) + " " + Number(sv) + " longer than " + l + " " + Number(lv));
    std::string out;
    for (size_t i = 0; i < notes.size(); ++i) out += (i == 0 ? "Check the inputs: " : "; ") + notes[i];
    return out;
}

}  // namespace veltar

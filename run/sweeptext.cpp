// A sweep as text: the sentence that sums it up, and its steps as comma-separated values.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "core/csv.h"
#include "core/numformat.h"
#include "run/sweep.h"

namespace veltar {
namespace {

// Decimals of the box's mask; a mask with an exponent keeps three significant digits.
int Decimals(std::string_view mask, double x) {
    if (mask.find('E') != std::string_view::npos)
        return x == 0 ? 0 : 2 - static_cast<int>(std::floor(std::log10(std::fabs(x))));
    const size_t point = mask.find('.');
    if (point == std::string_view::npos) return 0;
    int n = 0;
    for (char ch : mask.substr(point + 1))
        if (ch == '0' || ch == '#') ++n;
    return n;
}

// A bound rounded away from the failing side, so the number shown still passes.
std::string Bound(const SweepResult& r, const SweepCrossing& x, char sep) {
    const int d = Decimals(r.range.field->box.showMask, x.passing);
    const double unit = std::pow(10.0, -d);
    double q = static_cast<double>(x.passing) / unit;
    // A float's digits beyond its own precision are noise: 10.54f is 10.54, not more.
    if (std::fabs(q - std::round(q)) < 1e-6 * std::max(1.0, std::fabs(q))) q = std::round(q);
    double v = (x.PassesAbove() ? std::ceil(q) : std::floor(q)) * unit;
    if (v == 0) v = 0;  // no "-0"
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", d > 0 ? d : 0, v);
    std::string text = buf;
    for (char& ch : text)
        if (ch == '.') ch = sep;
    return text;
}

std::string WithUnit(const SweepResult& r, const std::string& number) {
    const std::string_view unit = r.range.field->unit;
    return unit.empty() ? number : number + " " + std::string(unit);
}

// One stretch of passing steps: its bounds where it meets failing steps.
std::string Stretch(const SweepResult& r, const SweepCrossing* lower, const SweepCrossing* upper, char sep) {
    const std::string name = r.range.field->name;
    if (lower && upper) return Bound(r, *lower, sep) + " ≤ " + name + " ≤ " + WithUnit(r, Bound(r, *upper, sep));
    if (lower) return name + " ≥ " + WithUnit(r, Bound(r, *lower, sep));
    return name + " ≤ " + WithUnit(r, Bound(r, *upper, sep));
}

std::string RangeText(const SweepResult& r, char sep) {
    return r.range.field->name + std::string(" from ") + PlainText(r.steps.front().value, sep) + " to " +
           WithUnit(r, PlainText(r.steps.back().value, sep));
}

// The shortest text that reads back as the same double or float.
template <typename T>
std::string Shortest(T x) {
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, x);
    return std::string(buf, res.ptr);
}

std::string CsvCell(const std::string& s) {
    std::string out;
    AppendCsvCell(out, s);
    return out;
}

std::string FactorCell(const FactorReading& f) {
    if (f.state == ReadingState::Value) return Shortest(f.value);
    return f.state == ReadingState::Unbounded ? "NOK" : "";
}

std::string Joined(const std::vector<std::string>& texts, const char* separator) {
    std::string out;
    for (const std::string& t : texts) out += (out.empty() ? "" : separator) + t;
    return out;
}

// Why no step passes: the checks that fail at every step that ran.
std::string Failing(const SweepResult& r) {
    AlwaysFailing failing(r.mode);
    for (const SweepStep& s : r.steps) failing.Add(s.outcome);
    const std::vector<std::string> names = failing.Names();
    return names.empty() ? "" : " (failing at every step: " + Joined(names, ", ") + ")";
}

}  // namespace

std::string PassingText(const SweepResult& r, char sep) {
    if (r.steps.empty()) return {};
    if (r.crossings.empty() && r.steps.front().outcome.passes)
        return "every value of " + RangeText(r, sep) + " passes every check";
    if (r.crossings.empty()) return "no value of " + RangeText(r, sep) + " passes every check" + Failing(r);
    std::string text;
    const SweepCrossing* lower = nullptr;
    for (const SweepCrossing& x : r.crossings) {
        if (x.PassesAbove()) {
            lower = &x;
            continue;
        }
        text += (text.empty() ? "" : " or ") + Stretch(r, lower, &x, sep);
        lower = nullptr;
    }
    if (lower) text += (text.empty() ? "" : " or ") + Stretch(r, lower, nullptr, sep);
    return text + " passes every check";
}

std::string StepValueText(float value) { return Shortest(value); }

std::string SweepCsv(const SweepResult& r) {
    std::string out = r.range.field->name;
    for (const char* name : ModeFactors(r.mode)) out += std::string(",") + name;
    out += ",passes,governing,nok,fault\n";
    for (const SweepStep& s : r.steps) {
        out += StepValueText(s.value);
        for (const FactorReading& f : s.outcome.factors) out += "," + FactorCell(f);
        out += std::string(",") + (s.outcome.passes ? "yes" : "no") + "," + FactorName(r.mode, s.outcome.governing) +
               "," + CsvCell(Joined(s.outcome.nokChecks, "; ")) + "," + CsvCell(s.outcome.fault) + "\n";
    }
    return out;
}

}  // namespace veltar

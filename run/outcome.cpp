// Reading a run's usage factors. Negative factors are the checks' own marks for "does
// not apply" (-99, a stiffener without axial compression) and "not computed" (-2).
#include "run/outcome.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "checks/buckling/buckling.h"
#include "checks/scantling/scantling.h"
#include "core/fieldtable.h"
#include "core/text.h"
#include "run/calculate.h"

namespace veltar {
namespace {

// The usage factors in the order of the result list: buckling first, then scantling
// and yield. Their values come through the field table.
constexpr std::array<const char*, 15> kNames{"UFpb", "UFpu", "UFpl", "UFb",  "UFbt", "UFst", "UFgbu", "UFt",
                                             "UFy",  "UFyp", "UFys", "UFsm", "UFgm", "UFgd", "UFgw"};
constexpr size_t kBucklingFactors = 7;

// The buckling factors come first, then the scantling and yield factors.
template <typename T, size_t N>
std::span<const T> OfMode(const std::array<T, N>& all, int mode) {
    const std::span<const T> whole(all);
    if (mode == 1) return whole.first(kBucklingFactors);
    if (mode == 2) return whole.subspan(kBucklingFactors);
    return whole;
}

FactorReading Read(const Case& c, const char* name) {
    const double v = NumericValue(c, *FindField(name));
    if (!std::isfinite(v)) return {ReadingState::Unbounded, 0};
    if (v < 0) return {ReadingState::Absent, 0};
    return {ReadingState::Value, v};
}

// The lines that can read "NOK", in the order of the result list, each with the title
// it is listed under; a numbers-only run writes their verdicts but not their titles.
struct VerdictLine {
    ResultLine Case::*line;
    std::string_view title;
    bool buckling;
};
constexpr VerdictLine kVerdictLines[] = {
    {&Case::StiffBeamColumnLine, kBeamColumnTitle, true},
    {&Case::GirderDepthLine, kGirderDepthTitle, false},
    {&Case::GirderWebLine, kGirderWebTitle, false},
    {&Case::TrippingLine, kTrippingTitle, false},
};

// The check's name as the list shows it: the title up to its first "=".
std::string CheckName(std::string_view title) { return std::string(Trim(title.substr(0, title.find('=')))); }

void Judge(RunOutcome& out) {
    double highest = -1;
    bool allPass = out.fault.empty() && out.nokChecks.empty();
    for (size_t i = 0; i < out.factors.size(); ++i) {
        const FactorReading& f = out.factors[i];
        if (f.state == ReadingState::Absent) continue;
        const double v = f.state == ReadingState::Unbounded ? std::numeric_limits<double>::infinity() : f.value;
        if (v > kFactorLimit) allPass = false;
        if (v > highest) {
            highest = v;
            out.governing = static_cast<int>(i);
        }
    }
    out.passes = allPass;
}

}  // namespace

std::span<const char* const> ModeFactors(int mode) { return OfMode(kNames, mode); }

const char* FactorName(int mode, int index) { return index < 0 ? "" : ModeFactors(mode)[static_cast<size_t>(index)]; }

double RunOutcome::GoverningValue() const {
    if (governing < 0) return 0;
    const FactorReading& f = factors[static_cast<size_t>(governing)];
    return f.state == ReadingState::Unbounded ? std::numeric_limits<double>::infinity() : f.value;
}

AlwaysFailing::AlwaysFailing(int mode) : mode_(mode), factorFails_(ModeFactors(mode).size()) {}

void AlwaysFailing::Add(const RunOutcome& o) {
    if (!o.fault.empty()) return;
    ++runs_;
    for (size_t i = 0; i < o.factors.size(); ++i) {
        const FactorReading& f = o.factors[i];
        if (f.state == ReadingState::Unbounded || (f.state == ReadingState::Value && f.value > kFactorLimit))
            ++factorFails_[i];
    }
    for (const std::string& check : o.nokChecks) {
        auto seen = std::find_if(nok_.begin(), nok_.end(), [&check](const auto& n) { return n.first == check; });
        if (seen == nok_.end()) seen = nok_.insert(nok_.end(), {check, 0});
        ++seen->second;
    }
}

std::vector<std::string> AlwaysFailing::Names() const {
    std::vector<std::string> names;
    if (runs_ == 0) return names;
    for (size_t i = 0; i < factorFails_.size(); ++i)
        if (factorFails_[i] == runs_) names.emplace_back(ModeFactors(mode_)[i]);
    for (const auto& [check, runs] : nok_)
        if (runs == runs_) names.push_back(check);
    return names;
}

RunOutcome ReadOutcome(const Case& c, int mode) {
    RunOutcome out;
    out.fault = c.FaultText;
    if (!out.fault.empty()) {
        out.factors.resize(ModeFactors(mode).size());
        return out;
    }
    for (const char* name : ModeFactors(mode)) out.factors.push_back(Read(c, name));
    for (const VerdictLine& v : kVerdictLines)
        if ((v.buckling ? mode != 2 : mode != 1) && (c.*v.line).Value == "NOK")
            out.nokChecks.push_back(CheckName(v.title));
    Judge(out);
    return out;
}

RunOutcome CalculateOutcome(Case& c, const Tables& tables, int mode) {
    c.CheckMode = static_cast<i16>(mode);
    CalculateNumbers(c, tables);
    return ReadOutcome(c, mode);
}

}  // namespace veltar

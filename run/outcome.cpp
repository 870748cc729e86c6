// Reading a run's usage factors. Negative factors are the checks' own marks for "does
// not apply" (-99, a stiffener without axial compression) and "not computed" (-2).
#include "run/outcome.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <variant>

#include "core/text.h"
#include "run/calculate.h"

namespace veltar {
namespace {

using FactorMember = std::variant<double Case::*, float Case::*>;

struct FactorField {
    const char* name;
    FactorMember member;
};

constexpr std::array<FactorField, 15> kFactors{{
    {"UFpb", &Case::UFpb},
    {"UFpu", &Case::UFpu},
    {"UFpl", &Case::UFpl},
    {"UFb", &Case::UFb},
    {"UFbt", &Case::UFbt},
    {"UFst", &Case::UFst},
    {"UFgbu", &Case::UFgbu},
    {"UFt", &Case::UFt},
    {"UFy", &Case::UFy},
    {"UFyp", &Case::UFyp},
    {"UFys", &Case::UFys},
    {"UFsm", &Case::UFsm},
    {"UFgm", &Case::UFgm},
    {"UFgd", &Case::UFgd},
    {"UFgw", &Case::UFgw},
}};
constexpr size_t kBucklingFactors = 7;

constexpr std::array<const char*, kFactors.size()> kNames = [] {
    std::array<const char*, kFactors.size()> names{};
    for (size_t i = 0; i < kFactors.size(); ++i) names[i] = kFactors[i].name;
    return names;
}();

// The buckling factors come first, then the scantling and yield factors.
template <typename T, size_t N>
std::span<const T> OfMode(const std::array<T, N>& all, int mode) {
    const std::span<const T> whole(all);
    if (mode == 1) return whole.first(kBucklingFactors);
    if (mode == 2) return whole.subspan(kBucklingFactors);
    return whole;
}

std::span<const FactorField> FactorsOf(int mode) { return OfMode(kFactors, mode); }

FactorReading Read(const Case& c, const FactorMember& member) {
    const double v = std::visit([&c](auto m) { return static_cast<double>(c.*m); }, member);
    if (!std::isfinite(v)) return {FactorState::Unbounded, 0};
    if (v < 0) return {FactorState::Absent, 0};
    return {FactorState::Value, v};
}

// The check's name as the list shows it: the row's text up to its first "=".
std::string CheckName(const std::string& text) {
    return std::string(Trim(std::string_view(text).substr(0, text.find('='))));
}

void Judge(RunOutcome& out) {
    double highest = -1;
    bool allPass = out.fault.empty() && out.nokChecks.empty();
    for (size_t i = 0; i < out.factors.size(); ++i) {
        const FactorReading& f = out.factors[i];
        if (f.state == FactorState::Absent) continue;
        const double v = f.state == FactorState::Unbounded ? std::numeric_limits<double>::infinity() : f.value;
        if (v > kFactorLimit) allPass = false;
        if (v > highest) {
            highest = v;
            out.governing = static_cast<int>(i);
        }
    }
    out.passes = allPass;
}

class DroppedWarnings : public CalcEvents {
public:
    void Warn(std::string_view, std::string_view) override {}
};

}  // namespace

std::span<const char* const> ModeFactors(int mode) { return OfMode(kNames, mode); }

const char* FactorName(int mode, int index) { return index < 0 ? "" : ModeFactors(mode)[static_cast<size_t>(index)]; }

double RunOutcome::GoverningValue() const {
    if (governing < 0) return 0;
    const FactorReading& f = factors[static_cast<size_t>(governing)];
    return f.state == FactorState::Unbounded ? std::numeric_limits<double>::infinity() : f.value;
}

AlwaysFailing::AlwaysFailing(int mode) : mode_(mode), factorFails_(ModeFactors(mode).size()) {}

void AlwaysFailing::Add(const RunOutcome& o) {
    if (!o.fault.empty()) return;
    ++runs_;
    for (size_t i = 0; i < o.factors.size(); ++i) {
        const FactorReading& f = o.factors[i];
        if (f.state == FactorState::Unbounded || (f.state == FactorState::Value && f.value > kFactorLimit))
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
        out.factors.resize(FactorsOf(mode).size());
        return out;
    }
    for (const FactorField& f : FactorsOf(mode)) out.factors.push_back(Read(c, f.member));
    for (const ListRow& row : c.Rows)
        if (row.style == RowStyle::Result && row.value == "NOK") out.nokChecks.push_back(CheckName(row.text));
    Judge(out);
    return out;
}

RunOutcome CalculateOutcome(Case& c, const Tables& tables, int mode) {
    c.CheckMode = static_cast<i16>(mode);
    DroppedWarnings dropped;
    Calculate(c, tables, dropped);
    return ReadOutcome(c, mode);
}

}  // namespace veltar

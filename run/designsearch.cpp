// The design search. The stiffener of a candidate is resolved once for all its plate
// thicknesses (its bare section does not depend on the plate); every candidate is
// then the whole calculation on a copy of the case.
#include "run/designsearch.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/numformat.h"
#include "profiles/sections.h"
#include "run/outcome.h"

namespace veltar {
namespace {

constexpr int kMaxTop = 1000;

constexpr std::array<SearchKind, 4> kSearchKinds{{
    {KindSource::LTable, "L", "L"},
    {KindSource::TTable, "T", "T"},
    {KindSource::FbTable, "FB", "flat bar"},
    {KindSource::BFTable, "BF", "bulb flat"},
}};

struct StiffenerChoice {
    i16 kind;
    int row;  // -1: the case's own stiffener
};

// A passing candidate before its texts are made: only the ten or so kept get them.
struct Passing {
    size_t stiffener;
    float t;
    double weight;
    int governing;
    double uf;
};

bool Wanted(const DesignSpace& space, KindSource source) {
    return std::find(space.kinds.begin(), space.kinds.end(), source) != space.kinds.end();
}

bool VariesStiffener(DesignVary v) { return v != DesignVary::Plate; }
bool VariesPlate(DesignVary v) { return v != DesignVary::Stiffener; }

std::vector<StiffenerChoice> Stiffeners(const DesignSpace& space, const Case& base, const Tables& tables) {
    if (!VariesStiffener(space.vary)) return {{base.StiffKind, -1}};
    std::vector<StiffenerChoice> choices;
    for (const StiffKindDef& k : StiffKinds()) {
        if (!k.IsTable() || !Wanted(space, k.source)) continue;
        const int last = std::min(TableFor(tables, k.source).table->count, kMaxProfileRows - 1);
        for (int row = 0; row <= last; ++row) choices.push_back({k.kind, row});
    }
    return choices;
}

void PutStiffener(Case& c, const Tables& tables, const StiffenerChoice& s) {
    if (s.row < 0) return;
    c.StiffKind = s.kind;
    c.*(StiffKindOf(s.kind)->row) = static_cast<i16>(s.row);
    SetStiffenerProfile(c, tables, s.kind);
}

// Grid indices k of the thicknesses k * kThicknessStep inside the range, at least one step.
std::pair<double, double> GridIndices(double from, double to) {
    return {std::max(1.0, std::ceil(from / kThicknessStep)), std::floor(to / kThicknessStep)};
}

}  // namespace

std::span<const SearchKind> SearchKinds() { return kSearchKinds; }

const SearchKind* SearchKindByCode(std::string_view code) {
    for (const SearchKind& k : kSearchKinds)
        if (code == k.code) return &k;
    return nullptr;
}

DesignSpace DefaultDesignSpace(const Case& c) {
    DesignSpace space;
    for (const SearchKind& k : kSearchKinds) space.kinds.push_back(k.source);
    space.tFrom = static_cast<double>(c.t) / 2;
    space.tTo = static_cast<double>(c.t) * 3 / 2;
    space.mode = c.CheckMode;
    return space;
}

Status CheckDesignSpace(const DesignSpace& space) {
    if (space.mode < 1 || space.mode > 3) return Status::Error("the check mode must be 1, 2 or 3");
    if (space.top < 1 || space.top > kMaxTop)
        return Status::Error("the number of panels kept must be 1 to " + std::to_string(kMaxTop));
    if (VariesStiffener(space.vary) && space.kinds.empty())
        return Status::Error("choose at least one profile table for the stiffener");
    if (!VariesPlate(space.vary)) return Status::Ok();
    if (!std::isfinite(space.tFrom) || !std::isfinite(space.tTo))
        return Status::Error("the plate thickness range must be two numbers");
    const std::string range =
        "the plate thickness range from " + PlainText(space.tFrom) + " to " + PlainText(space.tTo) + " mm";
    if (space.tFrom > space.tTo) return Status::Error(range + " must run from a lower to a higher thickness");
    const auto [first, last] = GridIndices(space.tFrom, space.tTo);
    if (first > last) return Status::Error(range + " holds no thickness of the 0.5 mm grid");
    if (last - first + 1 > kMaxThicknesses)
        return Status::Error(range + " holds more than " + std::to_string(kMaxThicknesses) + " thicknesses");
    return Status::Ok();
}

std::vector<float> SearchThicknesses(const DesignSpace& space, const Case& c) {
    if (!VariesPlate(space.vary)) return {static_cast<float>(static_cast<double>(c.t))};
    const auto [first, last] = GridIndices(space.tFrom, space.tTo);
    std::vector<float> ts;
    for (double k = first; k <= last; ++k) ts.push_back(static_cast<float>(k * kThicknessStep));
    return ts;
}

double PanelWeight(const Case& c) {
    const double plate = static_cast<double>(c.t);
    const double stiffener = static_cast<double>(c.StiffAx) / c.sm;  // mm2 per mm of panel width
    return kSteelDensity * (plate + stiffener) / 1000;
}

DesignResult SearchDesigns(const Case& base, const Tables& tables, const DesignSpace& space) {
    const std::vector<StiffenerChoice> stiffeners = Stiffeners(space, base, tables);
    const std::vector<float> thicknesses = SearchThicknesses(space, base);
    DesignResult result;
    AlwaysFailing failing(space.mode);
    std::vector<Passing> passing;
    std::vector<std::string> profiles(stiffeners.size());
    Case withStiffener, work;
    for (size_t s = 0; s < stiffeners.size(); ++s) {
        withStiffener = base;
        PutStiffener(withStiffener, tables, stiffeners[s]);
        profiles[s] = withStiffener.stiffprof;
        for (const float t : thicknesses) {
            work = withStiffener;
            if (VariesPlate(space.vary)) work.t = Real(t);
            const RunOutcome o = CalculateOutcome(work, tables, space.mode);
            ++result.candidates;
            if (!o.fault.empty()) ++result.faulted;
            failing.Add(o);
            if (o.passes) passing.push_back({s, t, PanelWeight(work), o.governing, o.GoverningValue()});
        }
    }
    result.passing = static_cast<int>(passing.size());
    result.alwaysFailing = failing.Names();
    const size_t kept = std::min(passing.size(), static_cast<size_t>(space.top));
    std::partial_sort(passing.begin(), passing.begin() + static_cast<std::ptrdiff_t>(kept), passing.end(),
                      [](const Passing& a, const Passing& b) {
                          if (a.weight != b.weight) return a.weight < b.weight;
                          if (a.uf != b.uf) return a.uf < b.uf;
                          return a.stiffener != b.stiffener ? a.stiffener < b.stiffener : a.t < b.t;
                      });
    for (size_t i = 0; i < kept; ++i) {
        const Passing& p = passing[i];
        const StiffenerChoice& s = stiffeners[p.stiffener];
        result.best.push_back(
            {s.kind, s.row, p.t, profiles[p.stiffener], p.weight, FactorName(space.mode, p.governing), p.uf});
    }
    return result;
}

void ApplyDesign(Case& c, const Tables& tables, const DesignCandidate& d, DesignVary vary) {
    if (VariesPlate(vary)) c.t = Real(d.t);
    if (VariesStiffener(vary)) PutStiffener(c, tables, {d.kind, d.row});
}

}  // namespace veltar

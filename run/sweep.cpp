// Sweep ranges and runs. Each step stores its value as a 32-bit float, as a box does,
// so a step reproduces exactly what typing the value into the window would give.
#include "run/sweep.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "core/numformat.h"

namespace veltar {
namespace {

// Halving a float interval reaches neighbouring floats within about 32 runs.
constexpr int kMaxBisections = 64;

bool FitsFloat(double x) { return std::isfinite(x) && std::fabs(x) <= static_cast<double>(FLT_MAX); }

// The box's limit as its message states it, without the message's padding blanks.
std::string LimitText(const FieldDef& f) {
    std::string text = f.box.message;
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

SweepCrossing Narrow(const Case& base, const Tables& tables, const SweepResult& r, size_t after) {
    const SweepStep& a = r.steps[after];
    const SweepStep& b = r.steps[after + 1];
    SweepCrossing x{after, a.outcome.passes ? a.value : b.value, a.outcome.passes ? b.value : a.value};
    Case work;
    for (int i = 0; i < kMaxBisections; ++i) {
        const float mid = static_cast<float>((static_cast<double>(x.passing) + static_cast<double>(x.failing)) / 2);
        if (mid == x.passing || mid == x.failing) break;
        work = base;
        SetSweptValue(work, tables, *r.range.field, mid);
        (CalculateOutcome(work, tables, r.mode).passes ? x.passing : x.failing) = mid;
    }
    return x;
}

}  // namespace

std::vector<const FieldDef*> SweepableFields() {
    std::vector<const FieldDef*> fields;
    for (const FieldDef& f : CaseFields())
        if (f.box.widget && IsNumeric(f)) fields.push_back(&f);
    return fields;
}

const FieldDef* FindSweepable(std::string_view name) {
    const FieldDef* f = FindField(name);
    return f && f->box.widget && IsNumeric(*f) ? f : nullptr;
}

SweepRange DefaultSweepRange(const Case& c, const FieldDef& f) {
    const double v = NumericValue(c, f);
    const double half = v == 0 ? 1.0 : std::fabs(v) / 2;
    SweepRange r{&f, v - half, v + half, kDefaultSweepSteps};
    // A value the box warned about may lie outside its limits: then the range stays
    // as it is and the check names the limit.
    const double from = std::max(r.from, f.box.min), to = std::min(r.to, f.box.max);
    if (from < to) {
        r.from = from;
        r.to = to;
    }
    return r;
}

Status CheckSweepRange(const SweepRange& r) {
    if (!r.field || !FindSweepable(r.field->name)) return Status::Error("no input of that name can be swept");
    const std::string name = r.field->name;
    if (!FitsFloat(r.from) || !FitsFloat(r.to))
        return Status::Error("the range of " + name + " must be two numbers a box can hold");
    if (!(r.from < r.to)) return Status::Error("the range of " + name + " must run from a lower to a higher value");
    if (r.steps < 1 || r.steps > kMaxSweepSteps)
        return Status::Error("the number of steps must be 1 to " + std::to_string(kMaxSweepSteps));
    if (r.field->box.Breaks(r.from) || r.field->box.Breaks(r.to))
        return Status::Error("the range of " + name + " from " + PlainText(static_cast<float>(r.from)) + " to " +
                             PlainText(static_cast<float>(r.to)) + " leaves its limit " + LimitText(*r.field));
    return Status::Ok();
}

void SetSweptValue(Case& c, const Tables& tables, const FieldDef& f, float value) {
    StoreTyped(c, f, value);
    const i16 ownGrade = static_cast<i16>(tables.Mat.count);
    if (f.member == FieldMember(&Case::Fyp) || f.member == FieldMember(&Case::Fup)) c.PlateGradeIndex = ownGrade;
    if (f.member == FieldMember(&Case::Fys) || f.member == FieldMember(&Case::Fus)) c.StiffGradeIndex = ownGrade;
}

SweepResult RunSweep(const Case& base, const Tables& tables, const SweepRange& range, int mode) {
    SweepResult r{range, mode, static_cast<float>(NumericValue(base, *range.field)), {}, {}};
    r.steps.reserve(static_cast<size_t>(range.steps) + 1);
    Case work;
    for (int i = 0; i <= range.steps; ++i) {
        const float value = static_cast<float>(range.from + (range.to - range.from) * i / range.steps);
        work = base;
        SetSweptValue(work, tables, *range.field, value);
        r.steps.push_back({value, CalculateOutcome(work, tables, mode)});
    }
    for (size_t i = 0; i + 1 < r.steps.size(); ++i)
        if (r.steps[i].outcome.passes != r.steps[i + 1].outcome.passes)
            r.crossings.push_back(Narrow(base, tables, r, i));
    return r;
}

}  // namespace veltar

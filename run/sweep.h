// A sweep: one input run over a range, the whole calculation at every step on a copy
// of the case, and where the panel starts or stops passing every check.
#pragma once

#include <string>
#include <vector>

#include "core/case.h"
#include "core/fieldtable.h"
#include "core/status.h"
#include "profiles/tables.h"
#include "run/outcome.h"

namespace veltar {

constexpr int kDefaultSweepSteps = 50;
constexpr int kMaxSweepSteps = 10000;

// The inputs a sweep can run over: the numeric fields with a box in the main window.
std::vector<const FieldDef*> SweepableFields();
// The sweepable field of that name, or null.
const FieldDef* FindSweepable(std::string_view name);

struct SweepRange {
    const FieldDef* field = nullptr;
    double from = 0, to = 0;
    int steps = kDefaultSweepSteps;  // intervals: steps + 1 values from `from` to `to`
};

// From half to one and a half times the case's value, within the box's limits.
SweepRange DefaultSweepRange(const Case& c, const FieldDef& f);

// Ok, or a message that names the input and what is wrong with its range.
Status CheckSweepRange(const SweepRange& r);

// Stores a value into the case as its box does. A strength typed into a box belongs to
// the user-defined grade; without it the next run would reload the grade's own value.
void SetSweptValue(Case& c, const Tables& tables, const FieldDef& f, float value);

struct SweepStep {
    float value = 0;  // as the box stores it
    RunOutcome outcome;
};

// A boundary between a passing and a failing step, narrowed down by further runs.
struct SweepCrossing {
    size_t after = 0;   // the boundary lies between steps `after` and `after` + 1
    float passing = 0;  // the passing value nearest the boundary
    float failing = 0;  // the failing value nearest the boundary
    bool PassesAbove() const { return passing > failing; }
};

struct SweepResult {
    SweepRange range;
    int mode = 3;
    float current = 0;  // the case's own value
    std::vector<SweepStep> steps;
    std::vector<SweepCrossing> crossings;  // in step order
};

// Runs a checked range in check mode `mode`; `base` stays untouched.
SweepResult RunSweep(const Case& base, const Tables& tables, const SweepRange& range, int mode);

// The values that pass, with each bound rounded towards its passing side to the box's
// decimals, e.g. "t ≥ 11.4 mm passes every check".
std::string PassingText(const SweepResult& r, char sep = '.');

// A step's value as the shortest text that reads back as the same 32-bit float.
std::string StepValueText(float value);

// The steps as comma-separated values: the input, every usage factor (the shortest
// text that reads back exactly, "NOK" when unbounded, empty when it does not apply),
// whether the step passes, the governing factor, the checks that read "NOK" and the
// fault text.
std::string SweepCsv(const SweepResult& r);

}  // namespace veltar

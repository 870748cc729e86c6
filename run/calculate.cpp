// The calculation run: span warnings, materials, stresses, every check in its fixed
// order, then the result list of the check mode.
#include "run/calculate.h"

#include <cfenv>

#include "checks/buckling/buckling.h"
#include "checks/scantling/scantling.h"
#include "core/arith.h"
#include "core/stresses.h"
#include "profiles/girder.h"
#include "profiles/materials.h"
#include "profiles/sections.h"

namespace veltar {
namespace {

constexpr int kFaultFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

// Runs one step of the run. The checks test their own divisions and roots; the
// floating-point flags catch anything they missed, so no NaN or infinity can ever
// reach a result text unnoticed. Clearing the flags is slow, so a run clears them
// once before its first step: they stay set, so the first step after which one is
// set raised it.
template <typename F>
void Step(std::string_view name, F&& step) {
    step();
    const int raised = std::fetestexcept(kFaultFlags);
    if (raised == 0) return;
    const Checked k(name);
    if (raised & FE_DIVBYZERO) k.Fail("division by zero", {});
    if (raised & FE_OVERFLOW) k.Fail("overflow", {});
    k.Fail("invalid arithmetic (a root of a negative number or 0/0)", {});
}

void RaiseIfSet(const std::string& fault) {
    if (!fault.empty()) throw CalcFault{fault};
}

void RunChecks(Case& c, const Tables& tables) {
    Step("Material grades", [&] {
        SetPlateMaterial(c, tables, c.PlateGradeIndex);
        SetStiffenerMaterial(c, tables, c.StiffGradeIndex);
    });
    Step("Stress pre-processing", [&] {
        c.Lm = (static_cast<double>(c.L1) + static_cast<double>(c.L2)) / 2;
        PrepareStresses(c);
    });
    Step("Plate buckling", [&] { PlateBuckling(c); });
    Step("Effective width", [&] { EffectiveWidthSw(c); });
    Step("Stiffener section", [&] { StiffenerWithPlating(c); });
    Step("Stiffener buckling", [&] { StiffenerBuckling(c); });
    Step("Girder buckling", [&] {
        // Reads the girder area of the last girder section; a degenerate girder has none.
        RaiseIfSet(c.GirderFault);
        GirderBuckling(c);
    });
    Step("Plate yield", [&] { PlateYield(c); });
    Step("Stiffener yield", [&] { StiffenerYield(c); });
    Step("Stiffener stiffness", [&] { StiffenerStiffness(c); });
    Step("Plate scantling", [&] { PlateScantling(c); });
    Step("Stiffener scantling", [&] { StiffenerScantling(c, tables); });
    Step("Girder section", [&] {
        GirderSection(c);
        RaiseIfSet(c.GirderFault);
    });
    Step("Girder scantling", [&] { GirderScantling(c, tables); });
    if (c.Texts) Step("c-factors", [&] { CFactorText(c); });
}

void ListResults(Case& c) {
    RowWriter rows(c.Rows);
    switch (c.CheckMode) {
        case 1: ShowBucklingResults(c, rows); break;
        case 2: ShowScantlingResults(c, rows); break;
        default:
            ShowBucklingResults(c, rows);
            ShowScantlingResults(c, rows);
            break;
    }
    rows.Finish();
}

// The checks, then the result list where the run writes its texts.
void Run(Case& c, const Tables& tables) {
    std::feclearexcept(kFaultFlags);
    try {
        RunChecks(c, tables);
        if (c.Texts)
            Step("Result list", [&] { ListResults(c); });
        else
            c.Rows.clear();
        c.FaultText.clear();
    } catch (const CalcFault& fault) {
        // The rows of an earlier run would read as results of this input: show none.
        c.FaultText = fault.text;
        c.Rows.clear();
    }
}

}  // namespace

void CheckSpans(const Case& c, CalcEvents& events) {
    if (c.s1 > c.L1)
        events.Warn(" s1 <= L1  ", "is1");
    else if (c.s2 > c.L1)
        events.Warn(" s2 <= l1  ", "is2");
    if (c.s1 > c.L2)
        events.Warn(" s1 <= L2  ", "is1");
    else if (c.s2 > c.L2)
        events.Warn(" s2 <= l2  ", "is2");
}

void Calculate(Case& c, const Tables& tables, CalcEvents& events) {
    c.CalcErrorFlag = 0;
    CheckSpans(c, events);
    c.Texts = true;
    Run(c, tables);
}

void CalculateNumbers(Case& c, const Tables& tables) {
    c.CalcErrorFlag = 0;
    c.Texts = false;
    Run(c, tables);
    c.Texts = true;
}

void PrepareStartupCase(Case& c, const Tables& tables) {
    SetPlateMaterial(c, tables, c.PlateGradeIndex);
    try {
        PrepareStresses(c);
    } catch (const CalcFault&) {
        // Reported by the first calculation run, which repeats this step.
    }
    SetStiffenerProfile(c, tables, c.StiffKind);
    GirderSection(c);
    SetStiffenerMaterial(c, tables, c.StiffGradeIndex);
}

}  // namespace veltar

// The calculation run: every check in a fixed order, then the result list of the
// check mode. An arithmetic fault ends the run at the faulting step, empties the
// list and leaves the reason in FaultText.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/case.h"
#include "profiles/tables.h"

namespace veltar {

// Where the span warnings go: the window shows modal boxes, the CLI collects them.
class CalcEvents {
public:
    virtual ~CalcEvents() = default;
    // A warning about the input; `focusBox` names the box that should get the focus.
    virtual void Warn(std::string_view text, std::string_view focusBox) = 0;
};

// For runs of many cases: a warning would repeat for each, and what they show (the
// result table, the grid, a sweep) shows the spans anyway.
class IgnoredWarnings : public CalcEvents {
public:
    void Warn(std::string_view, std::string_view) override {}
};

class CollectedWarnings : public CalcEvents {
public:
    void Warn(std::string_view text, std::string_view) override { texts.emplace_back(text); }
    std::vector<std::string> texts;
};

void Calculate(Case& c, const Tables& tables, CalcEvents& events);

// The same run for callers that judge a case by its numbers: every usage factor and
// working value, the section descriptions and FaultText exactly as Calculate leaves
// them, and the "OK"/"NOK" verdicts of the lines that can read them (the Value of the
// beam-column and the girder depth, web and tripping lines), but no other line texts,
// no c-factor captions and an empty result list; no span warnings. A fifth to a quarter
// of a Calculate: the number texts are most of a run. The result table, the sweep and
// the design search read nothing else. Safe to run on separate cases in parallel.
void CalculateNumbers(Case& c, const Tables& tables);

// Spacing against span warnings; changes nothing.
void CheckSpans(const Case& c, CalcEvents& events);

// Start-up after the tables are read: plate grade, stresses, stiffener section,
// girder section, stiffener grade.
void PrepareStartupCase(Case& c, const Tables& tables);

}  // namespace veltar

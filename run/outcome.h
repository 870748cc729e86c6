// What one calculated case means for a check mode: its usage factors, the checks
// that read "NOK", and whether it passes every check of the mode. The sweep and the
// design search judge every run they make through this one reading.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/case.h"
#include "profiles/tables.h"

namespace veltar {

// Every usage factor passes at or below 1.0, as the result list colours it: the
// allowed usage factor UFa is already the eta inside each buckling factor, and the
// scantling and yield factors are demand over their rule values.
constexpr double kFactorLimit = 1.0;

enum class ReadingState : std::uint8_t {
    Value,      // a number
    Unbounded,  // no finite value: the check fails whatever ("NOK")
    Absent,     // the check does not apply to this case or was not computed
};

struct FactorReading {
    ReadingState state = ReadingState::Absent;
    double value = 0;  // for Value only
};

// The usage factors of a check mode (1 buckling, 2 scantling/yield, any other both),
// named as their fields, in the order of the result list.
std::span<const char* const> ModeFactors(int mode);

// The name of factor `index` of a mode; empty for -1, the index of no factor.
const char* FactorName(int mode, int index);

struct RunOutcome {
    std::vector<FactorReading> factors;  // in ModeFactors order; all absent after a fault
    std::string fault;                   // why the run ended early; empty when it completed
    std::vector<std::string> nokChecks;  // listed checks that read "NOK"
    int governing = -1;                  // index of the highest factor; -1 when none applies
    bool passes = false;

    // The governing factor; infinity when it is unbounded, 0 when there is none.
    double GoverningValue() const;
};

// The checks that fail in every completed run of a series: why nothing in it passes.
class AlwaysFailing {
public:
    explicit AlwaysFailing(int mode);
    void Add(const RunOutcome& o);
    // The factors, then the checks that read "NOK"; empty when no run completed.
    std::vector<std::string> Names() const;

private:
    int mode_;
    int runs_ = 0;
    std::vector<int> factorFails_;                  // runs in which each factor failed
    std::vector<std::pair<std::string, int>> nok_;  // runs in which each check read "NOK"
};

// Reads a case that has just been calculated in check mode `mode`.
RunOutcome ReadOutcome(const Case& c, int mode);

// The numbers-only calculation of `c` in check mode `mode`: the tools run the case
// many times over and judge each run by its outcome alone.
RunOutcome CalculateOutcome(Case& c, const Tables& tables, int mode);

}  // namespace veltar

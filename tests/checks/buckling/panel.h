// Shared set-up of the buckling tests: a panel with its stresses pre-processed, the
// text of a calculation fault, and the numbers of a result text.
#pragma once

#include <regex>
#include <string>
#include <vector>

#include "core/arith.h"
#include "core/calculate.h"
#include "core/case.h"

namespace veltar::testing {

// The start-up panel (t 20, s 625/625, L1 3000, Sigx -100, Sigy -30, Tau 40,
// p 0.03) with an angle stiffener and 235 MPa plate and stiffener.
inline Case Panel() {
    Case c;
    c.Fyp = 235;
    c.Fys = 235;
    PrepareStresses(c);
    return c;
}

inline void SetStresses(Case& c, float sigxA, float sigxB, float sigyA, float sigyC) {
    c.SigxA = sigxA;
    c.SigxB = sigxB;
    c.SigyA = sigyA;
    c.SigyC = sigyC;
    PrepareStresses(c);
}

// The fault text that ends `step`, or empty text when the step completes.
template <typename Step>
std::string FaultOf(Step&& step) {
    try {
        step();
    } catch (const CalcFault& fault) {
        return fault.text;
    }
    return {};
}

// The numbers of a result text in order; a minus directly before a digit belongs to it.
inline std::vector<std::string> Numbers(const std::string& text) {
    static const std::regex number(R"(-?[0-9]+(\.[0-9]+)?(E[+-][0-9]+)?)");
    std::vector<std::string> out;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it)
        out.push_back(it->str());
    return out;
}

}  // namespace veltar::testing

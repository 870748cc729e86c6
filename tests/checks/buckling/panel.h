// Shared set-up of the buckling tests: a panel with its stresses pre-processed, a
// result line as one comparable value, and the text of a calculation fault.
#pragma once

#include <string>
#include <tuple>

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

// Title, Formula, Value, Reference and Colour.
using Line = std::tuple<std::string, std::string, std::string, std::string, int>;
inline Line Parts(const ResultLine& l) { return {l.Title, l.Formula, l.Value, l.Reference, l.Colour}; }

inline bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

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

}  // namespace veltar::testing

// A default case with the section values the scantling checks read, and a small
// grade table, so each check can run on its own.
#pragma once

#include <gtest/gtest.h>

#include "core/arith.h"
#include "core/case.h"
#include "profiles/tables.h"

namespace veltar::test {

// Start-up defaults with 235/400 MPa steel, the stresses pre-processed, L100x75x7x7
// on a 625 x 20 strip and the T 800x200x10x20 girder on a 2640 x 20 strip (moduli
// worked out by hand: Wp = Ie/zp, Ws = Ie/zf).
inline Case ScantlingCase() {
    Case c;
    c.Fyp = 235.0f;
    c.Fup = 400.0f;
    c.Fys = 235.0f;
    c.Fus = 400.0f;
    c.Lm = 2750;
    c.sm = 625;
    c.SigxS = -100;
    c.beSc = 625;
    c.WepSc = 1223481.9;
    c.WesSc = 80337.3f;
    c.beG = 2640;
    c.WepG = 36665098.9;
    c.WesG = 5036808.8f;
    c.GirdH = 800.0;
    c.GirdTw = 10.0;
    return c;
}

// Tabulated factors 1.0, 0.9, 1.0, 0.8 for grades 0 to 3; grade 4 higher strength.
inline Tables ScantlingTables() {
    Tables t;
    t.Mat.count = 5;
    t.Mat.Q = {1.0f, 0.9f, 1.0f, 0.8f, 0.72f, 1.0f};
    return t;
}

// Runs `check` expecting an arithmetic fault and returns its text.
template <typename Check>
std::string FaultOf(Check check) {
    try {
        check();
    } catch (const CalcFault& fault) {
        return fault.text;
    }
    ADD_FAILURE() << "no arithmetic fault";
    return {};
}

}  // namespace veltar::test

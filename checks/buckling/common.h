// Constants and small helpers shared by the plate, stiffener and girder buckling checks.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "core/arith.h"
#include "core/case.h"
#include "core/numformat.h"

namespace veltar::buckling {

// pi is a 32-bit float in the buckling formulas; its square is formed in double.
inline constexpr float kPi = 3.141593f;
inline constexpr double kPi2 = static_cast<double>(kPi) * static_cast<double>(kPi);
// Fault hints several buckling checks share.
inline constexpr std::string_view kHintEta = "the allowable usage factor is zero";
inline constexpr std::string_view kHintSpan = "the stiffener span L1 is zero";

// 12·(1 − ν²) with ν = 0.3, the plate rigidity denominator.
inline constexpr double kPlateRigidity = 12.0 * 0.91;

// Critical stress above the proportional limit (Johnson-Ostenfeld):
// s0·(1 − factor·s0/sE), with factor = Pr·(1 − Pr).
inline double Inelastic(const Checked& k, double s0, double sE, double factor, std::string_view hint) {
    return s0 * (1.0 - k.Div(factor * s0, sE, hint));
}

}  // namespace veltar::buckling

// Von Mises stress of the stiffener with attached plating at the span ends and at
// mid-span, on the plate side (UFyp) and on the stiffener side (UFys).
#include <cmath>

#include "checks/scantling/rule_basis.h"
#include "checks/scantling/scantling.h"
#include "core/numformat.h"

namespace veltar {
namespace {

constexpr std::string_view kStressHint = "check the stresses, the pressure p and the section moduli of the stiffener";

// Bending stress p*sm*L1^2/(divisor*W) of the continuous stiffener: divisor 12 at
// the supports, 24 at mid-span.
double BendingStress(const Case& c, const Checked& k, double w, double divisor, std::string_view zeroHint) {
    const double l1 = c.L1;
    const double load = k.Fin(double(c.p) * c.sm * (l1 * l1), kStressHint);
    return k.Div(load, divisor * w, zeroHint);
}

// Plate side: points 1 and 3 at the span ends, 2 at mid-span.
scantling::Governing PlateSide(const Case& c, const Checked& k) {
    constexpr std::string_view zeroHint = "the section modulus WepSc at the plate is zero";
    const double end = c.SigxS + BendingStress(c, k, c.WepSc, 12.0, zeroHint);
    const double mid = c.SigxS - BendingStress(c, k, c.WepSc, 24.0, zeroHint);
    const double tau = c.Tau;
    const double syA = c.SigyA, syC = c.SigyC;
    scantling::Governing g{1, scantling::VonMises(k, end, syA, tau, kStressHint), false};
    const double midSy = (syA + syC) / 2.0;
    scantling::TakeIfGreater(g, 2, scantling::VonMises(k, mid, midSy, tau, kStressHint));
    scantling::TakeIfGreater(g, 3, scantling::VonMises(k, end, syC, tau, kStressHint));
    return g;
}

// Stiffener side, uniaxial: the mid-span stress is held as a 32-bit float.
scantling::Governing StiffenerSide(const Case& c, const Checked& k) {
    constexpr std::string_view zeroHint = "the section modulus WesSc at the profile top is zero";
    const double w = c.WesSc;
    const double end = std::fabs(c.SigxS - BendingStress(c, k, w, 12.0, zeroHint));
    const double mid = std::fabs(c.SigxS + BendingStress(c, k, w, 24.0, zeroHint));
    scantling::Governing g{1, k.Fin(end, kStressHint), false};
    scantling::TakeIfGreater(g, 2, k.F32(mid, kStressHint), true);
    return g;
}

void FillYieldLine(ResultLine& line, const Case& c, const scantling::Governing& g, char side, const Real& fy,
                   double uf) {
    auto f = TextInto(c, line.Formula);
    f.Num(c.FS, "0.00") << "*";
    scantling::NumHeld(f, g, "0.0") << "/";
    f.Num(fy, "0.0") << " = ";
    TextInto(c, line.Value).Num(uf, "0.00");
    SetLine(line, "Point ", "  < 1.0 (3-2-1/3.11)", UsageColour(uf));
    // The points are 1 to 3.
    line.Title.append(1, static_cast<char>('0' + g.point)).append(1, side).append(": UF = F.S.*Sigeq/Fy  = ");
}

}  // namespace

void StiffenerYield(Case& c) {
    const Checked k("Stiffener yield");
    c.StiffYieldPLine.ClearTexts();
    c.StiffYieldSLine.ClearTexts();
    const scantling::Governing plate = PlateSide(c, k);
    c.UFyp = k.Div(double(c.FS) * plate.value, c.Fyp, "the plate yield stress Fyp is zero");
    const scantling::Governing stiff = StiffenerSide(c, k);
    c.UFys = k.Div(double(c.FS) * stiff.value, c.Fys, "the stiffener yield stress Fys is zero");
    if (!c.Texts) return;
    FillYieldLine(c.StiffYieldPLine, c, plate, 'p', c.Fyp, c.UFyp);
    FillYieldLine(c.StiffYieldSLine, c, stiff, 's', c.Fys, c.UFys);
}

}  // namespace veltar

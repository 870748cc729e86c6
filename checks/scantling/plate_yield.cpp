// Von Mises stress of the plating at the panel corners A to D: UFy = F.S.*Sigeq/Fyp.
#include <array>

#include "checks/scantling/rule_basis.h"
#include "checks/scantling/scantling.h"
#include "core/numformat.h"

namespace veltar {
namespace {

constexpr std::string_view kStressHint = "check the in-plane stresses and the shear stress Tau";
constexpr std::array<char, 4> kCornerName{'A', 'B', 'C', 'D'};

// Corner D is held as a 32-bit float, A to C as doubles; ties stay with the
// earlier corner.
scantling::Governing GoverningCorner(const Case& c, const Checked& k) {
    const double tau = c.Tau;
    const double sxA = c.SigxA, sxB = c.SigxB, syA = c.SigyA, syC = c.SigyC;
    scantling::Governing g{0, scantling::VonMises(k, sxA, syA, tau, kStressHint), false};
    scantling::TakeIfGreater(g, 1, scantling::VonMises(k, sxB, syA, tau, kStressHint));
    scantling::TakeIfGreater(g, 2, scantling::VonMises(k, sxA, syC, tau, kStressHint));
    const float d = k.F32(scantling::VonMises(k, sxB, syC, tau, kStressHint), kStressHint);
    scantling::TakeIfGreater(g, 3, d, true);
    return g;
}

void FillPlateYieldLine(Case& c, const scantling::Governing& g) {
    ResultLine& line = c.PlateYieldLine;
    auto f = TextInto(c, line.Formula);
    f.Num(c.FS, "0.00") << "*";
    scantling::NumHeld(f, g, "0.0") << "/";
    f.Num(c.Fyp, "0.0") << " = ";
    TextInto(c, line.Value).Num(c.UFy, "0.00");
    SetLine(line, "Point: ", "  < 1.0 (3-2-1/3.11)", UsageColour(c.UFy));
    line.Title.append(1, kCornerName[g.point]).append(":  UF = F.S.*Sigeq/Fy = ");
}

}  // namespace

void PlateYield(Case& c) {
    const Checked k("Plate yield");
    c.PlateYieldLine.ClearTexts();
    c.PlateYieldLine.Colour = 0;
    c.PlateYieldNote.clear();
    c.UFy = -2;
    const scantling::Governing g = GoverningCorner(c, k);
    // The yield stress itself: the 0.72*Fup limit belongs to the thickness rule only.
    c.UFy = k.Div(double(c.FS) * g.value, c.Fyp, "the plate yield stress Fyp is zero");
    if (!c.Texts) return;
    (TextInto(c, c.PlateYieldNote) << "  Control in points A-D,  Factor of Safety F.S. = ").Num(c.FS, "0.00");
    if (c.UFy != 0.0) FillPlateYieldLine(c, g);
}

}  // namespace veltar

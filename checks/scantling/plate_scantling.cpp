// Minimum plate thickness of bulkheads and upper structure: UFt = tmin/t.
#include <cmath>

#include "checks/scantling/rule_basis.h"
#include "checks/scantling/scantling.h"
#include "core/numformat.h"

namespace veltar {
namespace {

using scantling::Structure;

constexpr std::string_view kStrengthHint = "check the plate yield stress Fyp and tensile strength Fup";
constexpr std::string_view kRootHint = "check the pressure ps and the plate strengths Fyp, Fup";
constexpr std::string_view kSizeHint = "check the spacings s1, s2, the span L1 and the pressure ps";

// Material factor q = 235/Y, Y the lesser of Fyp and 0.72*Fup.
float PlateMaterialFactor(const Case& c, const Checked& k) {
    const double fyp = c.Fyp;
    const double fuLimit = 0.72 * double(c.Fup);
    const double y = fyp < fuLimit ? fyp : fuLimit;
    return k.F32(k.Div(235.0, y, kStrengthHint), kStrengthHint);
}

// Aspect coefficient k from L1/s1; long fields (above 2) take 1. Formed for every
// structure type, so a zero spacing ends the run even where k is not used.
double AspectCoefficient(const Case& c, const Checked& k) {
    const double alpha = k.Div(c.L1, c.s1, "the stiffener spacing s1 is zero");
    if (alpha > 2.0) return 1.0;
    const double root = k.Sqrt(alpha, "L1/s1 is negative: check the span L1 and the spacing s1");
    return (3.075 * root - 2.077) / (alpha + 0.272);
}

// Bulkhead plating: tb = max(floor, s/boundDiv + 2.5), tf = s*k*sqrt(q*h)/formulaDiv + add.
struct BulkheadRule {
    double floor, boundDiv, formulaDiv, formulaAdd;
};
constexpr BulkheadRule kWatertightRule{6.0, 200.0, 290.0, 1.5};
constexpr BulkheadRule kTankRule{6.5, 150.0, 254.0, 2.5};

// The maxima are strict: the formula replaces the lower bound only when greater.
double BulkheadMinimum(const Checked& k, const BulkheadRule& rule, double s, double aspect, double rootQh) {
    const double bound = s / rule.boundDiv + 2.5;
    const double tb = bound > rule.floor ? bound : rule.floor;
    const double tf = k.Fin(s * aspect * rootQh / rule.formulaDiv + rule.formulaAdd, kSizeHint);
    return tf > tb ? tf : tb;
}

double MinimumThickness(const Case& c, const Checked& k, double s, float q, double aspect) {
    const double qd = q;
    const double ps = std::fabs(double(c.ps));
    const Structure type = scantling::StructureOf(c);
    if (type == Structure::Upper && !scantling::SecondOption(c)) {
        const double root = k.Sqrt(1000.0 * qd * ps / 7.05, kRootHint);
        const double tf = k.Fin(0.0039 * s * root + 1.5, kSizeHint);
        return tf > 5.0 ? tf : 5.0;
    }
    const double rootQh = k.Sqrt(qd * (100.0 * ps), kRootHint);
    const BulkheadRule& rule = type == Structure::Watertight ? kWatertightRule : kTankRule;
    return BulkheadMinimum(k, rule, s, aspect, rootQh);
}

void FillPlateScantlingLine(Case& c, double tmin, bool plate2) {
    ResultLine& line = c.PlateScantlingLine;
    auto f = TextInto(c, line.Formula);
    f.Num(tmin, "0.00") << "/";
    f.Num(c.t, "0.00") << " = ";
    TextInto(c, line.Value).Num(c.UFt, "0.00");
    SetLine(line, plate2 ? "Plate 2: UF = tmin/t = " : "Plate 1: UF = tmin/t = ",
            scantling::ByStructure(scantling::StructureOf(c), "  < 1.0  (3-2-2/7.3)", "  < 1.0  (3-2-2/9.3)",
                                   "  < 1.0  (3-2-4/3.3)"),
            UsageColour(c.UFt));
}

}  // namespace

void PlateScantling(Case& c) {
    const Checked k("Plate scantling");
    c.PlateScantlingLine.ClearTexts();
    c.PlateScantlingLine.Colour = 0;
    c.UFt = -2;
    const float q = PlateMaterialFactor(c, k);
    const double aspect = AspectCoefficient(c, k);
    // The wider plate field governs the thickness; k stays with L1/s1.
    const bool plate2 = double(c.s2) > double(c.s1);
    const double s = plate2 ? double(c.s2) : double(c.s1);
    const double tmin = MinimumThickness(c, k, s, q, aspect);
    c.UFt = k.Div(tmin, c.t, "the plate thickness t is zero");
    if (c.UFt != 0.0 && c.Texts) FillPlateScantlingLine(c, tmin, plate2);
}

}  // namespace veltar

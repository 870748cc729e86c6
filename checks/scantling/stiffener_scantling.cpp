// Required section modulus of the stiffener, SM = 7.8*c*h*s*l^2*Q, against the
// smaller modulus of the profile with attached plating: UFsm.
#include <cmath>

#include "checks/scantling/rule_basis.h"
#include "checks/scantling/scantling.h"
#include "profiles/materials.h"

namespace veltar {
namespace {

using scantling::Structure;

// Watertight bulkheads: the c-factor falls linearly from its full value at a unit
// length of 61 m to its reduced value below 45 m.
double UnitLengthC(double ul, double full, double reduced, double drop) {
    if (ul >= 61.0) return full;
    if (ul < 45.0) return reduced;
    return reduced + drop * (ul - 45.0) / 16.0;
}

double StiffenerCFactor(const Case& c) {
    const bool second = scantling::SecondOption(c);
    switch (scantling::StructureOf(c)) {
        case Structure::Watertight:
            return second ? UnitLengthC(c.UL, 0.6, 0.58, 0.02) : UnitLengthC(c.UL, 0.56, 0.46, 0.1);
        case Structure::Tank: return second ? 1.0 : 0.9;
        case Structure::Upper: break;
    }
    return second ? 1.0 : 0.6;
}

// The material with the lower yield stress governs; on equal stresses the plate's.
float GoverningQ(const Case& c, const Tables& tables) {
    const float qs = MaterialQ(tables, c.StiffGradeIndex, c.Fys, c.Fus);
    const float qp = scantling::PlateQ(c, tables);
    return double(c.Fys) < double(c.Fyp) ? qs : qp;
}

// Head in m: the pressure as water head, for upper structure by 7.05 kN/m3.
double StiffenerHead(const Case& c) {
    const double ps = c.ps;
    if (scantling::StructureOf(c) == Structure::Upper) return std::fabs(1000.0 * ps / 7.05);
    return 100.0 * std::fabs(ps);
}

double RequiredModulus(const Case& c, const Checked& k) {
    constexpr std::string_view hint = "check the pressure ps, the spacing s1, the span L1 and the grades";
    const float factor = k.F32(7.8 * double(c.StiffQ), hint);
    const double l = double(c.L1) / 1000.0;
    return k.Fin(double(factor) * c.c * StiffenerHead(c) * (double(c.s1) / 1000.0) * (l * l), hint);
}

}  // namespace

void StiffenerScantling(Case& c, const Tables& tables) {
    const Checked k("Stiffener scantling");
    c.StiffSMLine.ClearTexts();
    c.UFsm = -2;
    const float weffmin = scantling::WeffMin(k, c.WepSc, c.WesSc, "check the section moduli of the stiffener");
    c.StiffQ = GoverningQ(c, tables);
    c.c = StiffenerCFactor(c);
    const double sm = RequiredModulus(c, k);
    c.UFsm = scantling::ModulusCheck(c, k, c.StiffSMLine, sm, weffmin,
                                     "the section modulus of the stiffener with plating is zero",
                                     {"  < 1.0  (3-2-2/7.5)", "  < 1.0  (3-2-2/9.5)", "  < 1.0  (3-2-4/3.5)"});
}

}  // namespace veltar

// Stiffener with its attached plating as a column of span L1: beam-column buckling
// (3/5.1), torsional buckling (3/5.3) and the deflection under the lateral pressure.
#include <cmath>
#include <limits>

#include "checks/buckling/buckling.h"
#include "checks/buckling/common.h"

namespace veltar {
namespace {
using buckling::kHintEta;
using buckling::kHintSpan;

using buckling::kPi;
using buckling::kPi2;

constexpr std::string_view kNoControl = "Siga postive or 0 ==> No buckling control";
constexpr std::string_view kHintArea = "the stiffener and its plating have no area";
constexpr std::string_view kHintSection = "the stiffener section is incomplete: check the profile";
constexpr std::string_view kHintYield = "the yield stresses are zero";
constexpr std::string_view kHintTorsion = "the allowable usage factor or the critical torsional stress is zero";
constexpr std::string_view kHintRange = "a stiffener value is out of range: check the input";

struct Column {
    double A = 0;      // profile with the full mean spacing of plating
    double sigA = 0;   // axial stress, positive in compression
    double sigE = 0;   // Euler stress
    double sigCA = 0;  // critical column stress
    double sigB = 0;   // bending stress from the lateral pressure
};

// The profile and half of each neighbouring field; each half field carries the mean
// of the stress at the stiffener line and the stress at the middle of the field.
void AxialStress(const Case& c, const Checked& k, Column& col) {
    const double t = c.t, sxS = c.SigxS, Ax = c.StiffAx;
    const double P = -(t * double(c.s1) * (sxS + (double(c.SigxA) + sxS) / 2.0) / 4.0 +
                       t * double(c.s2) * (sxS + (double(c.SigxB) + sxS) / 2.0) / 4.0 + Ax * sxS);
    col.A = Ax + c.sm * t;
    col.sigA = k.Div(k.Fin(P, kHintRange), col.A, kHintArea);
}

void ColumnStresses(Case& c, const Checked& k, Column& col) {
    const double L1 = c.L1, Ax = c.StiffAx, seT = double(c.se) * double(c.t);
    col.sigE = k.Div(k.Fin(kPi2 * double(c.E) * Sq(c.rBu), kHintRange), Sq(L1), kHintSpan);
    c.Sig0 = k.Div(k.Fin(Ax * double(c.Fys) + seT * double(c.Fyp), kHintRange), Ax + seT, kHintArea);
    // The proportional limit itself still counts as elastic here.
    col.sigCA = col.sigE <= c.Pr * c.Sig0 ? col.sigE
                                          : buckling::Inelastic(k, c.Sig0, col.sigE, c.Pr * (1.0 - c.Pr), kHintSection);
    // Member fixed at both ends: M = q·L1²/12.
    const double q = c.sm * std::fabs(double(c.p));
    col.sigB = k.Div(k.Fin(q * Sq(L1) / 12.0, kHintRange), c.WesSw, kHintSection);
}

// At or beyond eta·sigE the amplification 1/(1 − sigA/(eta·sigE)) has no finite
// positive value: the stiffener fails as a column.
bool FailsAsColumn(const Case& c, const Column& col) { return col.sigA > 0 && col.sigA >= double(c.UFa) * col.sigE; }

// The bending term uses the stiffener's yield stress Fys.
double BeamColumnFactor(const Case& c, const Checked& k, const Column& col) {
    if (FailsAsColumn(c, col)) return std::numeric_limits<double>::infinity();
    const double eta = c.UFa;
    const double axial = k.Div(col.sigA, col.sigCA, kHintSection) * k.Div(col.A, c.AeBu, kHintSection);
    const double amplification = 1.0 - k.Div(col.sigA, eta * col.sigE, kHintSection);
    const double bending = k.Div(0.75 * col.sigB, double(c.Fys) * amplification, kHintYield);
    return k.Fin(k.Div(1.0, eta, kHintEta) * (axial + bending), kHintRange);
}

// The verdict "NOK" is written in a numbers-only run too: the tools list the checks
// that read it.
void BeamColumnLine(Case& c, const Column& col) {
    ResultLine& line = c.StiffBeamColumnLine;
    if (col.sigA <= 0) {
        c.UFb = -99;
        if (!c.Texts) return;
        line.Title = kBeamColumnTitle;
        line.Formula = kNoControl;
        return;
    }
    const bool fails = FailsAsColumn(c, col);
    if (fails) line.Value = "NOK";
    if (!c.Texts) return;
    line.Title = kBeamColumnTitle;
    auto f = TextInto(c, line.Formula);
    f << "1/";
    f.Num(c.UFa, "0.0") << "*(";
    f.Num(col.sigA, "0.0") << "/(";
    f.Num(col.sigCA, "0.0") << "*(";
    f.Num(c.AeBu, "0") << "/";
    f.Num(col.A, "0") << ")) + ";
    f.Num(0.75, "0.00") << "*";
    f.Num(col.sigB, "0.0") << "/(";
    f.Num(c.Fys, "0.0") << "*[1-";
    f.Num(col.sigA, "0.0") << "/(";
    f.Num(c.UFa, "0.00") << "*";
    f.Num(col.sigE, "0.0") << ")]))"
                           << " =";
    if (!fails) TextInto(c, line.Value).Num(c.UFb, "0.00");
    line.Reference = "  < 1.0 (3/5.1)";
    line.Colour = UsageColour(c.UFb);
}

// Elastic torsional buckling stress of mode m, with the plating's rotational restraint C.
float TorsionalMode(const Case& c, const Checked& k, int m, double alpha, double C) {
    const double E = c.E, L1 = c.L1;
    const double sigEp =
        k.F32(kPi2 * E / buckling::kPlateRigidity * Sq(double(c.t) / c.sm) * Sq(m / alpha + alpha / m), kHintRange);
    const double mPi = m * double(kPi);
    const double wave = Sq(L1 / mPi);
    const double num = E * (double(c.StiffK) / 2.6 + c.StiffGamma * Sq(mPi / L1) + k.Div(C, E, kHintSection) * wave);
    const double den = c.StiffIo + k.Div(C, sigEp, kHintSection) * wave;
    return k.F32(k.Div(k.Fin(num, kHintRange), den, kHintSection), kHintRange);
}

// Smallest mode stress over m = 1..12; a later mode replaces only when strictly lower.
double TorsionalElasticStress(const Case& c, const Checked& k) {
    const double t = c.t;
    const double alpha = k.Div(c.L1, c.sm, kHintArea);
    const double C = k.Div(k.Fin(double(c.E) * std::pow(t, 3.0), kHintRange), 3.0 * c.sm, kHintArea);
    double sigET = 1.0E+12;
    for (int m = 1; m <= 12; ++m) {
        const float mode = TorsionalMode(c, k, m, alpha, C);
        if (mode < sigET) sigET = mode;
    }
    return sigET;
}

void Torsion(Case& c, const Checked& k, double sigA, double sigET) {
    c.Sig0 = double(c.Fyp) < double(c.Fys) ? double(c.Fyp) : double(c.Fys);
    const float sigCT =
        k.F32(sigET <= c.Pr * c.Sig0 ? sigET : buckling::Inelastic(k, c.Sig0, sigET, c.Pr * (1.0 - c.Pr), kHintSection),
              kHintRange);
    c.UFbt = k.Div(sigA, double(c.UFa) * double(sigCT), kHintTorsion);
    ResultLine& line = c.StiffTorsionLine;
    if (sigA <= 0) {
        c.UFbt = -99;
        if (c.Texts) line.Formula = kNoControl;
        return;
    }
    if (!c.Texts) return;
    auto f = TextInto(c, line.Formula);
    f.Num(sigA, "0.0") << "/(";
    f.Num(c.UFa, "0.0") << "*";
    f.Num(sigCT, "0.0") << ")  =";
    TextInto(c, line.Value).Num(c.UFbt, "0.00");
    SetLine(line, "UFbt= Siga/(n*SigCT) = ", "  < 1.0 (3/5.3)", UsageColour(c.UFbt));
}

// Fixed-ended beam under uniform load: y = q·L1⁴/(384·E·I), with 384·E a 32-bit float.
void Deflection(Case& c, const Checked& k) {
    const double L1 = c.L1;
    const double e384 = k.F32(384.0 * double(c.E), kHintRange);
    const double load = k.Fin(c.sm * std::fabs(double(c.p)) * std::pow(L1, 4.0), kHintRange);
    const double y = k.Div(load, e384 * c.IeSc, kHintSection);
    if (y == 0) return;
    // Formed before the line is written, so that a fault leaves the line empty.
    const double ratio = k.Div(L1, y, kHintRange);
    if (!c.Texts) return;
    const Real absP = c.p < 0 ? -c.p : c.p;
    ResultLine& line = c.StiffDeformationLine;
    auto f = TextInto(c, line.Formula);
    f.Num(absP, "0.00") << "*(";
    f.Num(c.s1, "00") << "+";
    f.Num(c.s2, "00") << ")/2*";
    f.Num(c.L1, "00") << "^4/(384*E*";
    f.Num(c.IeSc, "00.0E+0") << ") = ";
    TextInto(c, line.Value).Num(y, "0.0") << " mm ";
    (TextInto(c, line.Reference) << " ==> l/").Num(ratio, "00");
    line.Title = "Deformation y = p*(s1+s2)/2*L1^4/(384*E*Iyeff) = ";
    line.Colour = 0;
}

}  // namespace

void StiffenerBuckling(Case& c) {
    const Checked k("Stiffener buckling");
    c.StiffBeamColumnLine.ClearTexts();
    c.StiffTorsionLine.ClearTexts();
    c.StiffDeformationLine.ClearTexts();
    Column col;
    AxialStress(c, k, col);
    ColumnStresses(c, k, col);
    c.UFb = BeamColumnFactor(c, k, col);
    BeamColumnLine(c, col);
    Torsion(c, k, col.sigA, TorsionalElasticStress(c, k));
    Deflection(c, k);
}

}  // namespace veltar

// Overall buckling of the stiffened panel with its girders (3/5.7), the panel taken
// as an orthotropic plate: stiffeners along x (span L1), girders along y (span Lg).
#include <cmath>

#include "checks/buckling/buckling.h"
#include "checks/buckling/common.h"

namespace veltar {
namespace {
using buckling::kHintEta;

constexpr std::string_view kHintInertia =
    "the stiffener section has no moment of inertia (check the profile) or the plate thickness is zero";
// A slender plate field (beta above 2) can make the effective width negative.
constexpr std::string_view kHintNegativeWidth =
    "the effective plate width se is negative: the plate is too slender for its spacing (check t, s1, s2)";
constexpr std::string_view kHintGeometry = "a span, the stiffener spacing or the plate thickness is zero";
constexpr std::string_view kHintRange = "a girder buckling value is out of range: check the input";

struct Orthotropic {
    double Dx = 0;
    float Dy = 0;
    double etaP = 0;  // plating share of the stiffener's inertia
    double tx = 0;    // smeared thickness along x
    float ty = 0;     // smeared thickness along y
};

Orthotropic Plate(const Case& c, const Checked& k) {
    const double t = c.t, se = c.se, L1 = c.L1, sm = c.sm, t3 = std::pow(t, 3.0);
    Orthotropic o;
    const double Ip = se * t3 / 12.0 + se * t * Sq(c.zpBu);
    const float Iyp = k.F32(L1 * t3 / 12.0, kHintRange);
    o.Dx = k.Div(k.Fin(double(c.E) * c.IeBu, kHintRange), 0.91 * sm, kHintGeometry);
    o.Dy = k.F32(k.Div(double(c.E) * double(Iyp), 0.91 * L1, kHintGeometry), kHintRange);
    o.etaP = k.Sqrt(k.Div(k.Fin(Iyp * Ip, kHintRange), Iyp * c.IeBu, kHintInertia),
                    se < 0 ? kHintNegativeWidth : kHintInertia);
    o.tx = k.Div(double(c.StiffAx) + t * sm, sm, kHintGeometry);
    const double Lm = (L1 + double(c.L2)) / 2.0;
    o.ty = k.F32(k.Div(c.GirdA + t * Lm, Lm, kHintGeometry), kHintRange);
    return o;
}

// 4 when the panel is at least square in the ratio's sense, else the orthotropic minimum.
double Coefficient(const Checked& k, double spanRatio, double aspect, double etaP) {
    if (spanRatio >= 1) return 4.0;
    return Sq(aspect) + 2.0 * etaP + k.Div(1.0, Sq(aspect), kHintGeometry);
}

double Critical(const Checked& k, double sE, double Fyp) {
    if (sE < 0.6 * Fyp) return sE;
    return buckling::Inelastic(k, Fyp, sE, 0.24, kHintGeometry);
}

}  // namespace

void GirderBuckling(Case& c) {
    const Checked k("Girder buckling");
    c.GirderLine.ClearTexts();
    const Orthotropic o = Plate(c, k);
    const double L1 = c.L1, Lg = c.Lg, Fyp = c.Fyp;
    const double phi = k.Div(L1, Lg, kHintGeometry) * k.Pow(k.Div(o.Dy, o.Dx, kHintInertia), 0.25, kHintRange);
    const float psi =
        k.F32(k.Div(Lg, L1, kHintGeometry) * k.Pow(k.Div(o.Dx, o.Dy, kHintGeometry), 0.25, kHintRange), kHintRange);
    // The branches test the plain span ratio, not the aspect ratios phi and psi.
    const double kx = Coefficient(k, L1 / Lg, phi, o.etaP);
    const double ky = Coefficient(k, Lg / L1, psi, o.etaP);
    const double root = k.Sqrt(k.Fin(o.Dx * double(o.Dy), kHintRange), kHintRange);
    const double sEx = k.Div(k.Fin(buckling::kPi2 * kx * root, kHintRange), Sq(Lg) * o.tx, kHintGeometry);
    const double sEy = k.Div(k.Fin(buckling::kPi2 * ky * root, kHintRange), Sq(L1) * double(o.ty), kHintGeometry);
    const double sCx = Critical(k, sEx, Fyp);
    const float sCy = k.F32(Critical(k, sEy, Fyp), kHintRange);

    // Squared with their signs: tension counts as compression does.
    const double eta = c.UFa, sigY = (double(c.SigyA) + double(c.SigyC)) / 2.0;
    c.UFgbu = k.F32(Sq(k.Div(c.SigxS, eta * sCx, kHintEta)) + Sq(k.Div(sigY, eta * double(sCy), kHintEta)), kHintRange);
    if (!c.Texts) return;
    auto f = TextInto(c, c.GirderLine.Formula);
    f << "(";
    f.Num(c.SigxS, "0.0") << "/(";
    f.Num(c.UFa, "0.00") << "*";
    f.Num(sCx, "0.0") << "))^2"
                      << " + (";
    f.Num(sigY, "0.0") << "/(";
    f.Num(c.UFa, "0.00") << "*";
    f.Num(sCy, "0.0") << "))^2"
                      << " = ";
    TextInto(c, c.GirderLine.Value).Num(c.UFgbu, "0.00");
    SetLine(c.GirderLine, "UFgbu= ", "  < 1.0 (3/5.7)", UsageColour(c.UFgbu));
}

}  // namespace veltar

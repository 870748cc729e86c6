// One plate field: buckling state limit (3/3.1), ultimate strength (3/3.3), lateral
// pressure (3/3.5) and the effective width. PL2 holds its lateral-pressure values
// and its effective width as 32-bit floats, PL1 as doubles; the texts show each so.
#include "checks/buckling/plate_field.h"

#include <algorithm>
#include <cmath>

#include "checks/buckling/common.h"

namespace veltar::buckling {
namespace {
using buckling::kHintEta;
using buckling::kHintSpan;

constexpr std::string_view kHintSpacing = "a stiffener spacing is zero";
constexpr std::string_view kHintThickness = "the plate thickness is zero";
constexpr std::string_view kHintE = "Young's modulus is zero";
constexpr std::string_view kHintYield = "the plate yield stress is zero or negative";
constexpr std::string_view kHintRange = "a plate value is out of range: check the plate input";
constexpr std::string_view kHintCapacity = "the plate thickness, Young's modulus or the yield stress is zero";
constexpr std::string_view kHintKind = "the stiffener kind is unknown";
constexpr std::string_view kHintPu = "the equivalent stress exceeds the yield stress";
constexpr std::string_view kHintPuZero = "the equivalent stress equals the yield stress";
constexpr std::string_view kHintRt = "the shear stress exceeds the shear yield stress";

class Field {
public:
    Field(Case& c, int no, const FieldConstants& fc)
        : c_(c),
          pl2_(no == 2),
          fc_(fc),
          s_(pl2_ ? c.s2 : c.s1),
          sxMin_(pl2_ ? c.SigxMin2 : c.SigxMin1),
          sxMax_(pl2_ ? c.SigxMax2 : c.SigxMax1),
          sig0_(c.Fyp),
          t_(c.t),
          L1_(c.L1),
          E_(c.E),
          eta_(c.UFa),
          eta2_(Sq(eta_)) {}

    double Run(const FieldOut& out) {
        Shear();
        Longitudinal();
        Transverse();
        BucklingState(out);
        Ultimate(out);
        Lateral(out);
        return EffectiveWidth();
    }

private:
    // kcoef·π²·E/(12(1 − ν²))·(t/s)²
    double Elastic(double kcoef) const {
        return k_.Fin(kcoef * kPi2 * E_ / kPlateRigidity * Sq(k_.Div(t_, s_, kHintSpacing)), kHintRange);
    }
    double Critical(double sE, double s0) const {
        if (sE < c_.Pr * s0) return sE;
        return Inelastic(k_, s0, sE, c_.Pr * (1.0 - c_.Pr), CapacityHint());
    }
    // An unknown stiffener kind leaves the edge coefficients, and so every
    // buckling capacity, at zero.
    std::string_view CapacityHint() const { return fc_.c1 == 0 ? kHintKind : kHintCapacity; }
    double Ratio(double demand, double capacity) const { return k_.Div(demand, capacity, CapacityHint()); }
    double Keep(double x) const { return pl2_ ? k_.F32(x, kHintRange) : x; }
    ResultText& NumKept(ResultText& text, double x, const NumMask& mask) const {
        return pl2_ ? text.Num(static_cast<float>(x), mask) : text.Num(x, mask);
    }
    std::string_view Prefix() const { return pl2_ ? "PL2: " : "PL1: "; }
    // The title, the value and the rest of a line whose formula is written.
    void Finish(ResultLine& line, std::string_view title, double uf, std::string_view reference) const {
        SetLine(line, Prefix(), reference, UsageColour(uf));
        line.Title += title;
        TextInto(c_, line.Value).Num(uf, "0.00");
    }

    void Shear() {
        ks_ = k_.F32(fc_.c1 * (5.34 + 4.0 * Sq(k_.Div(s_, L1_, kHintSpan))), kHintRange);
        tauC_ = k_.F32(Critical(Elastic(ks_), fc_.tau0), kHintRange);
    }

    void Longitudinal() {
        const double kappa = sxMin_ >= 0 ? 1.0 : sxMax_ / sxMin_;
        // kappa = 0 (one edge unloaded) belongs to the second formula.
        const double kS = kappa > 0 ? fc_.c1 * 8.4 / (kappa + 1.1) : fc_.c1 * (7.6 - 6.4 * kappa + 10.0 * Sq(kappa));
        sCx_ = Critical(Elastic(k_.Fin(kS, kHintRange)), sig0_);
    }

    void Transverse() {
        alpha_ = k_.F32(k_.Div(L1_, s_, kHintSpacing), kHintRange);
        const double kappa = c_.SigyMin >= 0 ? 1.0 : c_.SigyMax / c_.SigyMin;
        const double a = alpha_;
        const double a2 = Sq(a);
        const double shape = Sq(1.0 + k_.Div(1.0, a2, kHintRange));
        double kL;
        if (a <= 2 && kappa < 1.0 / 3.0)
            kL = fc_.c2 * ((1.0875 * shape - k_.Div(18.0, a2, kHintRange)) * (1.0 + kappa) + 24.0 / a2);
        else if (a > 2 && kappa < 1.0 / 3.0)
            kL = fc_.c2 * ((1.0875 * shape - 9.0 / a) * (1.0 + kappa) + 12.0 / a);
        else
            kL = fc_.c2 * shape * (1.675 - 0.675 * kappa);
        sCy_ = Critical(Elastic(k_.Fin(kL, kHintRange)), sig0_);
    }

    void BucklingState(const FieldOut& out) {
        sx_ = std::min(sxMin_, 0.0);
        sy_ = k_.F32(std::min(c_.SigyMin, 0.0), kHintRange);
        tau_ = c_.Tau;
        ufb_ = k_.Div(Sq(Ratio(sx_, sCx_)) + Sq(Ratio(sy_, sCy_)) + Sq(Ratio(tau_, tauC_)), eta2_, kHintEta);
        out.ufb = ufb_;
        if (ufb_ == 0 || !c_.Texts) return;
        auto f = TextInto(c_, out.buckling.Formula);
        f << "1/";
        f.Num(eta_, "0.00") << "^2*((";
        f.Num(sx_, "0.0") << "/";
        f.Num(sCx_, "0.0") << ")^2"
                           << " + (";
        f.Num(sy_, "0.0") << "/";
        f.Num(sCy_, "0.0") << ")^2"
                           << " + (";
        f.Num(tau_, "0.0") << "/";
        f.Num(tauC_, "0.0") << ")^2) = ";
        Finish(out.buckling, "Buckling - UF =", ufb_, " < 1.0 (3/3.1)");
    }

    void Ultimate(const FieldOut& out) {
        const double a = alpha_;
        tauU_ = tauC_ + 0.5 * (sig0_ - std::sqrt(3.0) * tauC_) / k_.Sqrt(a * a + a + 1.0, kHintRange);
        if (tauU_ < tauC_) tauU_ = tauC_;
        beta_ = k_.Div(s_, t_, kHintThickness) * k_.Sqrt(k_.Div(sig0_, E_, kHintE), kHintYield);
        Cx_ = beta_ > 1 ? 2.0 / beta_ - 1.0 / Sq(beta_) : 1.0;
        sUx_ = std::max(Cx_ * sig0_, sCx_);
        Cy_ = Cx_ * s_ / L1_ + 0.1 * (1.0 - s_ / L1_) * Sq(1.0 + k_.Div(1.0, Sq(beta_), kHintYield));
        if (Cy_ > 1) Cy_ = 1;
        sUy_ = std::max(Cy_ * sig0_, sCy_);
        phi_ = 1.0 - beta_ / 2.0;
        const double rx = Ratio(sx_, sUx_);
        const double ry = Ratio(sy_, sUy_);
        const double ufu = k_.Div(Sq(rx) - phi_ * rx * ry + Sq(ry) + Sq(Ratio(tau_, tauU_)), eta2_, kHintEta);
        out.ufu = ufu;
        if (ufu != 0 && c_.Texts) UltimateLine(out.ultimate, ufu);
    }

    void UltimateLine(ResultLine& line, double ufu) const {
        auto f = TextInto(c_, line.Formula);
        f << "1/";
        f.Num(eta_, "0.00") << "^2*((";
        f.Num(sx_, "0.0") << "/";
        f.Num(sUx_, "0.0") << ")^2"
                           << " -";
        f.Num(phi_, "0.00") << "*(";
        f.Num(sx_, "0.0") << "*";
        f.Num(sy_, "0.0") << "/(";
        f.Num(sUx_, "0.0") << "*";
        f.Num(sUy_, "0.0") << ")"
                           << " + (";
        f.Num(sy_, "0.0") << "/";
        f.Num(sUy_, "0.0") << ")^2"
                           << " + (";
        f.Num(tau_, "0.0") << "/";
        f.Num(tauU_, "0.0") << "))^2) = ";
        Finish(line, "Ultimate - UF = ", ufu, " < 1.0 (3/3.3)");
    }

    void Lateral(const FieldOut& out) {
        const double sxe = std::min(sxMin_, 0.0);
        const double sye = std::min(c_.SigyMin, 0.0);
        const double tau = tau_;
        const double se = k_.Sqrt(Sq(sxe) - sxe * sye + Sq(sye) + 3.0 * Sq(tau), kHintRange);
        const double root = k_.Sqrt(1.0 - Sq(k_.Div(se, sig0_, kHintYield)), kHintPu);
        const double pu = Keep(k_.Fin(4.0 * sig0_ * Sq(t_ / s_) * (1.0 + 1.0 / Sq(alpha_)) * root, kHintRange));
        const double npu = Keep(eta_ * pu);
        const double ufl = Keep(std::fabs(k_.Div(c_.p, npu, kHintPuZero)));
        out.ufl = ufl;
        if (ufl == 0 || !c_.Texts) return;
        auto f = TextInto(c_, out.lateral.Formula);
        f.Num(c_.p, "0.000") << "/(";
        f.Num(eta_, "0.00") << "*";
        NumKept(f, pu, "0.000") << ") = ";
        auto v = TextInto(c_, out.lateral.Value);
        NumKept(v, ufl, "0.00");
        SetLine(out.lateral, LateralPrefix(sxe), " < 1.0 (3/3.5)", UsageColour(ufl));
        out.lateral.Title += "Lateral - UF = p/(n*pu) = ";
    }

    // PL1/PL2 when the fields are alike: equal widths and equal stored sigma_xe.
    // The other field's sigma_xe is read as it stands when this field runs: PL2's
    // is still unlimited while PL1 runs, PL1's is already limited while PL2 runs.
    std::string_view LateralPrefix(double sxe) const {
        const double other = pl2_ ? std::min(c_.SigxMin1, 0.0) : c_.SigxMin2;
        const bool alike = double(c_.s1) == double(c_.s2) && sxe == other;
        return alike ? "PL1/PL2: " : Prefix();
    }

    double EffectiveWidth() {
        if (ufb_ < 1) return Keep(s_);
        const double sy = c_.SigyMin;  // with its sign: tension counts here
        const double r = 1.0 - (1.0 - Sq(phi_) / 4.0) * Sq(Ratio(sy, sUy_));
        // PL1 forms R only for a positive radicand; PL2 also for zero, and flags the
        // failed case so the result list can ask for a lower transverse stress.
        const bool formed = pl2_ ? r >= 0 : r > 0;
        double R = Cy_;
        if (formed)
            R = 0.5 * phi_ * std::fabs(sy) / sUy_ + k_.Sqrt(r);
        else if (pl2_)
            c_.CalcErrorFlag = 1;
        R = Keep(R);
        if (R > 1) R = 1;
        const double Rt = k_.Sqrt(1.0 - Sq(k_.Div(tau_, fc_.tau0, kHintYield)), kHintRt);
        return Keep(k_.Fin(Cx_ * R * Rt * s_, kHintRange));
    }

    Case& c_;
    const Checked k_{"Plate buckling"};
    const bool pl2_;
    const FieldConstants fc_;
    const double s_, sxMin_, sxMax_, sig0_, t_, L1_, E_;
    const float eta_;
    const double eta2_;

    float ks_ = 0, alpha_ = 0, tauC_ = 0;
    double sCx_ = 0, sCy_ = 0;
    double sx_ = 0;
    float sy_ = 0, tau_ = 0;
    double ufb_ = 0;
    double tauU_ = 0, beta_ = 0, Cx_ = 0, sUx_ = 0, Cy_ = 0, sUy_ = 0, phi_ = 0;
};

}  // namespace

double CheckPlateField(Case& c, int no, const FieldConstants& fc, const FieldOut& out) {
    return Field(c, no, fc).Run(out);
}

}  // namespace veltar::buckling

// The stiffener with its attached plating: the bending width sw, the combined sections
// at the scantling, bending and buckling widths, and the local slenderness of web and
// flange.
#include <array>
#include <string>

#include "core/arith.h"
#include "core/numformat.h"
#include "profiles/kinds.h"
#include "profiles/outline.h"
#include "profiles/sections.h"

namespace veltar {

namespace {

constexpr const char* kNoArea = "the stiffener and its plate strip have no area";

// Effective-width ratio over span/spacing; the table's first value holds below it.
double WidthRatio(double x) {
    constexpr std::array<double, 7> point{1.5, 2, 2.5, 3, 3.5, 4, 4.5};
    constexpr std::array<double, 7> ratio{0.58, 0.73, 0.83, 0.90, 0.95, 0.98, 1.0};
    if (x < point[0]) return ratio[0];
    for (std::size_t i = 1; i < point.size(); ++i) {
        if (x < point[i]) return ratio[i - 1] + (x - point[i - 1]) * (ratio[i] - ratio[i - 1]) / 0.5;
    }
    return 1.0;
}

struct Combined {
    double Ae, zp, zf, Ie;
};

// The profile with a plate strip of width b; zp from the plate's mid-plane.
Combined WithPlate(const Case& c, double b, const Checked& k) {
    const double t = c.t, Ax = c.StiffAx, zc = c.StiffZc;
    Combined s{};
    s.Ae = k.Fin(Ax + t * b);
    s.zp = k.Div(Ax * (t / 2 + zc), s.Ae, kNoArea);
    s.zf = t / 2 + double(c.StiffH) - s.zp;
    s.Ie = k.Fin(c.StiffIy + b * Cube(t) / 12 + Ax * Sq(t / 2 + zc - s.zp) + b * t * Sq(s.zp));
    return s;
}

constexpr const char* kAxisAtPlate = "the neutral axis lies in the plate's mid-plane";
constexpr const char* kAxisAtTop = "the neutral axis lies at the top of the profile";

void ScantlingSection(Case& c, const Checked& k) {
    const double L1 = c.L1;
    c.beSc = (double(c.s1) + double(c.s2)) / 2;
    if (c.beSc > 0.33 * L1) c.beSc = 0.33 * L1;
    const Combined s = WithPlate(c, c.beSc, k);
    c.AeSc = s.Ae;
    c.zpSc = s.zp;
    c.zfSc = k.F32(s.zf);
    c.IeSc = s.Ie;
    c.WepSc = k.Div(s.Ie, s.zp, kAxisAtPlate);
    c.WesSc = k.F32(k.Div(s.Ie, double(c.zfSc), kAxisAtTop));
}

void BendingSection(Case& c, const Checked& k) {
    const Combined s = WithPlate(c, c.sw, k);
    c.IeSw = s.Ie;
    c.WesSw = k.Div(s.Ie, s.zf, kAxisAtTop);
}

void BucklingSection(Case& c, const Checked& k) {
    const Combined s = WithPlate(c, c.se, k);
    c.AeBu = s.Ae;
    c.zpBu = s.zp;
    c.zfBu = s.zf;
    c.IeBu = s.Ie;
    c.WepBu = k.Div(s.Ie, s.zp, kAxisAtPlate);
    c.WesBu = k.Div(s.Ie, s.zf, kAxisAtTop);
    c.rBu = k.Sqrt(k.Div(c.IeBu, c.AeBu, kNoArea), "the moment of inertia is negative: check the dimensions");
}

struct Slenderness {
    bool web = false, flange = false;
    double webRatio = 0, webMax = 0, flangeRatio = 0, flangeMax = 0;
};

Slenderness SlendernessOf(const Case& c, const Checked& k) {
    const double H = c.StiffH, B = c.StiffB, tw = c.StiffTw, tf = c.StiffTf;
    const StiffKindDef* kind = StiffKindOf(c.StiffKind);
    Slenderness s;
    if (!kind || kind->local == LocalCheck::None) return s;
    const double root = k.Sqrt(k.Div(c.E, c.Fys, "the stiffener yield stress Fys is zero"));
    const char* zeroTw = "the web thickness tw is zero";
    s.web = true;
    if (kind->local == LocalCheck::FlatBarWeb) {
        s.webRatio = k.Div(H, tw, zeroTw);
        s.webMax = 0.4 * root;
        return s;
    }
    s.webRatio = k.Div(H - tf, tw, zeroTw);
    s.webMax = (kind->local == LocalCheck::BulbWeb ? 0.85 : 1.5) * root;
    if (kind->local == LocalCheck::BulbWeb) return s;
    const bool angle = kind->local == LocalCheck::AngleFlange;
    s.flange = true;
    s.flangeRatio = k.Div(angle ? B - tw : (B - tw) / 2, tf, "the flange thickness tf is zero");
    s.flangeMax = 0.4 * root;
    return s;
}

// The ratio texts describe the section, so a numbers-only run writes them too.
void RatioText(std::string& out, std::string_view title, float ratio, float max, char sep) {
    ResultText t(out, sep);
    t << title;
    t.Num(ratio, "0.0") << " <= ";
    t.Num(max, "0.0");
}

void LocalSlenderness(Case& c, const Checked& k) {
    const Slenderness s = SlendernessOf(c, k);
    const char sep = SepOf(c.DecSep);
    c.WebRatio = k.F32(s.webRatio);
    c.WebRatioMax = k.F32(s.webMax);
    c.FlangeRatio = k.F32(s.flangeRatio);
    c.FlangeRatioMax = k.F32(s.flangeMax);
    if (s.web)
        RatioText(c.WebRatioText, "Web: hw/tw = ", c.WebRatio, c.WebRatioMax, sep);
    else
        c.WebRatioText = " ";
    if (s.flange)
        RatioText(c.FlangeRatioText, "Flange: b2/tf = ", c.FlangeRatio, c.FlangeRatioMax, sep);
    else
        c.FlangeRatioText = " ";
}

}  // namespace

void EffectiveWidthSw(Case& c) {
    const Checked k("Effective width sw");
    const float a = k.F32(0.6 * double(c.L1));
    const double r1 = WidthRatio(k.Div(a, c.s1, "the spacing s1 is zero"));
    const float r2 = k.F32(WidthRatio(k.Div(a, c.s2, "the spacing s2 is zero")));
    c.sw = k.F32((double(c.s1) * r1 + double(c.s2) * double(r2)) / 2);
}

void StiffenerWithPlating(Case& c) {
    if (!c.ProfileFault.empty()) throw CalcFault{c.ProfileFault};
    const Checked k("Stiffener section");
    ScantlingSection(c, k);
    BendingSection(c, k);
    BucklingSection(c, k);
    LocalSlenderness(c, k);
    BuildOutline(c);
}

}  // namespace veltar

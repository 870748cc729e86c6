// Girder section: the L or T girder built up from its own inputs, alone and with the
// plate strip beG. Fields declared as 32-bit floats are rounded when stored and read
// back rounded by the later steps.
#include "profiles/girder.h"

#include "core/arith.h"
#include "core/numformat.h"
#include "profiles/bare_sections.h"
#include "profiles/kinds.h"

namespace veltar {

namespace {

// Copies the input set of the girder kind; another kind keeps what was resolved.
void ResolveGirder(Case& c) {
    const GirderKindDef* kind = GirderKindOf(c.GirdKind);
    if (!kind) return;
    std::array<Real, 4> d{};
    for (size_t i = 0; i < d.size(); ++i)
        d[i] = std::visit([&c](auto m) { return Real(c.*m); }, kind->inputs[i].member);
    c.GirdH = d[0], c.GirdB = d[1], c.GirdTw = d[2];
    c.GirdTf = static_cast<float>(static_cast<double>(d[3]));
    c.GirdPicture = kind->smallPicture;
    // The description of the section, written in a numbers-only run too.
    ResultText t(c.girdprof, SepOf(c.DecSep));
    t << kind->prefix;
    t.Num(c.GirdH, "00") << "x";
    t.Num(c.GirdB, "00") << "x";
    t.Num(c.GirdTw, "0.0") << "x";
    t.Num(c.GirdTf, "#0.0");
}

void BareGirder(Case& c, const Checked& k) {
    const double H = c.GirdH, B = c.GirdB, tw = c.GirdTw, tf = c.GirdTf;
    CheckDimensions({H, B, tw, tf}, k);
    const double hw = H - tf;
    c.GirdHw = hw;
    c.GirdAw = hw * tw;
    c.GirdAf = k.F32(B * tf);
    c.GirdA = k.Fin(c.GirdAw + double(c.GirdAf));
    c.GirdMass = k.Fin(kSteelDensity * c.GirdA / 1e6);
    c.GirdZc =
        k.Div(tw * Sq(hw) / 2 + B * tf * (H - tf / 2), c.GirdA, "the girder area is zero (check H, B, tw and tf)");
    const double zc = c.GirdZc;
    c.GirdIy = k.F32((Cube(hw) * tw + B * Cube(tf)) / 12 + B * tf * Sq(H - tf / 2 - zc) + tw * hw * Sq(hw / 2 - zc));
}

// The girder's strip of plating: the mean stiffener span, at most a third of the girder span.
void GirderWithPlate(Case& c, const Checked& k) {
    c.beG = k.F32((double(c.L1) + double(c.L2)) / 2);
    if (c.beG > 0.33 * double(c.Lg)) c.beG = k.F32(0.33 * double(c.Lg));
    const double b = c.beG, t = c.t, A = c.GirdA, zc = c.GirdZc;
    c.AeG = k.Fin(A + t * b);
    c.zpG = k.Div(A * (t / 2 + zc), c.AeG, "the girder and its plate strip have no area");
    c.zfG = t / 2 + double(c.GirdH) - c.zpG;
    c.IeG = k.Fin(double(c.GirdIy) + b * Cube(t) / 12 + A * Sq(t / 2 + zc - c.zpG) + b * t * Sq(c.zpG));
    c.WepG = k.Div(c.IeG, c.zpG, "the neutral axis lies in the plate's mid-plane");
    c.WesG = k.F32(k.Div(c.IeG, c.zfG, "the neutral axis lies at the top of the girder"));
}

}  // namespace

void GirderSection(Case& c) {
    const Checked k("Girder section");
    try {
        ResolveGirder(c);
        BareGirder(c, k);
        GirderWithPlate(c, k);
        c.GirderFault.clear();
    } catch (const CalcFault& fault) {
        c.GirderFault = fault.text;
    }
}

}  // namespace veltar

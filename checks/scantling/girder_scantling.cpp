// Girder scantlings: section modulus (UFgm), minimum depth (UFgd), minimum web
// thickness (UFgw) and the distance between tripping brackets.
#include <cmath>

#include "checks/scantling/rule_basis.h"
#include "checks/scantling/scantling.h"
#include "core/numformat.h"

namespace veltar {
namespace {

using scantling::Structure;

constexpr std::string_view kLoadHint = "check the pressure ps, the spans and the plate grade";

// Required section modulus in cm3; sets cg. Watertight bulkheads take no c-factor
// and the rounder 4.7 with the head factor folded into a 32-bit float.
double RequiredGirderModulus(Case& c, const Checked& k) {
    const double ps = c.ps;
    const double l = double(c.Lgs) / 1000.0;
    const double span2 = l * l;
    const Structure type = scantling::StructureOf(c);
    if (type == Structure::Watertight) {
        c.cg = 1.0;
        const float factor = k.F32(4.7 * double(c.StiffQ) * 100.0, kLoadHint);
        return k.Fin(double(factor) * std::fabs(ps) * c.Lm / 1000.0 * span2, kLoadHint);
    }
    c.cg = (type == Structure::Tank || scantling::SecondOption(c)) ? 1.5 : 1.0;
    const double factor = 4.74 * double(c.StiffQ);
    if (type == Structure::Tank) return k.Fin(factor * c.cg * 100.0 * std::fabs(ps) * c.Lm / 1000.0 * span2, kLoadHint);
    return k.Fin(factor * c.cg * std::fabs(100.0 * ps) * c.Lm / 1000.0 * span2, kLoadHint);
}

// Minimum girder depth in mm, held as a 32-bit float.
float MinimumDepth(const Case& c, const Checked& k) {
    const double lgs = c.Lgs;
    double dmin = lgs / 12.0;
    if (scantling::StructureOf(c) == Structure::Tank) dmin = lgs / 8.0;
    if (scantling::StructureOf(c) == Structure::Upper) dmin = scantling::SecondOption(c) ? 0.125 * lgs : 0.0583 * lgs;
    return k.F32(dmin, "check the girder span Lgs");
}

// Minimum web thickness 0.01*H + 3 mm, capped at 11 mm; a 32-bit float.
float MinimumWeb(const Case& c, const Checked& k) {
    const float tw = k.F32(0.01 * double(c.GirdH) + 3.0, "check the girder height");
    return tw > 11.0f ? 11.0f : tw;
}

// The verdict is written in a numbers-only run too: the tools list the checks that
// read "NOK". The formula is written before.
void FillOkLine(const Case& c, ResultLine& line, std::string_view title, bool ok, std::string_view reference) {
    line.Value = ok ? "OK" : "NOK";
    if (c.Texts) SetLine(line, title, reference, ok ? 2 : 4);
}

void GirderModulus(Case& c, const Tables& tables, const Checked& k) {
    const float weffmin = scantling::WeffMin(k, c.WepG, c.WesG, "check the girder section moduli");
    // The girder is of plate material.
    c.StiffQ = scantling::PlateQ(c, tables);
    const double sm = RequiredGirderModulus(c, k);
    c.UFgm = scantling::ModulusCheck(c, k, c.GirderSMLine, sm, weffmin,
                                     "the section modulus of the girder with plating is zero",
                                     {"  < 1.0  (3-2-2/7.9)", "  < 1.0  (3-2-2/9.9)", "  < 1.0  (3-2-4/3.7)"});
}

// Depth and web share their rule paragraphs.
void GirderDepthAndWeb(Case& c, const Checked& k) {
    const std::string_view ref =
        scantling::ByStructure(scantling::StructureOf(c), "  (3-2-2/7.9.2)", "  (3-2-2/9.9.2)", "  (3-2-4/3.7.2)");
    const float dmin = MinimumDepth(c, k);
    c.UFgd = k.Div(dmin, c.GirdH, "the girder height is zero");
    if (c.Texts) TextInto(c, c.GirderDepthLine.Formula).Num(dmin, "0.0") << " mm";
    FillOkLine(c, c.GirderDepthLine, kGirderDepthTitle, c.UFgd <= 1.0, ref);
    const float twmin = MinimumWeb(c, k);
    c.UFgw = k.Div(twmin, c.GirdTw, "the girder web thickness is zero");
    if (c.Texts) TextInto(c, c.GirderWebLine.Formula).Num(twmin, "0.0") << " mm";
    FillOkLine(c, c.GirderWebLine, kGirderWebTitle, c.UFgw <= 1.0, ref);
}

void TrippingBrackets(Case& c) {
    if (c.Texts) c.TrippingLine.Formula = "3000 mm";
    FillOkLine(
        c, c.TrippingLine, kTrippingTitle, double(c.Lt) <= 3000.0,
        scantling::ByStructure(scantling::StructureOf(c), "  (3-2-2/7.9.3)", "  (3-2-2/9.9.3)", "  (3-2-4/3.7.3)"));
}

}  // namespace

void GirderScantling(Case& c, const Tables& tables) {
    const Checked k("Girder scantling");
    for (ResultLine* line : {&c.GirderSMLine, &c.GirderDepthLine, &c.GirderWebLine, &c.TrippingLine})
        line->ClearTexts();
    c.UFgm = c.UFgd = c.UFgw = -2;
    GirderModulus(c, tables, k);
    GirderDepthAndWeb(c, k);
    TrippingBrackets(c);
}

}  // namespace veltar

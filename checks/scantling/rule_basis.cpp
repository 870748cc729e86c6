// Shared pieces of the scantling and yield checks.
#include "checks/scantling/rule_basis.h"

#include "core/numformat.h"
#include "profiles/materials.h"

namespace veltar::scantling {

Structure StructureOf(const Case& c) {
    if (c.BulkheadType == 0) return Structure::Watertight;
    if (c.BulkheadType == 1) return Structure::Tank;
    return Structure::Upper;
}

std::string_view ByStructure(Structure s, std::string_view watertight, std::string_view tank, std::string_view upper) {
    switch (s) {
        case Structure::Watertight: return watertight;
        case Structure::Tank: return tank;
        case Structure::Upper: break;
    }
    return upper;
}

double VonMises(const Checked& k, double sx, double sy, double tau, std::string_view hint) {
    return k.Sqrt(sx * sx + sy * sy - sx * sy + 3.0 * tau * tau, hint);
}

void TakeIfGreater(Governing& g, int point, double value, bool single) {
    if (value > g.value) g = {point, value, single};
}

ResultText& NumHeld(ResultText& text, const Governing& g, const NumMask& mask) {
    if (g.single) return text.Num(static_cast<float>(g.value), mask);
    return text.Num(g.value, mask);
}

float WeffMin(const Checked& k, double wAtPlate, double wAtTop, std::string_view hint) {
    const double w = wAtPlate < wAtTop ? wAtPlate : wAtTop;
    return k.F32(w / 1000.0, hint);
}

float PlateQ(const Case& c, const Tables& tables) { return MaterialQ(tables, c.PlateGradeIndex, c.Fyp, c.Fup); }

double ModulusCheck(const Case& c, const Checked& k, ResultLine& line, double sm, float weffmin,
                    std::string_view zeroHint, const ByType& reference) {
    const double uf = k.Div(sm, weffmin, zeroHint);
    if (uf <= 0.0 || !c.Texts) return uf;
    auto f = TextInto(c, line.Formula);
    f.Num(sm, "0.0") << "/";
    f.Num(weffmin, "0.0") << " = ";
    TextInto(c, line.Value).Num(uf, "0.00");
    SetLine(line,
            "UF = SM/Weffmin  = ", ByStructure(StructureOf(c), reference.watertight, reference.tank, reference.upper),
            UsageColour(uf));
    return uf;
}

}  // namespace veltar::scantling

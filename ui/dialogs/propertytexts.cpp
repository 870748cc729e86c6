// Masks and units of the property labels. The L and T dialogs show the scantling
// strip whenever scantlings are listed, as that is the section the scantling rows
// use; every other dialog shows the buckling strip se.
#include "ui/dialogs/propertytexts.h"

#include "core/numformat.h"

namespace veltar {
namespace {

struct Values {
    char sep;
    bool blank;

    template <class T>
    std::string operator()(T x, const char* mask, const char* unit) const {
        return blank ? std::string() : Format(x, mask, sep) + unit;
    }
};

struct DimLabel {
    const char* caption;
    const char* name;
    const char* mask;
    Real Case::*member;
};

const DimLabel& LabelOf(ShownDim d) {
    static const DimLabel labels[] = {
        {"H =", "sth", "##0", &Case::StiffH},      {"B =", "stb", "##0", &Case::StiffB},
        {"tw =", "sttw", "##0.0", &Case::StiffTw}, {"tf =", "sttf", "##0.0", &Case::StiffTf},
        {"c =", "stc", "##0.0", &Case::StiffC},    {"r =", "strr", "##0.0", &Case::StiffR},
    };
    return labels[static_cast<size_t>(d)];
}

void StiffenerProfile(const Case& c, const DialogDef& def, std::vector<PropertyLine>& out) {
    const Values v{SepOf(c.DecSep), !c.ProfileFault.empty()};
    for (int i = 0; i < def.nTableDims; ++i) {
        const DimLabel& d = LabelOf(def.tableDims[size_t(i)]);
        out.push_back({d.caption, d.name, v(c.*d.member, d.mask, " mm")});
    }
    if (def.equivalentTf) out.push_back({"tf =", "sttf", v(c.StiffTf, "##0.0", " mm")});
    out.push_back({"Ax =", "sta", v(c.StiffAx, "##0", " mm2")});
    out.push_back({"g =", "stg", v(c.StiffMass, "##0.0", " kg/m")});
    out.push_back({"Iy =", "stiy", v(c.StiffIy, "0.000E+0", " mm4")});
    if (def.iz != IzRow::None)
        out.push_back(
            {"Iz =", "stiz", v(c.StiffIz, "0.000E+0", def.iz == IzRow::OneFlange ? " mm4 (one flange)" : " mm4")});
}

template <class B, class Ae, class Zp, class Ie, class Wp, class Ws>
void Plating(const Values& v, const DialogDef& def, std::vector<PropertyLine>& out, B b, Ae ae, Zp zp, Ie ie, Wp wp,
             Ws ws) {
    out.push_back({def.widthCaption, "se", v(b, "0.0", " mm")});
    out.push_back({"Ae =", "ae", v(ae, "0.000E+0", " mm2")});
    out.push_back({"zp =", "zp", v(zp, "##0.0", " mm (el)")});
    out.push_back({"Ie =", "iy", v(ie, "0.000E+0", " mm4")});
    out.push_back({"Wep =", "wep2", v(wp, "0.000E+0", " mm3")});
    out.push_back({def.topModulusCaption, "wes2", v(ws, "0.000E+0", " mm3")});
}

void StiffenerPlating(const Case& c, const DialogDef& def, std::vector<PropertyLine>& out) {
    const Values v{SepOf(c.DecSep), !c.FaultText.empty()};
    if (def.plating == PlatingShown::ByCheckMode && c.CheckMode != 1)
        Plating(v, def, out, c.beSc, c.AeSc, c.zpSc, c.IeSc, c.WepSc, c.WesSc);
    else
        Plating(v, def, out, c.se, c.AeBu, c.zpBu, c.IeBu, c.WepBu, c.WesBu);
}

void Girder(const Case& c, const DialogDef& def, PropertyLines& out) {
    const Values v{SepOf(c.DecSep), !c.GirderFault.empty()};
    out.profile.push_back({"Ax =", "sta", v(c.GirdA, "##0", " mm2")});
    out.profile.push_back({"g =", "stg", v(c.GirdMass, "##0.0", " kg/m")});
    out.profile.push_back({"Iy =", "stiy", v(c.GirdIy, "0.000E+0", " mm4")});
    Plating(v, def, out.plating, c.beG, c.AeG, c.zpG, c.IeG, c.WepG, c.WesG);
}

}  // namespace

PropertyLines PropertyTexts(const Case& c, const DialogDef& def) {
    PropertyLines lines;
    if (def.IsGirder()) {
        Girder(c, def, lines);
        return lines;
    }
    StiffenerProfile(c, def, lines.profile);
    StiffenerPlating(c, def, lines.plating);
    return lines;
}

}  // namespace veltar

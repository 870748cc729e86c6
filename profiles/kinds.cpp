// The table of profile kinds.
#include "profiles/kinds.h"

namespace veltar {
namespace {

using S = KindSource;
using F = SectionFamily;
using O = OutlineShape;
using L = LocalCheck;
using G = GoverningThickness;
using R = DimRole;

constexpr std::array<DimInput, 4> kNoInputs{};

// H, B, tw and tf of a built-up kind, with the dialog's boxes.
constexpr std::array<DimInput, 4> Four(double Case::*H, double Case::*B, double Case::*tw, float Case::*tf) {
    return {{{R::H, H, "isth"}, {R::B, B, "istb"}, {R::tw, tw, "isttw"}, {R::tf, tf, "isttf"}}};
}

const std::array<StiffKindDef, 10> kStiffKinds{{
    {kLTable, "L ", S::LTable, &Case::LRow, kNoInputs, 0, F::Angle, O::RolledAngle, L::AngleFlange,
     G::MaxWebFlange, false, 4, "#0.0", "LR", "LR", 4, "pic_small_l", "pic_l", "stiffl", "Stiffener: L-table",
     "mnustiffl", "&L-table", 330},
    {kLBuilt, "Built-up: L ", S::BuiltUp, nullptr, Four(&Case::LbH, &Case::LbB, &Case::LbTw, &Case::LbTf), 4,
     F::Angle, O::AngleBoxes, L::AngleFlange, G::MaxWebFlange, false, 4, "#0.0", "LW", "LW", 4, "pic_small_l",
     "pic_lb", "stifflb", "Stiffener: L-built-up", "mnustifflb", "L-built-up", 340},
    {kTTable, "T ", S::TTable, &Case::TRow, kNoInputs, 0, F::Tee, O::TeeBoxes, L::SymmetricFlange, G::MaxWebFlange,
     false, 4, "#0.0", "", "", 4, "pic_small_t", "pic_t", "stifft", "Stiffener: T-table", "mnustifft", "&T-table",
     360},
    {kTBuilt, "Built-up: T ", S::BuiltUp, nullptr, Four(&Case::TbH, &Case::TbB, &Case::TbTw, &Case::TbTf), 4,
     F::Tee, O::TeeBoxes, L::SymmetricFlange, G::MaxWebFlange, false, 4, "#0.0", "TG", "TG", 4, "pic_small_t",
     "pic_t", "stifftb", "Stiffener: T-built-up", "mnustifftb", "T-built-up", 290},
    {kFbTable, "Fb ", S::FbTable, &Case::FbRow, kNoInputs, 0, F::FlatBar, O::FlatBarBox, L::FlatBarWeb, G::Web,
     true, 2, "", "", "", 2, "pic_small_fb", "pic_f", "stifff", "Stiffener: Flatbar-table", "mnustifff",
     "&Flatbar-table", 310},
    // Read as "FB", written as "Fb": the forms the case and result tables have always had.
    {kFbBuilt, "Fb ", S::BuiltUp, nullptr, {{{R::H, &Case::FbbH, "isth"}, {R::tw, &Case::FbbTw, "isttw"}}}, 2,
     F::FlatBar, O::FlatBarBox, L::FlatBarWeb, G::Web, true, 2, "", "FB", "Fb", 2, "pic_small_fb", "pic_f",
     "stifffb", "Stiffener: Flatbar-built-up", "mnustifffb", "Flatbar-built-up", 320},
    // The bulb flat is computed as an angle whose flange carries the bulb.
    {kBulb, "BF ", S::BFTable, &Case::BFRow, kNoInputs, 0, F::Angle, O::Bulb, L::BulbWeb, G::Web, true, 2, "",
     "BF", "BF", 2, "pic_small_hp", "pic_hp", "stiffhp", "Stiffener: BF-table", "mnustiffhp", "&BF-table", 300},
    {kRhs, "RHS ", S::BuiltUp, nullptr,
     {{{R::H, &Case::RhsH, "isth"}, {R::B, &Case::RhsB, "istb"}, {R::tw, &Case::RhsTw, "isttw"}}}, 3, F::Rhs,
     O::RhsBoxes, L::None, G::Web, false, 3, "", "", "", 0, "pic_small_rhs", "pic_rhs", "stiffrhs",
     "Stiffener: RHS", "mnustiffrhs", "&RHS", 390},
    {kTrapezoid, "Trapez ", S::BuiltUp, nullptr,
     {{{R::H, &Case::TrapH, "isth"},
       {R::B, &Case::TrapB, "istb"},
       {R::a, &Case::TrapA, "ista"},
       {R::tw, &Case::TrapTw, "isttw"}}},
     4, F::Trapezoid, O::Trapezoid, L::None, G::Web, false, 3, "", "", "", 0, "pic_small_u", "pic_usp", "stiffusp",
     "Stiffener: Trapez-profile", "mnustiffusp", "&Trapez-profile", 400},
    {kIBuilt, "I ", S::BuiltUp, nullptr, Four(&Case::IbH, &Case::IbB, &Case::IbTw, &Case::IbTf), 4, F::I,
     O::IBoxes, L::SymmetricFlange, G::Flange, false, 4, "0.0", "IG", "IG", 4, "pic_small_i", "pic_i", "stiffib",
     "Stiffener: I-built-up", "mnustiffib", "I-built-up", 0},
}};

const std::array<GirderKindDef, 2> kGirderKinds{{
    {kLGirder, "L ", Four(&Case::GlH, &Case::GlB, &Case::GlTw, &Case::GlTf), "LG", "pic_small_lg", "pic_GirderL",
     "girdlg", "Girder: L - Built-up", "mnugirdL", "L- Girder"},
    {kTGirder, "T ", Four(&Case::GtH, &Case::GtB, &Case::GtTw, &Case::GtTf), "TG", "pic_small_tg", "pic_GirderT",
     "girdtg", "Girder: T-built-up", "mnugirdT", "T - Girder"},
}};

}  // namespace

std::span<const StiffKindDef> StiffKinds() { return kStiffKinds; }
std::span<const GirderKindDef> GirderKinds() { return kGirderKinds; }

const StiffKindDef* StiffKindOf(int kind) {
    return kind >= 0 && kind < static_cast<int>(kStiffKinds.size()) ? &kStiffKinds[static_cast<size_t>(kind)]
                                                                     : nullptr;
}

const GirderKindDef* GirderKindOf(int kind) {
    for (const GirderKindDef& g : kGirderKinds)
        if (g.kind == kind) return &g;
    return nullptr;
}

const StiffKindDef* StiffKindByCode(std::string_view code) {
    for (const StiffKindDef& k : kStiffKinds)
        if (*k.readCode != '\0' && code == k.readCode) return &k;
    return nullptr;
}

const GirderKindDef* GirderKindByCode(std::string_view code) {
    for (const GirderKindDef& g : kGirderKinds)
        if (code == g.code) return &g;
    return nullptr;
}

}  // namespace veltar

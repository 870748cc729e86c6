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

// H, B, tw and tf of a built-up kind, with the dialog's boxes.
constexpr std::array<DimInput, 4> Four(double Case::*H, double Case::*B, double Case::*tw, float Case::*tf) {
    return {{{R::H, H, "isth"}, {R::B, B, "istb"}, {R::tw, tw, "isttw"}, {R::tf, tf, "isttf"}}};
}

// clang-format off
const std::array<StiffKindDef, 10> kStiffKinds{{
    {.kind = kLTable, .prefix = "L ", .source = S::LTable, .row = &Case::LRow, .family = F::Angle,
     .outline = O::RolledAngle, .local = L::AngleFlange, .governing = G::MaxWebFlange, .designDims = 4,
     .tfMask = "#0.0", .readCode = "LR", .writeCode = "LR", .codeDims = 4, .smallPicture = "pic_small_l",
     .drawing = "pic_l", .dialog = "stiffl", .caption = "Stiffener: L-table", .menuItem = "mnustiffl",
     .menuCaption = "&L-table", .helpTopic = 330},
    {.kind = kLBuilt, .prefix = "Built-up: L ", .source = S::BuiltUp,
     .inputs = Four(&Case::LbH, &Case::LbB, &Case::LbTw, &Case::LbTf), .nInputs = 4, .family = F::Angle,
     .outline = O::AngleBoxes, .local = L::AngleFlange, .governing = G::MaxWebFlange, .designDims = 4,
     .tfMask = "#0.0", .readCode = "LW", .writeCode = "LW", .codeDims = 4, .smallPicture = "pic_small_l",
     .drawing = "pic_lb", .dialog = "stifflb", .caption = "Stiffener: L-built-up", .menuItem = "mnustifflb",
     .menuCaption = "L-built-up", .helpTopic = 340},
    {.kind = kTTable, .prefix = "T ", .source = S::TTable, .row = &Case::TRow, .family = F::Tee,
     .outline = O::TeeBoxes, .local = L::SymmetricFlange, .governing = G::MaxWebFlange, .designDims = 4,
     .tfMask = "#0.0", .codeDims = 4, .smallPicture = "pic_small_t", .drawing = "pic_t", .dialog = "stifft",
     .caption = "Stiffener: T-table", .menuItem = "mnustifft", .menuCaption = "&T-table", .helpTopic = 360},
    {.kind = kTBuilt, .prefix = "Built-up: T ", .source = S::BuiltUp,
     .inputs = Four(&Case::TbH, &Case::TbB, &Case::TbTw, &Case::TbTf), .nInputs = 4, .family = F::Tee,
     .outline = O::TeeBoxes, .local = L::SymmetricFlange, .governing = G::MaxWebFlange, .designDims = 4,
     .tfMask = "#0.0", .readCode = "TG", .writeCode = "TG", .codeDims = 4, .smallPicture = "pic_small_t",
     .drawing = "pic_t", .dialog = "stifftb", .caption = "Stiffener: T-built-up", .menuItem = "mnustifftb",
     .menuCaption = "T-built-up", .helpTopic = 290},
    {.kind = kFbTable, .prefix = "Fb ", .source = S::FbTable, .row = &Case::FbRow, .family = F::FlatBar,
     .outline = O::FlatBarBox, .local = L::FlatBarWeb, .governing = G::Web, .weakEdge = true, .designDims = 2,
     .codeDims = 2, .smallPicture = "pic_small_fb", .drawing = "pic_f", .dialog = "stifff",
     .caption = "Stiffener: Flatbar-table", .menuItem = "mnustifff", .menuCaption = "&Flatbar-table",
     .helpTopic = 310},
    // Read as "FB", written as "Fb": the forms the case and result tables have always had.
    {.kind = kFbBuilt, .prefix = "Fb ", .source = S::BuiltUp,
     .inputs = {{{R::H, &Case::FbbH, "isth"}, {R::tw, &Case::FbbTw, "isttw"}}}, .nInputs = 2, .family = F::FlatBar,
     .outline = O::FlatBarBox, .local = L::FlatBarWeb, .governing = G::Web, .weakEdge = true, .designDims = 2,
     .readCode = "FB", .writeCode = "Fb", .codeDims = 2, .smallPicture = "pic_small_fb", .drawing = "pic_f",
     .dialog = "stifffb", .caption = "Stiffener: Flatbar-built-up", .menuItem = "mnustifffb",
     .menuCaption = "Flatbar-built-up", .helpTopic = 320},
    // The bulb flat is computed as an angle whose flange carries the bulb.
    {.kind = kBulb, .prefix = "BF ", .source = S::BFTable, .row = &Case::BFRow, .family = F::Angle,
     .outline = O::Bulb, .local = L::BulbWeb, .governing = G::Web, .weakEdge = true, .designDims = 2,
     .readCode = "BF", .writeCode = "BF", .codeDims = 2, .smallPicture = "pic_small_hp", .drawing = "pic_hp",
     .dialog = "stiffhp", .caption = "Stiffener: BF-table", .menuItem = "mnustiffhp", .menuCaption = "&BF-table",
     .helpTopic = 300},
    {.kind = kRhs, .prefix = "RHS ", .source = S::BuiltUp,
     .inputs = {{{R::H, &Case::RhsH, "isth"}, {R::B, &Case::RhsB, "istb"}, {R::tw, &Case::RhsTw, "isttw"}}},
     .nInputs = 3, .family = F::Rhs, .outline = O::RhsBoxes, .local = L::None, .governing = G::Web, .designDims = 3,
     .smallPicture = "pic_small_rhs", .drawing = "pic_rhs", .dialog = "stiffrhs", .caption = "Stiffener: RHS",
     .menuItem = "mnustiffrhs", .menuCaption = "&RHS", .helpTopic = 390},
    {.kind = kTrapezoid, .prefix = "Trapez ", .source = S::BuiltUp,
     .inputs = {{{R::H, &Case::TrapH, "isth"}, {R::B, &Case::TrapB, "istb"}, {R::a, &Case::TrapA, "ista"}, {R::tw, &Case::TrapTw, "isttw"}}},
     .nInputs = 4, .family = F::Trapezoid, .outline = O::Trapezoid, .local = L::None, .governing = G::Web,
     .designDims = 3, .smallPicture = "pic_small_u", .drawing = "pic_usp", .dialog = "stiffusp",
     .caption = "Stiffener: Trapez-profile", .menuItem = "mnustiffusp", .menuCaption = "&Trapez-profile",
     .helpTopic = 400},
    {.kind = kIBuilt, .prefix = "I ", .source = S::BuiltUp,
     .inputs = Four(&Case::IbH, &Case::IbB, &Case::IbTw, &Case::IbTf), .nInputs = 4, .family = F::I,
     .outline = O::IBoxes, .local = L::SymmetricFlange, .governing = G::Flange, .designDims = 4, .tfMask = "0.0",
     .readCode = "IG", .writeCode = "IG", .codeDims = 4, .smallPicture = "pic_small_i", .drawing = "pic_i",
     .dialog = "stiffib", .caption = "Stiffener: I-built-up", .menuItem = "mnustiffib", .menuCaption = "I-built-up"},
}};

const std::array<GirderKindDef, 2> kGirderKinds{{
    {.kind = kLGirder, .prefix = "L ", .inputs = Four(&Case::GlH, &Case::GlB, &Case::GlTw, &Case::GlTf), .code = "LG",
     .smallPicture = "pic_small_lg", .drawing = "pic_GirderL", .dialog = "girdlg", .caption = "Girder: L - Built-up",
     .menuItem = "mnugirdL", .menuCaption = "L- Girder"},
    {.kind = kTGirder, .prefix = "T ", .inputs = Four(&Case::GtH, &Case::GtB, &Case::GtTw, &Case::GtTf), .code = "TG",
     .smallPicture = "pic_small_tg", .drawing = "pic_GirderT", .dialog = "girdtg", .caption = "Girder: T-built-up",
     .menuItem = "mnugirdT", .menuCaption = "T - Girder"},
}};
// clang-format on

}  // namespace

std::span<const StiffKindDef> StiffKinds() { return kStiffKinds; }
std::span<const GirderKindDef> GirderKinds() { return kGirderKinds; }

const StiffKindDef* StiffKindOf(int kind) {
    return kind >= 0 && kind < static_cast<int>(kStiffKinds.size()) ? &kStiffKinds[static_cast<size_t>(kind)] : nullptr;
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

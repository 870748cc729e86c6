// The table of the twelve profile dialogs.
#include "ui/dialogs/dialogtable.h"

#include <array>

namespace veltar {
namespace {

using D = ShownDim;
using Fam = DialogFamily;
using P = PlatingShown;
using C = ClosingCheck;

// clang-format off
const std::array<DialogDef, 12> kDialogs{{
    {.family = Fam::Table, .kind = kLTable, .tableDims = {D::H, D::B, D::tw, D::tf}, .nTableDims = 4,
     .iz = IzRow::Shown, .plating = P::ByCheckMode},
    {.family = Fam::BuiltUpStiffener, .kind = kLBuilt, .iz = IzRow::Shown, .plating = P::ByCheckMode,
     .flangeAsThickness = true},
    {.family = Fam::Table, .kind = kTTable, .tableDims = {D::H, D::B, D::tw, D::tf}, .nTableDims = 4,
     .iz = IzRow::Shown, .plating = P::ByCheckMode},
    {.family = Fam::BuiltUpStiffener, .kind = kTBuilt, .iz = IzRow::Shown, .plating = P::ByCheckMode,
     .closing = C::AllButOffset},
    {.family = Fam::Table, .kind = kFbTable, .tableDims = {D::H, D::tw}, .nTableDims = 2, .freeAreaFlips = true},
    {.family = Fam::BuiltUpStiffener, .kind = kFbBuilt, .closing = C::HeightOnly},
    {.family = Fam::Table, .kind = kBulb, .tableDims = {D::H, D::tw, D::c, D::r}, .nTableDims = 4,
     .equivalentTf = true, .iz = IzRow::Shown},
    {.family = Fam::BuiltUpStiffener, .kind = kRhs, .closing = C::AllButOffset},
    {.family = Fam::BuiltUpStiffener, .kind = kTrapezoid, .closing = C::AllButOffset},
    {.family = Fam::BuiltUpStiffener, .kind = kIBuilt, .iz = IzRow::OneFlange, .closing = C::AllButOffset},
    {.family = Fam::Girder, .kind = kLGirder, .plating = P::Girder, .closing = C::AllButOffset,
     .widthCaption = "le =", .topModulusCaption = "Weg ="},
    {.family = Fam::Girder, .kind = kTGirder, .plating = P::Girder, .closing = C::AllButOffset},
}};
// clang-format on

}  // namespace

const char* DialogDef::Name() const { return IsGirder() ? GirderKind()->dialog : Stiffener()->dialog; }
const char* DialogDef::Caption() const { return IsGirder() ? GirderKind()->caption : Stiffener()->caption; }
const char* DialogDef::MenuItem() const { return IsGirder() ? GirderKind()->menuItem : Stiffener()->menuItem; }
const char* DialogDef::Drawing() const { return IsGirder() ? GirderKind()->drawing : Stiffener()->drawing; }

std::span<const DimInput> DialogDef::Inputs() const {
    if (IsGirder()) return GirderKind()->inputs;
    return Stiffener()->Inputs();
}

std::span<const DialogDef> ProfileDialogDefs() { return kDialogs; }

const DialogDef* DialogNamed(std::string_view name) {
    for (const DialogDef& d : kDialogs)
        if (name == d.Name()) return &d;
    return nullptr;
}

const DialogDef* DialogOfStiffKind(int stiffKind) {
    for (const DialogDef& d : kDialogs)
        if (!d.IsGirder() && d.kind == stiffKind) return &d;
    return nullptr;
}

const DialogDef* DialogOfGirdKind(int girdKind) {
    for (const DialogDef& d : kDialogs)
        if (d.IsGirder() && d.kind == girdKind) return &d;
    return nullptr;
}

int DialogIndex(const DialogDef& def) { return int(&def - kDialogs.data()); }

}  // namespace veltar

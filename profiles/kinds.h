// The profile kinds described once: for each stiffener kind (0 to 9) and each girder
// kind (1 L, 3 T) where its dimensions come from, how its section is computed,
// outlined, checked and named, its case-table codes, its pictures and its dialog.
// Every switch on a kind reads this table.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "core/case.h"

namespace veltar {

// Where the dimensions of a kind come from.
enum class KindSource : std::uint8_t { LTable, TTable, FbTable, BFTable, BuiltUp };

// The routine that computes the bare section.
enum class SectionFamily : std::uint8_t { Angle, Tee, FlatBar, Rhs, Trapezoid, I };

// The outline of the section figure: a rolled shape as a polyline, built-up kinds as boxes.
enum class OutlineShape : std::uint8_t {
    None,  // no kind: only the plate strip
    RolledAngle,
    Bulb,
    Trapezoid,
    AngleBoxes,
    TeeBoxes,
    FlatBarBox,
    RhsBoxes,
    IBoxes
};

// The local slenderness check of the kind's web and flange.
enum class LocalCheck : std::uint8_t { None, FlatBarWeb, BulbWeb, AngleFlange, SymmetricFlange };

// The thickness that governs the minimum-thickness rules.
enum class GoverningThickness : std::uint8_t { MaxWebFlange, Flange, Web };

enum class DimRole : std::uint8_t { H, B, tw, tf, a };

// One input of a built-up kind: what it is, the case field that remembers it and
// the box of the profile dialog that edits it.
struct DimInput {
    DimRole role;
    std::variant<double Case::*, float Case::*> member;
    const char* widget;
};

struct StiffKindDef {
    i16 kind = 0;
    const char* prefix = "";  // of the description beside the stiffener button
    KindSource source = KindSource::BuiltUp;
    i16 Case::*row = nullptr;          // the selected table row; null for a built-up kind
    std::array<DimInput, 4> inputs{};  // a built-up kind's inputs in Enter order
    int nInputs = 0;
    SectionFamily family = SectionFamily::Angle;
    OutlineShape outline = OutlineShape::None;
    LocalCheck local = LocalCheck::None;
    GoverningThickness governing = GoverningThickness::Web;
    bool weakEdge = false;  // restrains the plate edge less (flat bars, bulbs)
    int designDims = 4;     // dimensions in the description: 2 H x tw, 3 H x B x tw, 4 H x B x tw x tf
    const char* tfMask = "";
    const char* readCode = "";   // case-table code; "" when the kind has none
    const char* writeCode = "";  // result-table code; "" when the kind has none
    int codeDims = 0;            // dimensions joined to the codes
    const char* smallPicture = "";
    const char* drawing = "";  // the stored drawing of the profile dialog
    const char* dialog = "";
    const char* caption = "";
    const char* menuItem = "";
    const char* menuCaption = "";
    int helpTopic = 0;  // 0: none

    bool IsTable() const { return source != KindSource::BuiltUp; }
    bool DrawnAsPolyline() const {
        return outline == OutlineShape::RolledAngle || outline == OutlineShape::Bulb ||
               outline == OutlineShape::Trapezoid;
    }
    std::span<const DimInput> Inputs() const { return {inputs.data(), static_cast<size_t>(nInputs)}; }
};

struct GirderKindDef {
    i16 kind = 0;
    const char* prefix = "";
    std::array<DimInput, 4> inputs{};  // H, B, tw, tf
    const char* code = "";             // in case and result tables
    const char* smallPicture = "";
    const char* drawing = "";
    const char* dialog = "";
    const char* caption = "";
    const char* menuItem = "";
    const char* menuCaption = "";
};

// Kinds 0 to 9 in order.
std::span<const StiffKindDef> StiffKinds();
std::span<const GirderKindDef> GirderKinds();

// The row of a kind; null for a value that is no kind.
const StiffKindDef* StiffKindOf(int kind);
const GirderKindDef* GirderKindOf(int kind);

// The kind a case-table code reads as; null for an unknown code (codes are case-sensitive).
const StiffKindDef* StiffKindByCode(std::string_view code);
const GirderKindDef* GirderKindByCode(std::string_view code);

}  // namespace veltar

// The twelve profile dialogs: which family each belongs to and what it shows beyond
// what the table of profile kinds says (name, caption, inputs, pictures). The dialog
// classes are configured from this table alone.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "profiles/kinds.h"

namespace veltar {

enum class DialogFamily : std::uint8_t { Table, BuiltUpStiffener, Girder };

// A dimension a table dialog shows from the resolved profile.
enum class ShownDim : std::uint8_t { H, B, tw, tf, c, r };

enum class IzRow : std::uint8_t { None, Shown, OneFlange };

// Which plate strip the "incl effective plate" frame shows.
enum class PlatingShown : std::uint8_t {
    Buckling,     // always the buckling width se
    ByCheckMode,  // se in the buckling-only mode, the scantling width otherwise
    Girder,       // the girder's strip beG
};

// Which boxes are read and checked against the closing minimums.
enum class ClosingCheck : std::uint8_t { None, HeightOnly, AllButOffset };

struct DialogDef {
    DialogFamily family = DialogFamily::Table;
    i16 kind = 0;  // StiffKind, or GirdKind for a girder dialog
    std::array<ShownDim, 4> tableDims{};
    int nTableDims = 0;
    bool equivalentTf = false;  // the bulb's equivalent flange thickness among the properties
    IzRow iz = IzRow::None;
    PlatingShown plating = PlatingShown::Buckling;
    ClosingCheck closing = ClosingCheck::None;
    bool flangeAsThickness = false;  // B written back with one decimal
    bool freeAreaFlips = false;      // a click on the dialog's free area flips the figure too
    const char* widthCaption = "se =";
    const char* topModulusCaption = "Wes =";

    bool IsGirder() const { return family == DialogFamily::Girder; }
    const StiffKindDef* Stiffener() const { return IsGirder() ? nullptr : StiffKindOf(kind); }
    const GirderKindDef* GirderKind() const { return IsGirder() ? GirderKindOf(kind) : nullptr; }
    const char* Name() const;
    const char* Caption() const;
    const char* MenuItem() const;
    const char* Drawing() const;
    // The built-up inputs in Enter order; empty for a table dialog.
    std::span<const DimInput> Inputs() const;
};

// The ten stiffener dialogs in kind order, then the L and the T girder.
std::span<const DialogDef> ProfileDialogDefs();

// Null when there is none.
const DialogDef* DialogNamed(std::string_view name);
const DialogDef* DialogOfStiffKind(int stiffKind);
const DialogDef* DialogOfGirdKind(int girdKind);

// Position in ProfileDialogDefs().
int DialogIndex(const DialogDef& def);

}  // namespace veltar

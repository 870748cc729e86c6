// The stiffener profile of a kind: its dimensions from a table row or the built-up
// inputs, its description and picture, then its bare properties.
#include "profiles/sections.h"

#include <algorithm>
#include <string>

#include "core/arith.h"
#include "core/numformat.h"
#include "profiles/bare_sections.h"
#include "profiles/kinds.h"
#include "profiles/materials.h"

namespace veltar {

namespace {

using Row = std::array<float, 5>;

const Row& TableRow(const ProfileTable& table, int row, const char* name, const Checked& k) {
    const int last = std::min(table.count, kMaxProfileRows - 1);
    if (row < 0 || row > last) {
        k.Fail("the " + std::string(name) + " has no row " + std::to_string(row),
               "pick one of its rows 0 to " + std::to_string(last) + " in the profile dialog");
    }
    return table.row[row];
}

// Dimensions a kind does not have are zero, so that they never carry over from the
// profile before.
void SetDims(Case& c, Real H, Real B, Real tw, Real tf) {
    c.StiffH = H;
    c.StiffB = B;
    c.StiffTw = tw;
    c.StiffTf = tf;
    c.StiffC = 0;
    c.StiffR = 0;
}

// The bulb flat is taken as an equivalent angle whose flange carries the bulb's
// extra area.
void ResolveBulb(Case& c, const Tables& tables, const Checked& k) {
    const Row& r = TableRow(tables.BF, c.BFRow, "bulb flat table", k);
    const double H = r[0], tw = r[1], Ax = r[4];
    const double B = tw + double(r[2]) - 0.45 * double(r[3]);
    const double tf = k.Div(Ax - tw * H, B - tw, "the bulb flat row has B = tw (c - 0.45 r = 0)");
    SetDims(c, r[0], B, r[1], tf);
    c.StiffC = r[2];
    c.StiffR = r[3];
    c.StiffAx = r[4];
}

// A built-up kind's inputs by role; a role the kind lacks is a zero, except the
// flange of a closed cell, which is its web plate.
void ResolveBuiltUp(Case& c, const StiffKindDef& kind) {
    std::array<Real, 5> d{};
    std::array<bool, 5> has{};
    for (const DimInput& in : kind.Inputs()) {
        const auto role = static_cast<size_t>(in.role);
        d[role] = std::visit([&c](auto m) { return Real(c.*m); }, in.member);
        has[role] = true;
    }
    const auto at = [](DimRole r) { return static_cast<size_t>(r); };
    const bool closed = kind.family == SectionFamily::Rhs || kind.family == SectionFamily::Trapezoid;
    if (!has[at(DimRole::tf)] && closed) d[at(DimRole::tf)] = d[at(DimRole::tw)];
    SetDims(c, d[at(DimRole::H)], d[at(DimRole::B)], d[at(DimRole::tw)], d[at(DimRole::tf)]);
    if (has[at(DimRole::a)]) c.StiffC = d[at(DimRole::a)];
}

const StiffKindDef& Resolve(Case& c, const Tables& tables, i16 kind, const Checked& k) {
    const StiffKindDef* def = StiffKindOf(kind);
    if (!def) k.Fail("unknown profile kind " + std::to_string(kind), "the kinds are 0 to 9");
    if (def->source == KindSource::BFTable) {
        ResolveBulb(c, tables, k);
    } else if (def->IsTable()) {
        const TableUse use = TableFor(tables, def->source);
        const Row& r = TableRow(*use.table, c.*def->row, use.name, k);
        if (use.itemFields == 4)
            SetDims(c, r[0], r[1], r[2], r[3]);
        else
            SetDims(c, r[0], 0, r[1], 0);
    } else {
        ResolveBuiltUp(c, *def);
    }
    return *def;
}

std::string Describe(const Case& c, const StiffKindDef& kind) {
    const char sep = SepOf(c.DecSep);
    std::string s = kind.prefix;
    s += Format(c.StiffH, "00", sep);
    if (kind.designDims == 2) return s + "x" + Format(c.StiffTw, "0.0", sep);
    s += "x" + Format(c.StiffB, "00", sep);
    if (kind.family == SectionFamily::Trapezoid && double(c.StiffC) != 0) s += "/" + Format(c.StiffC, "00", sep);
    s += "x" + Format(c.StiffTw, "0.0", sep);
    if (kind.designDims == 3) return s;
    return s + "x" + Format(c.StiffTf, kind.tfMask, sep);
}

// The thickness that governs the profile's minimum-thickness rules.
float Governing(GoverningThickness rule, const ProfileDims& d, const Checked& k) {
    switch (rule) {
        case GoverningThickness::MaxWebFlange: return k.F32(std::max(d.tw, d.tf));
        case GoverningThickness::Flange: return k.F32(d.tf);
        case GoverningThickness::Web: break;
    }
    return k.F32(d.tw);
}

void BareProperties(Case& c, const StiffKindDef& kind, const Checked& k) {
    const ProfileDims d{c.StiffH, c.StiffB, c.StiffTw, c.StiffTf, c.StiffC};
    CheckDimensions(d, k);
    switch (kind.family) {
        case SectionFamily::Angle: OpenSection(c, d, true, k); break;
        case SectionFamily::Tee: OpenSection(c, d, false, k); break;
        case SectionFamily::FlatBar: FlatBarSection(c, d, k); break;
        case SectionFamily::Rhs: RhsSection(c, d, k); break;
        case SectionFamily::Trapezoid: TrapezoidSection(c, d, k); break;
        case SectionFamily::I: IBuiltSection(c, d, k); break;
    }
    c.StiffTmax = Governing(kind.governing, d, k);
}

}  // namespace

void SetStiffenerProfile(Case& c, const Tables& tables, i16 kind) {
    const Checked k("Stiffener section");
    try {
        const StiffKindDef& def = Resolve(c, tables, kind, k);
        c.stiffprof = Describe(c, def);
        c.StiffPicture = def.smallPicture;
        BareProperties(c, def, k);
        c.ProfileFault.clear();
    } catch (const CalcFault& fault) {
        c.ProfileFault = fault.text;
    }
    // The stiffener grade does not depend on the profile: refresh it in any case.
    SetStiffenerMaterial(c, tables, c.StiffGradeIndex);
}

}  // namespace veltar

// The stiffener profile of a kind: its dimensions from a table row or the built-up
// inputs, its description and picture, then its bare properties.
#include "profiles/sections.h"

#include <algorithm>
#include <string>

#include "core/arith.h"
#include "core/numformat.h"
#include "profiles/bare_sections.h"
#include "profiles/materials.h"

namespace veltar {

namespace {

struct KindInfo {
    const char* prefix;   // of the description
    const char* picture;  // small picture of the stiffener button
};

KindInfo InfoOf(i16 kind) {
    switch (kind) {
        case kLTable: return {"L ", "pic_small_l"};
        case kLBuilt: return {"Built-up: L ", "pic_small_l"};
        case kTTable: return {"T ", "pic_small_t"};
        case kTBuilt: return {"Built-up: T ", "pic_small_t"};
        case kFbTable:
        case kFbBuilt: return {"Fb ", "pic_small_fb"};
        case kBulb: return {"BF ", "pic_small_hp"};
        case kRhs: return {"RHS ", "pic_small_rhs"};
        case kTrapezoid: return {"Trapez ", "pic_small_u"};
        default: return {"I ", "pic_small_i"};
    }
}

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

void ResolveTableRow(Case& c, const ProfileTable& table, int row, const char* name, const Checked& k) {
    const Row& r = TableRow(table, row, name, k);
    SetDims(c, r[0], r[1], r[2], r[3]);
}

void Resolve(Case& c, const Tables& tables, i16 kind, const Checked& k) {
    switch (kind) {
        case kLTable: return ResolveTableRow(c, tables.L, c.LRow, "L table", k);
        case kLBuilt: return SetDims(c, c.LbH, c.LbB, c.LbTw, c.LbTf);
        case kTTable: return ResolveTableRow(c, tables.T, c.TRow, "T table", k);
        case kTBuilt: return SetDims(c, c.TbH, c.TbB, c.TbTw, c.TbTf);
        case kFbTable: {
            const Row& r = TableRow(tables.Fb, c.FbRow, "flat bar table", k);
            return SetDims(c, r[0], 0, r[1], 0);
        }
        case kFbBuilt: return SetDims(c, c.FbbH, 0, c.FbbTw, 0);
        case kBulb: return ResolveBulb(c, tables, k);
        case kRhs: return SetDims(c, c.RhsH, c.RhsB, c.RhsTw, c.RhsTw);
        case kTrapezoid:
            SetDims(c, c.TrapH, c.TrapB, c.TrapTw, c.TrapTw);
            c.StiffC = c.TrapA;
            return;
        case kIBuilt: return SetDims(c, c.IbH, c.IbB, c.IbTw, c.IbTf);
        default: k.Fail("unknown profile kind " + std::to_string(kind), "the kinds are 0 to 9");
    }
}

std::string Describe(const Case& c, i16 kind) {
    const char sep = SepOf(c.DecSep);
    std::string s = InfoOf(kind).prefix;
    s += Format(c.StiffH, "00", sep);
    if (kind == kFbTable || kind == kFbBuilt || kind == kBulb) return s + "x" + Format(c.StiffTw, "0.0", sep);
    s += "x" + Format(c.StiffB, "00", sep);
    if (kind == kTrapezoid && double(c.StiffC) != 0) s += "/" + Format(c.StiffC, "00", sep);
    s += "x" + Format(c.StiffTw, "0.0", sep);
    if (kind == kRhs || kind == kTrapezoid) return s;
    return s + "x" + Format(c.StiffTf, kind == kIBuilt ? "0.0" : "#0.0", sep);
}

// The thickness that governs the profile's minimum-thickness rules.
float GoverningThickness(i16 kind, const ProfileDims& d, const Checked& k) {
    if (kind <= kTBuilt) return k.F32(std::max(d.tw, d.tf));
    return k.F32(kind == kIBuilt ? d.tf : d.tw);
}

void BareProperties(Case& c, i16 kind, const Checked& k) {
    const ProfileDims d{c.StiffH, c.StiffB, c.StiffTw, c.StiffTf, c.StiffC};
    CheckDimensions(d, k);
    switch (kind) {
        case kLTable:
        case kLBuilt:
        case kBulb: OpenSection(c, d, true, k); break;
        case kTTable:
        case kTBuilt: OpenSection(c, d, false, k); break;
        case kFbTable:
        case kFbBuilt: FlatBarSection(c, d, k); break;
        case kRhs: RhsSection(c, d, k); break;
        case kTrapezoid: TrapezoidSection(c, d, k); break;
        default: IBuiltSection(c, d, k); break;
    }
    c.StiffTmax = GoverningThickness(kind, d, k);
}

}  // namespace

void SetStiffenerProfile(Case& c, const Tables& tables, i16 kind) {
    const Checked k("Stiffener section");
    try {
        Resolve(c, tables, kind, k);
        c.stiffprof = Describe(c, kind);
        c.StiffPicture = InfoOf(kind).picture;
        BareProperties(c, kind, k);
        c.ProfileFault.clear();
    } catch (const CalcFault& fault) {
        c.ProfileFault = fault.text;
    }
    // The stiffener grade does not depend on the profile: refresh it in any case.
    SetStiffenerMaterial(c, tables, c.StiffGradeIndex);
}

}  // namespace veltar

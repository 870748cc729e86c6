// Looking up the profile tables: combo item texts and rows by dimensions.
#include "profiles/tables.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "core/numformat.h"

namespace veltar {

namespace {

// The tables hold 32-bit floats; a dimension read back from a project file or a case
// table matches a row when it rounds to the same float.
bool SameSingle(float cell, double x) {
    return std::fabs(x) <= static_cast<double>(FLT_MAX) && static_cast<float>(x) == cell;
}

// Index of the last row read, bounded by the array for a table not built by the reader.
int LastRow(const ProfileTable& table) { return std::min(table.count, kMaxProfileRows - 1); }

}  // namespace

TableUse TableFor(const Tables& tables, KindSource source) {
    using R = DimRole;
    switch (source) {
        case KindSource::LTable: return {&tables.L, "L table", "L", 4, {R::H, R::B, R::tw, R::tf}, 3};
        case KindSource::TTable: return {&tables.T, "T table", "T", 4, {R::H, R::B, R::tw, R::tf}, 4};
        case KindSource::FbTable: return {&tables.Fb, "flat bar table", "Fb", 2, {R::H, R::tw}, 2};
        case KindSource::BFTable: return {&tables.BF, "bulb flat table", "BF", 2, {R::H, R::tw}, 2};
        case KindSource::BuiltUp: break;
    }
    return {nullptr, "", "", 0, {}, 0};
}

std::string ItemText(const Tables& tables, i16 kind, int row, char sep) {
    const StiffKindDef* k = StiffKindOf(kind);
    if (!k) return {};
    const TableUse use = TableFor(tables, k->source);
    if (!use.table || row < 0 || row > LastRow(*use.table)) return {};
    std::string text = use.itemPrefix;
    for (int i = 0; i < use.itemFields; ++i) {
        if (i > 0) text += 'x';
        text += PlainText(use.table->row[row][i], sep);
    }
    return text;
}

int FindLTableRow(const Tables& tables, double H, double B, double tw, double tf) {
    int found = -1;
    for (int i = LastRow(tables.L); i >= 0; --i) {
        const auto& r = tables.L.row[i];
        if (!SameSingle(r[0], H) || !SameSingle(r[1], B) || !SameSingle(r[2], tw)) continue;
        if (SameSingle(r[3], tf)) return i;
        if (found < 0) found = i;
    }
    return found;
}

int FindBulbTableRow(const Tables& tables, double H, double tw) {
    for (int i = LastRow(tables.BF); i >= 0; --i) {
        const auto& r = tables.BF.row[i];
        if (SameSingle(r[0], H) && SameSingle(r[1], tw)) return i;
    }
    return -1;
}

}  // namespace veltar

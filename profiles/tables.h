// The profile and material tables read from the data folder at start-up.
// Rows are kept in fixed arrays of the sizes the project files and case tables
// index into; a row beyond `count` holds zeros.
#pragma once

#include <array>
#include <string>

#include "core/case.h"
#include "core/status.h"
#include "profiles/kinds.h"

namespace veltar {

constexpr int kMaxProfileRows = 61;
constexpr int kMaxMaterialRows = 23;

struct ProfileTable {
    // L and T: H, B, tw, tf. Flat bar: H, tw. Bulb flat: H, tw, c, r, Ax.
    std::array<std::array<float, 5>, kMaxProfileRows> row{};
    int count = -1;  // index of the last row read
};

struct MaterialTable {
    std::array<std::string, kMaxMaterialRows> name{};
    std::array<float, kMaxMaterialRows> Fy{}, Fu{}, Q{};
    int count = -1;  // index of the last grade: the user-defined grade
};

struct Tables {
    ProfileTable L, T, Fb, BF;
    MaterialTable Mat;
};

// How a kind uses its table: the rows, the name messages give it, the form of its
// combo items, and the leading columns (by role) that find a stored profile's row again.
struct TableUse {
    const ProfileTable* table;  // null for a built-up kind
    const char* name;
    const char* itemPrefix;
    int itemFields;                // dimensions shown, from the first column on
    std::array<DimRole, 4> roles;  // of the leading columns
    int fileMatch;                 // how many leading columns a project file's profile must match
};

TableUse TableFor(const Tables& tables, KindSource source);

// Combo item text of a table row, e.g. "L100x75x7x10", "Fb200x9", "BF200x9"; empty
// for a kind without a table or a row that was not read.
std::string ItemText(const Tables& tables, i16 kind, int row, char sep = '.');

// Last row whose first columns equal the given dimensions, -1 when none does. L rows
// may share H, B and tw and differ in tf alone: the last of them with the tf asked for
// comes first.
int FindLTableRow(const Tables& tables, double H, double B, double tw, double tf);
int FindBulbTableRow(const Tables& tables, double H, double tw);

}  // namespace veltar

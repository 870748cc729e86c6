// The profile and material tables read from the data folder at start-up.
// Rows are kept in fixed arrays of the sizes the project files and case tables
// index into; a row beyond `count` holds zeros.
#pragma once

#include <array>
#include <string>

#include "core/case.h"
#include "core/status.h"

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

// Reads bfprof.dat, lprof.dat, tprof.dat, fprof.dat and ABSmat.dat from `dir`.
// On failure `tables` is unchanged and the message names the file and the line.
Status ReadTables(const std::string& dir, Tables& tables);

// Combo item text of a table row, e.g. "L100x75x7x10", "Fb200x9", "BF200x9"; empty
// for a kind without a table or a row that was not read.
std::string ItemText(const Tables& tables, i16 kind, int row, char sep = '.');

// Last row whose first columns equal the given dimensions, -1 when none does.
int FindLTableRow(const Tables& tables, double H, double B, double tw);
int FindBulbTableRow(const Tables& tables, double H, double tw);

// The folder holding the data tables: beside the executable (the build tree), else
// ../share/veltar (an installed tree in any prefix); empty when neither holds them.
std::string FindDataDir(const std::string& exeDir);

// Reads the tables from the folder FindDataDir finds; when there is none, the message
// names both places looked in.
Status ReadProgramTables(const std::string& exeDir, Tables& tables);

}  // namespace veltar

// Looking up the profile tables: combo item texts, rows by dimensions, the data folder.
#include "profiles/tables.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "core/numformat.h"

namespace veltar {

namespace {

struct ItemLayout {
    const ProfileTable* table;
    const char* prefix;
    int fields;  // dimensions shown, from the first column on
};

ItemLayout LayoutOf(const Tables& tables, i16 kind) {
    switch (kind) {
        case kLTable: return {&tables.L, "L", 4};
        case kTTable: return {&tables.T, "T", 4};
        case kFbTable: return {&tables.Fb, "Fb", 2};
        case kBulb: return {&tables.BF, "BF", 2};
        default: return {nullptr, "", 0};
    }
}

// The tables hold 32-bit floats; a dimension read back from a project file or a case
// table matches a row when it rounds to the same float.
bool SameSingle(float cell, double x) {
    return std::fabs(x) <= static_cast<double>(FLT_MAX) && static_cast<float>(x) == cell;
}

// Index of the last row read, bounded by the array for a table not built by the reader.
int LastRow(const ProfileTable& table) { return std::min(table.count, kMaxProfileRows - 1); }

// Written without the "..", so that a message names the folder a user would look in.
std::filesystem::path SharedDataDir(const std::string& exeDir) {
    return (std::filesystem::path(exeDir) / ".." / "share" / "veltar").lexically_normal();
}

bool HasDataTables(const std::filesystem::path& dir) {
    std::error_code ec;
    return std::filesystem::is_regular_file(dir / "lprof.dat", ec);
}

}  // namespace

std::string ItemText(const Tables& tables, i16 kind, int row, char sep) {
    const ItemLayout layout = LayoutOf(tables, kind);
    if (!layout.table || row < 0 || row > LastRow(*layout.table)) return {};
    std::string text = layout.prefix;
    for (int i = 0; i < layout.fields; ++i) {
        if (i > 0) text += 'x';
        text += PlainText(layout.table->row[row][i], sep);
    }
    return text;
}

int FindLTableRow(const Tables& tables, double H, double B, double tw) {
    for (int i = LastRow(tables.L); i >= 0; --i) {
        const auto& r = tables.L.row[i];
        if (SameSingle(r[0], H) && SameSingle(r[1], B) && SameSingle(r[2], tw)) return i;
    }
    return -1;
}

int FindBulbTableRow(const Tables& tables, double H, double tw) {
    for (int i = LastRow(tables.BF); i >= 0; --i) {
        const auto& r = tables.BF.row[i];
        if (SameSingle(r[0], H) && SameSingle(r[1], tw)) return i;
    }
    return -1;
}

std::string FindDataDir(const std::string& exeDir) {
    if (HasDataTables(exeDir)) return exeDir;
    const std::filesystem::path shared = SharedDataDir(exeDir);
    if (HasDataTables(shared)) return shared.string();
    return {};
}

Status ReadProgramTables(const std::string& exeDir, Tables& tables) {
    const std::string dir = FindDataDir(exeDir);
    if (dir.empty())
        return Status::Error("can't find the data tables (lprof.dat and the others): looked in " + exeDir + " and " +
                             SharedDataDir(exeDir).string());
    return ReadTables(dir, tables);
}

}  // namespace veltar

// Reading a case table: lines, cells, numbers and the profile codes of a case row.
#include "files/casedb.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <utility>

#include "core/parse.h"

namespace veltar {
namespace {

// No sensible row comes near this; it keeps a file without line ends from being
// read into memory as one line.
constexpr std::size_t kMaxLineLength = 64 * 1024;

constexpr std::array<std::string_view, kCaseRowCells> kCellNames = {
    "Project", "Ident", "LoadCond", "FS", "UFa", "Fyp", "Fup", "Fys", "Fus", "E", "BulkheadType",
    "UL", "EndOption", "stiffener code", "stiffener dimensions", "girder code", "girder dimensions",
    "L1", "L2", "Lg", "Lgs", "Lt", "t", "s1", "s2", "SigxA", "SigxB", "SigyA", "SigyC", "Tau", "p", "ps"};

// Numeric cells read as 32-bit floats, with the field each fills.
struct NumberCell {
    int cell;
    float CaseRow::*field;
};
constexpr NumberCell kNumberCells[] = {
    {3, &CaseRow::FS},     {4, &CaseRow::UFa},    {5, &CaseRow::Fyp},    {6, &CaseRow::Fup},
    {7, &CaseRow::Fys},    {8, &CaseRow::Fus},    {9, &CaseRow::E},      {11, &CaseRow::UL},
    {17, &CaseRow::L1},    {18, &CaseRow::L2},    {19, &CaseRow::Lg},    {20, &CaseRow::Lgs},
    {21, &CaseRow::Lt},    {22, &CaseRow::t},     {23, &CaseRow::s1},    {24, &CaseRow::s2},
    {25, &CaseRow::SigxA}, {26, &CaseRow::SigxB}, {27, &CaseRow::SigyA}, {28, &CaseRow::SigyC},
    {29, &CaseRow::Tau},   {30, &CaseRow::p},     {31, &CaseRow::ps}};

struct WholeCell {
    int cell;
    i16 CaseRow::*field;
};
constexpr WholeCell kWholeCells[] = {
    {2, &CaseRow::LoadCond}, {10, &CaseRow::BulkheadType}, {12, &CaseRow::EndOption}};

// Stiffener codes (case-sensitive) and how many dimensions each carries.
struct StiffCode {
    std::string_view code;
    i16 kind;
    int dims;
};
constexpr StiffCode kStiffCodes[] = {{"LR", kLTable, 4}, {"LW", kLBuilt, 4}, {"TG", kTBuilt, 4},
                                     {"FB", kFbBuilt, 2}, {"BF", kBulb, 2},  {"IG", kIBuilt, 4}};

enum class LineRead { Ok, End, TooLong };

// One line without its CR LF, read through the stream buffer (a table has
// thousands of lines).
LineRead NextLine(std::streambuf& in, std::string& line) {
    line.clear();
    using Traits = std::char_traits<char>;
    int ch = in.sbumpc();
    if (Traits::eq_int_type(ch, Traits::eof())) return LineRead::End;
    for (; !Traits::eq_int_type(ch, Traits::eof()) && ch != '\n'; ch = in.sbumpc()) {
        if (line.size() == kMaxLineLength) return LineRead::TooLong;
        line.push_back(Traits::to_char_type(ch));
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return LineRead::Ok;
}

// Only blanks are trimmed: a leading TAB is an empty first cell.
std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> Split(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    for (std::size_t from = 0;;) {
        const std::size_t at = s.find(sep, from);
        parts.push_back(s.substr(from, at - from));
        if (at == std::string_view::npos) return parts;
        from = at + 1;
    }
}

bool IsEndRow(std::string_view cell0) {
    if (cell0.size() != 3) return false;
    auto lower = [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch + 32) : ch; };
    return lower(cell0[0]) == 'e' && lower(cell0[1]) == 'n' && lower(cell0[2]) == 'd';
}

// The cells of one case row, with what a message about them needs.
class CellReader {
public:
    CellReader(const std::vector<std::string_view>& cells, int line, int decSep)
        : cells_(cells), line_(line), decSep_(decSep) {}

    Status Fail(int cell, std::string_view what) const {
        return Status::Error("line " + std::to_string(line_) + ", cell " + std::to_string(cell + 1) +
                             " (" + std::string(kCellNames[cell]) + "): " + std::string(what));
    }

    Status Number(int cell, std::string_view text, float& out) const {
        const auto v = ParseNumber(text, decSep_);
        if (!v) return Fail(cell, "\"" + std::string(text) + "\" is not a number");
        out = *v;
        return Status::Ok();
    }

    // Whole-number cells round half to even, as the 16-bit fields take a value.
    Status Whole(int cell, i16& out) const {
        float v = 0;
        if (Status s = Number(cell, cells_[cell], v); !s) return s;
        const double r = std::nearbyint(static_cast<double>(v));
        if (!(r >= -32768.0 && r <= 32767.0))
            return Fail(cell, "\"" + std::string(cells_[cell]) + "\" is outside -32768 to 32767");
        out = static_cast<i16>(r);
        return Status::Ok();
    }

    // "200x90x9x12": exactly `count` numbers joined by "x".
    Status Dims(int cell, int count, std::array<float, 4>& out) const {
        const auto parts = Split(cells_[cell], 'x');
        if (static_cast<int>(parts.size()) != count)
            return Fail(cell, "\"" + std::string(cells_[cell]) + "\" needs " + std::to_string(count) +
                                  " numbers joined by \"x\"");
        for (int i = 0; i < count; ++i)
            if (Status s = Number(cell, parts[i], out[i]); !s) return s;
        return Status::Ok();
    }

    std::string_view operator[](int cell) const { return cells_[cell]; }

private:
    const std::vector<std::string_view>& cells_;
    int line_;
    int decSep_;
};

Status ReadStiffener(const CellReader& r, const Tables& tables, CaseRow& row) {
    for (const StiffCode& k : kStiffCodes) {
        if (r[13] != k.code) continue;
        row.StiffKind = k.kind;
        if (Status s = r.Dims(14, k.dims, row.StiffDim); !s) return s;
        const auto& d = row.StiffDim;
        // A table profile whose dimensions match no row takes the first row.
        if (k.kind == kLTable) row.StiffRow = static_cast<i16>(std::max(FindLTableRow(tables, d[0], d[1], d[2]), 0));
        if (k.kind == kBulb) row.StiffRow = static_cast<i16>(std::max(FindBulbTableRow(tables, d[0], d[1]), 0));
        return Status::Ok();
    }
    return r.Fail(13, "unknown stiffener code \"" + std::string(r[13]) + "\" (LR, LW, TG, FB, BF or IG)");
}

Status ReadGirder(const CellReader& r, CaseRow& row) {
    if (r[15] == "LG")
        row.GirdKind = kLGirder;
    else if (r[15] == "TG")
        row.GirdKind = kTGirder;
    else
        return r.Fail(15, "unknown girder code \"" + std::string(r[15]) + "\" (LG or TG)");
    return r.Dims(16, 4, row.GirdDim);
}

Status ReadCaseRow(const std::vector<std::string_view>& cells, const Tables& tables, int decSep, CaseRow& row) {
    if (cells.size() < kCaseRowCells)
        return Status::Error("line " + std::to_string(row.line) + ": a case row needs " +
                             std::to_string(kCaseRowCells) + " cells, found " + std::to_string(cells.size()));
    const CellReader r(cells, row.line, decSep);
    row.Project = std::string(cells[0]);
    row.Ident = std::string(cells[1]);
    for (const NumberCell& k : kNumberCells)
        if (Status s = r.Number(k.cell, cells[k.cell], row.*k.field); !s) return s;
    for (const WholeCell& k : kWholeCells)
        if (Status s = r.Whole(k.cell, row.*k.field); !s) return s;
    if (Status s = ReadStiffener(r, tables, row); !s) return s;
    return ReadGirder(r, row);
}

Status ReadRow(std::string_view text, const Tables& tables, int decSep, CaseRow& row) {
    const auto cells = Split(text, '\t');
    row.comment = !cells[0].empty() && cells[0].front() == '%';
    if (row.comment) {
        row.Project = std::string(cells[0]);
        return Status::Ok();
    }
    return ReadCaseRow(cells, tables, decSep, row);
}

}  // namespace

Status ParseCaseTable(std::istream& in, const std::string& source, const Tables& tables, int decSep,
                      CaseDatabase& db, std::vector<std::string>& warnings) {
    std::vector<CaseRow> rows;
    std::string line;
    for (int number = 1;; ++number) {
        const LineRead got = NextLine(*in.rdbuf(), line);
        if (got == LineRead::TooLong)
            return Status::Error(source + ": line " + std::to_string(number) + " is longer than " +
                                 std::to_string(kMaxLineLength) + " characters");
        if (got == LineRead::End) {
            warnings.push_back(source + ": no \"End\" row; read to the end of the file");
            break;
        }
        const std::string_view text = TrimBlanks(line);
        if (IsEndRow(text.substr(0, text.find('\t')))) break;
        CaseRow row;
        row.line = number;
        if (Status s = ReadRow(text, tables, decSep, row); !s) return Status::Error(source + ": " + s.message);
        rows.push_back(std::move(row));
    }
    db.rows = std::move(rows);
    db.DbRow = 0;
    return Status::Ok();
}

Status ReadCaseDatabase(const std::string& path, const Tables& tables, int decSep, CaseDatabase& db,
                        std::vector<std::string>& warnings) {
    std::error_code ec;
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path, ec)) return Status::Error("can't find file - " + path);
    if (Status s = ParseCaseTable(in, path, tables, decSep, db, warnings); !s) return s;
    db.DbPath = path;
    return Status::Ok();
}

int FirstCaseRow(const CaseDatabase& db) {
    for (int i = 0; i < db.DbRowCount(); ++i)
        if (!db.rows[i].comment) return i;
    return -1;
}

}  // namespace veltar

// Reading a case table: lines, cells, numbers and the profile codes of a case row.
#include "files/casedb.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <utility>

#include "core/excerpt.h"
#include "core/fieldtable.h"
#include "core/lines.h"
#include "core/parse.h"
#include "core/text.h"

namespace veltar {
namespace {

// No sensible row comes near this; it keeps a file without line ends from being
// read into memory as one line.
constexpr std::size_t kMaxLineLength = 64 * 1024;

// The cells that hold no field of their own.
constexpr int kStiffCodeCell = 13, kStiffDimCell = 14, kGirdCodeCell = 15, kGirdDimCell = 16;

std::string CellName(int cell) {
    switch (cell) {
        case kStiffCodeCell: return "stiffener code";
        case kStiffDimCell: return "stiffener dimensions";
        case kGirdCodeCell: return "girder code";
        case kGirdDimCell: return "girder dimensions";
        default: break;
    }
    for (const FieldDef& f : CaseFields())
        if (f.caseCell == cell) return f.name;
    return "cell " + std::to_string(cell + 1);
}

// The numeric cells of a case row in cell order, the 32-bit ones before the whole
// numbers, so that a row with several bad cells is always reported by the same one.
std::vector<const FieldDef*> NumericCells() {
    std::vector<const FieldDef*> cells;
    for (const bool whole : {false, true})
        for (int cell = 0; cell < kCaseRowCells; ++cell)
            for (const FieldDef& f : CaseFields())
                if (f.caseCell == cell && IsNumeric(f) && std::holds_alternative<i16 Case::*>(f.member) == whole)
                    cells.push_back(&f);
    return cells;
}

std::vector<std::string_view> Split(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    // Room for every cell at once: a case row has 32, and growing to them costs more
    // than counting the separators.
    parts.reserve(static_cast<size_t>(std::count(s.begin(), s.end(), sep)) + 1);
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
        return Status::Error("line " + std::to_string(line_) + ", cell " + std::to_string(cell + 1) + " (" +
                             CellName(cell) + "): " + std::string(what));
    }

    Status Number(int cell, std::string_view text, float& out) const {
        const auto v = ParseNumber(text, decSep_);
        if (!v) return Fail(cell, Excerpt(text) + " is not a number");
        out = *v;
        return Status::Ok();
    }

    // Whole-number cells round half to even, as the 16-bit fields take a value.
    Status Whole(int cell, float& out) const {
        float v = 0;
        if (Status s = Number(cell, cells_[cell], v); !s) return s;
        const double r = std::nearbyint(static_cast<double>(v));
        if (!(r >= -32768.0 && r <= 32767.0)) return Fail(cell, Excerpt(cells_[cell]) + " is outside -32768 to 32767");
        out = static_cast<float>(r);
        return Status::Ok();
    }

    // "200x90x9x12": exactly `count` numbers joined by "x".
    Status Dims(int cell, int count, std::array<float, 4>& out) const {
        const auto parts = Split(cells_[cell], 'x');
        if (static_cast<int>(parts.size()) != count)
            return Fail(cell, Excerpt(cells_[cell]) + " needs " + std::to_string(count) + " numbers joined by \"x\"");
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

// The readable codes, for messages: "LR, LW, TG, FB, BF or IG".
std::string StiffCodeList() {
    std::vector<std::string_view> codes;
    for (const StiffKindDef& k : StiffKinds())
        if (*k.readCode != '\0') codes.push_back(k.readCode);
    std::string list;
    for (size_t i = 0; i < codes.size(); ++i) {
        if (i > 0) list += i + 1 == codes.size() ? " or " : ", ";
        list += codes[i];
    }
    return list;
}

Status ReadStiffener(const CellReader& r, const Tables& tables, CaseRow& row) {
    const StiffKindDef* k = StiffKindByCode(r[kStiffCodeCell]);
    if (!k)
        return r.Fail(kStiffCodeCell,
                      "unknown stiffener code " + Excerpt(r[kStiffCodeCell]) + " (" + StiffCodeList() + ")");
    row.StiffKind = k->kind;
    if (Status s = r.Dims(kStiffDimCell, k->codeDims, row.StiffDim); !s) return s;
    const auto& d = row.StiffDim;
    // A table profile whose dimensions match no row takes the first row.
    if (k->source == KindSource::LTable)
        row.StiffRow = static_cast<i16>(std::max(FindLTableRow(tables, d[0], d[1], d[2], d[3]), 0));
    if (k->source == KindSource::BFTable)
        row.StiffRow = static_cast<i16>(std::max(FindBulbTableRow(tables, d[0], d[1]), 0));
    return Status::Ok();
}

Status ReadGirder(const CellReader& r, CaseRow& row) {
    const GirderKindDef* g = GirderKindByCode(r[kGirdCodeCell]);
    if (!g) return r.Fail(kGirdCodeCell, "unknown girder code " + Excerpt(r[kGirdCodeCell]) + " (LG or TG)");
    row.GirdKind = g->kind;
    return r.Dims(kGirdDimCell, 4, row.GirdDim);
}

Status ReadCaseRow(const std::vector<std::string_view>& cells, const Tables& tables, int decSep, CaseRow& row) {
    if (cells.size() < kCaseRowCells) {
        // A table saved with commas or semicolons reads as one cell a row.
        const std::string hint = cells.size() == 1 ? "; cells are separated by TAB characters" : "";
        return Status::Error("line " + std::to_string(row.line) + ": a case row needs " +
                             std::to_string(kCaseRowCells) + " cells, found " + std::to_string(cells.size()) + hint);
    }
    const CellReader r(cells, row.line, decSep);
    row.Project = std::string(cells[0]);
    row.Ident = std::string(cells[1]);
    static const std::vector<const FieldDef*> numeric = NumericCells();
    for (const FieldDef* f : numeric) {
        float& value = row.cell[static_cast<size_t>(f->caseCell)];
        Status s = std::holds_alternative<i16 Case::*>(f->member) ? r.Whole(f->caseCell, value)
                                                                  : r.Number(f->caseCell, cells[f->caseCell], value);
        if (!s) return s;
    }
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

CaseLineReader::CaseLineReader(std::streambuf& in, std::string source)
    : lines_(in, kMaxLineLength), source_(std::move(source)) {}

Status CaseLineReader::Next(std::string_view& text, int& line, bool& got) {
    got = false;
    const LineReader::Result read = lines_.Next(line_);
    if (read == LineReader::Result::TooLong)
        return Status::Error(source_ + ": line " + std::to_string(lines_.Number()) + " is longer than " +
                             std::to_string(kMaxLineLength) + " characters");
    if (read == LineReader::Result::End) {
        warning_ = source_ + ": no \"End\" row; read to the end of the file";
        return Status::Ok();
    }
    // Only blanks are trimmed: a leading TAB is an empty first cell.
    text = Trim(line_, " ");
    if (IsEndRow(text.substr(0, text.find('\t')))) return Status::Ok();
    line = lines_.Number();
    got = true;
    return Status::Ok();
}

Status ReadCaseRowText(std::string_view text, int line, const std::string& source, const Tables& tables, int decSep,
                       CaseRow& row) {
    row = CaseRow{};
    row.line = line;
    if (Status s = ReadRow(text, tables, decSep, row); !s) return Status::Error(source + ": " + s.message);
    return Status::Ok();
}

Status ParseCaseTable(std::istream& in, const std::string& source, const Tables& tables, int decSep, CaseDatabase& db,
                      std::vector<std::string>& warnings) {
    std::vector<CaseRow> rows;
    CaseLineReader reader(*in.rdbuf(), source);
    for (;;) {
        std::string_view text;
        int line = 0;
        bool got = false;
        if (Status s = reader.Next(text, line, got); !s) return s;
        if (!got) break;
        CaseRow row;
        if (Status s = ReadCaseRowText(text, line, source, tables, decSep, row); !s) return s;
        rows.push_back(std::move(row));
    }
    if (!reader.Warning().empty()) warnings.push_back(reader.Warning());
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

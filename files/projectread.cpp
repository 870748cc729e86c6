// Reading a project file of any version into a copy of the case, which replaces the
// case only when every line converted: a bad file never leaves a half-read case.
#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/excerpt.h"
#include "core/lines.h"
#include "files/projectfile.h"
#include "files/projectlayout.h"
#include "files/valuetext.h"
#include "profiles/kinds.h"

namespace veltar {
namespace {

// The line of a field whose value a later step converts or names in a message.
int LineOf(const char* field) { return FindField(field)->project.line; }

bool FitsSingle(double x) { return std::isfinite(x) && std::fabs(x) <= static_cast<double>(FLT_MAX); }

// Reads the file whole, refusing anything that cannot be a project file by its size
// or kind (a pipe or a device could block or never end).
Status LoadFile(const std::string& path, std::string& text) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (!fs::exists(st)) return Status::Error("can't find file - " + path);
    if (!fs::is_regular_file(st)) return Status::Error(path + ": not a project file (not a regular file)");
    std::ifstream in(path, std::ios::binary);
    if (!in) return Status::Error("can't find file - " + path);
    // In pieces, so that a file of a few hundred bytes costs no more than its size.
    char piece[4096];
    text.clear();
    while (in.read(piece, sizeof piece) || in.gcount() > 0) {
        text.append(piece, static_cast<size_t>(in.gcount()));
        if (text.size() > kMaxProjectFileBytes)
            return Status::Error(path + ": not a project file (larger than " +
                                 std::to_string(kMaxProjectFileBytes / 1024) + " KiB)");
    }
    if (in.bad()) return Status::Error(path + ": read error");
    return Status::Ok();
}

// Every line of the file; their length is checked as they are taken, so that the
// message names the line whatever its length.
std::vector<std::string> SplitLines(std::string_view text) {
    TextBuffer buffer(text);
    LineReader reader(buffer, text.size());
    std::vector<std::string> lines;
    for (std::string line; reader.Next(line) == LineReader::Result::Line;) lines.push_back(line);
    return lines;
}

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t\r") == std::string_view::npos; }

// Whether a whole number fits the table or option group it indexes; "" when it does,
// else the allowed values.
std::string RangeFault(WholeRange range, int v, const Tables& tables) {
    auto within = [v](int lo, int hi) {
        return v >= lo && v <= hi ? std::string() : std::to_string(lo) + " to " + std::to_string(hi);
    };
    switch (range) {
        case WholeRange::Any: return {};
        case WholeRange::Grade: return within(0, tables.Mat.count);
        case WholeRange::TableRow: return within(0, kMaxProfileRows - 1);
        case WholeRange::StiffKind: return within(kLTable, kIBuilt);
        case WholeRange::GirdKind: return v == kLGirder || v == kTGirder ? std::string() : "1 or 3";
        case WholeRange::LoadCond: return within(0, 2);
        case WholeRange::BulkheadType: return within(0, 2);
        case WholeRange::EndOption: return within(0, 1);
    }
    return {};
}

// Converts one line's text into a field; returns why it can't, empty when it can.
struct ValueReader {
    std::string_view text;

    // A text the writer could not write back is refused here, and one that it would
    // change is read as it will be written, so that a file that opens also saves.
    std::string operator()(std::string& field) const {
        const std::string_view s = UnquoteText(text);
        if (s.size() > kMaxProjectTextBytes)
            return "text longer than " + std::to_string(kMaxProjectTextBytes) + " characters";
        field = StorableText(s);
        return {};
    }
    std::string operator()(i16& field) const {
        const LineNumber n = ReadDoubleText(text);
        if (n.fault != LineNumber::Fault::None || n.value != std::floor(n.value))
            return "not a whole number: " + Excerpt(text);
        if (n.value < INT16_MIN || n.value > INT16_MAX) return "whole number out of range: " + Excerpt(text);
        field = static_cast<i16>(n.value);
        return {};
    }
    std::string operator()(float& field) const {
        const LineNumber n = ReadSingleText(text);
        if (const std::string fault = NumberFault(n); !fault.empty()) return fault;
        field = static_cast<float>(n.value);  // already the nearest float
        return {};
    }
    std::string operator()(Real& field) const {
        const LineNumber n = ReadDoubleText(text);
        if (const std::string fault = NumberFault(n); !fault.empty()) return fault;
        field = Real(n.value);
        return {};
    }
    std::string operator()(double& field) const {
        Real r;
        const std::string fault = (*this)(r);
        field = r;
        return fault;
    }

    std::string NumberFault(const LineNumber& n) const {
        switch (n.fault) {
            case LineNumber::Fault::None: return {};
            case LineNumber::Fault::NotANumber: return "not a number: " + Excerpt(text);
            case LineNumber::Fault::OutOfRange: return "number out of range: " + Excerpt(text);
        }
        return {};
    }
};

class ProjectReader {
public:
    ProjectReader(const std::string& path, const Tables& tables, std::string_view text)
        : path_(path), tables_(tables), lines_(SplitLines(text)) {}

    Status Read(Case& c) {
        double version = 0;
        if (Status s = ReadVersion(version); !s) return s;
        const bool old = version < kProjectVersion;
        for (const FieldDef* line : ProjectLines())
            if (InVersion(*line, version))
                if (Status s = ReadValue(*line, c); !s) return s;
        if (Status s = CheckNothingFollows(); !s) return s;
        if (old)
            if (Status s = FillOldFormat(c); !s) return s;
        MatchTableRows(c);
        return RememberDimensions(c);
    }

private:
    Status Fail(int fileLine, const std::string& what) const {
        return Status::Error(path_ + ", line " + std::to_string(fileLine) + ": " + what);
    }

    Status Take(std::string_view& line) {
        const int fileLine = static_cast<int>(next_) + 1;
        if (next_ >= lines_.size()) return Fail(fileLine, "the file ends early");
        line = lines_[next_++];
        if (line.size() > kMaxProjectLineBytes) return Fail(fileLine, "line too long");
        return Status::Ok();
    }

    Status ReadVersion(double& version) {
        std::string_view line;
        if (Status s = Take(line); !s) return s;
        const LineNumber n = ReadDoubleText(UnquoteText(line));
        if (n.fault != LineNumber::Fault::None) return Fail(1, "not a project file version: " + Excerpt(line));
        version = n.value;
        return Status::Ok();
    }

    Status ReadValue(const FieldDef& line, Case& c) {
        std::string_view text;
        if (Status s = Take(text); !s) return s;
        const int fileLine = static_cast<int>(next_);
        fileLine_[line.project.line] = fileLine;
        const ValueReader read{text};
        const std::string fault = std::visit([&](auto member) { return read(c.*member); }, line.member);
        if (!fault.empty()) return Fail(fileLine, fault);
        if (const auto* member = std::get_if<i16 Case::*>(&line.member)) return CheckRange(line, c.**member, fileLine);
        return Status::Ok();
    }

    Status CheckRange(const FieldDef& line, int value, int fileLine) const {
        const std::string allowed = RangeFault(line.project.range, value, tables_);
        if (allowed.empty()) return Status::Ok();
        return Fail(fileLine,
                    std::string(line.label) + " out of range: " + std::to_string(value) + " (allowed " + allowed + ")");
    }

    Status CheckNothingFollows() const {
        for (size_t i = next_; i < lines_.size(); ++i)
            if (!IsBlank(lines_[i]))
                return Fail(static_cast<int>(i) + 1, "unexpected text after the last value: " + Excerpt(lines_[i]));
        return Status::Ok();
    }

    // Values that files older than the current format do not hold.
    Status FillOldFormat(Case& c) const {
        c.GirdKind = kTGirder;
        c.L2 = c.L1;
        c.Lg = Real(3.0 * static_cast<double>(c.L1));
        const double lgs = 0.6 * static_cast<double>(c.Lg);
        if (!FitsSingle(lgs)) return Fail(fileLine_[LineOf("L1")], "L1 too large to derive the girder spans from");
        c.Lgs = static_cast<float>(lgs);
        c.Lt = Real(3000);
        c.p = -c.p;  // older files counted the pressure positive on the other side
        c.ps = c.p;
        c.GirdH = Real(800);
        c.GirdB = Real(200);
        c.GirdTw = Real(10);
        c.GirdTf = 20.0f;
        return Status::Ok();
    }

    // A table profile is stored by its row and its dimensions. The stored row stands
    // while it still holds them: rows may share the compared columns (an L table
    // compares H, B and tw, and its rows 250x90x12 differ in tf alone), and taking
    // another would open a saved profile as a different one. Otherwise (a table
    // edited since) the row is the last one, counting up from row 0, whose float
    // values equal them exactly.
    void MatchTableRows(Case& c) const {
        const StiffKindDef* kind = StiffKindOf(c.StiffKind);
        if (!kind || !kind->IsTable()) return;
        const TableUse use = TableFor(tables_, kind->source);
        const int last = std::min(use.table->count, kMaxProfileRows - 1);
        const auto holds = [&](int r) {
            for (int col = 0; col < use.fileMatch; ++col)
                if (static_cast<double>(use.table->row[r][col]) != static_cast<double>(Stored(c, use.roles[col])))
                    return false;
            return true;
        };
        const int stored = c.*kind->row;
        if (stored >= 0 && stored <= last && holds(stored)) return;
        for (int r = 0; r <= last; ++r)
            if (holds(r)) c.*kind->row = static_cast<i16>(r);
    }

    // The stored dimension of a role: a, the trapezoid's offset, is kept where a bulb's c is.
    static Real Stored(const Case& c, DimRole role) {
        switch (role) {
            case DimRole::H: return c.StiffH;
            case DimRole::B: return c.StiffB;
            case DimRole::tw: return c.StiffTw;
            case DimRole::tf: return c.StiffTf;
            case DimRole::a: break;
        }
        return c.StiffC;
    }
    static const char* StoredField(DimRole role) {
        switch (role) {
            case DimRole::H: return "StiffH";
            case DimRole::B: return "StiffB";
            case DimRole::tw: return "StiffTw";
            case DimRole::tf: return "StiffTf";
            case DimRole::a: break;
        }
        return "StiffC";
    }

    // The built-up dialogs start from these; their last dimension is held as a float.
    Status RememberDimensions(Case& c) const {
        Status s = Status::Ok();
        const StiffKindDef* kind = StiffKindOf(c.StiffKind);
        if (kind && !kind->IsTable())
            for (const DimInput& in : kind->Inputs()) {
                const Real value = Stored(c, in.role);
                if (const auto* d = std::get_if<double Case::*>(&in.member))
                    c.** d = value;
                else if (s)
                    s = Single(value, LineOf(StoredField(in.role)), c.*std::get<float Case::*>(in.member));
            }
        if (const GirderKindDef* girder = GirderKindOf(c.GirdKind)) RememberGirder(c, girder->inputs);
        return s;
    }

    static void RememberGirder(Case& c, const std::array<DimInput, 4>& in) {
        c.*std::get<double Case::*>(in[0].member) = c.GirdH;
        c.*std::get<double Case::*>(in[1].member) = c.GirdB;
        c.*std::get<double Case::*>(in[2].member) = c.GirdTw;
        c.*std::get<float Case::*>(in[3].member) = c.GirdTf;
    }

    Status Single(Real value, int tableLine, float& target) const {
        if (!FitsSingle(value)) return Fail(fileLine_[tableLine], "dimension too large for a built-up profile");
        target = static_cast<float>(static_cast<double>(value));
        return Status::Ok();
    }

    const std::string& path_;
    const Tables& tables_;
    std::vector<std::string> lines_;
    size_t next_ = 0;
    std::array<int, kProjectLineCount + 1> fileLine_{};  // table line -> line in this file
};

}  // namespace

Status ReadProjectFile(Case& c, const Tables& tables, const std::string& path) {
    std::string text;
    if (Status s = LoadFile(path, text); !s) return s;
    Case next = c;
    ProjectReader reader(path, tables, text);
    if (Status s = reader.Read(next); !s) return s;
    next.FileName = path;
    c = std::move(next);
    return Status::Ok();
}

}  // namespace veltar

// The texts of the result table: the header and the line of one case.
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

#include "core/numformat.h"
#include "files/resulttable.h"

namespace veltar {
namespace {

constexpr std::string_view kHeader[] = {
    "Project:", "Identification:", "Loading Cond:", "Factor of Safety F.S:", "Allowable Usage factor:",
    "Material-plate: Fy/Fu", "Material-stiff: Fy/Fu", "E-modulus:", "Bulkhead type:", "Unit Length:",
    "Stiffener:", "C-factor:", "Stiff Prof:", "Gird Prof:", "L1", "L2", "Lg", "Lgs", "Lt", "t", "s1", "s2",
    "SigxA", "SigxB", "SigyA", "SigyC", "Tau", "p", "ps", "Buckling", "UFpb", "UFpu", "UFpl", "UFb",
    "UFbt", "UFst", "UFgbu", "Scant/Yield", "UFt", "UFsm", "UFgm", "UFy", "UFyp", "UFys"};

constexpr double kNotApplicable = -99;  // stiffener buckling without axial compression

// TAB-separated cells of one line.
class Cells {
public:
    void Add(std::string_view text) {
        if (!first_) out_ += '\t';
        out_ += text;
        first_ = false;
    }
    std::string Take() { return std::move(out_); }

private:
    std::string out_;
    bool first_ = true;
};

std::string_view LoadCondText(i16 cond) { return cond == 0 ? "A" : cond == 1 ? "B" : "C"; }

std::string_view BulkheadText(i16 type) {
    return type == 0 ? "Watertight bulkhead" : type == 1 ? "Tank bulkhead" : "Upper Structure";
}

std::string_view EndOptionText(i16 type, i16 option) {
    if (type == 0) return option == 0 ? " Ends attached" : " No end attachment";
    if (type == 1) return option == 1 ? " Supported at both ends by girder" : " Clip attachment";
    return option == 1 ? " In way of tanks" : " Clear of tanks";
}

// A stiffener that fails as a column has an infinite factor: it fails whatever its
// value, so the cell says so instead of printing a number.
template <typename T>
std::string FactorText(T uf, std::string_view mask, char sep) {
    if (uf == std::numeric_limits<T>::infinity()) return "NOK";
    if (!std::isfinite(uf)) return "ERR";
    return Format(uf, mask, sep);
}

std::string StiffenerText(const Case& c, char sep) {
    std::string_view code;
    switch (c.StiffKind) {
        case kLTable: code = "LR"; break;
        case kLBuilt: code = "LW"; break;
        case kTBuilt: code = "TG"; break;
        case kIBuilt: code = "IG"; break;
        case kFbBuilt: return "Fb" + Format(c.StiffH, "00", sep) + "x" + Format(c.StiffTw, "0.0", sep);
        case kBulb: return "BF" + Format(c.StiffH, "00", sep) + "x" + Format(c.StiffTw, "0.0", sep);
        default: return {};
    }
    return std::string(code) + Format(c.StiffH, "00", sep) + "x" + Format(c.StiffB, "00", sep) + "x" +
           Format(c.StiffTw, "0.0", sep) + "x" + Format(c.StiffTf, "#0.0", sep);
}

std::string GirderText(const Case& c, char sep) {
    if (c.GirdKind != kLGirder && c.GirdKind != kTGirder) return {};
    return std::string(c.GirdKind == kLGirder ? "LG" : "TG") + Format(c.GirdH, "00", sep) + "x" +
           Format(c.GirdB, "00", sep) + "x" + Format(c.GirdTw, "0.0", sep) + "x" + Format(c.GirdTf, "#0.0", sep);
}

void AddInputs(Cells& out, const Case& c, char sep) {
    out.Add(c.Project);
    out.Add(c.Ident);
    out.Add(LoadCondText(c.LoadCond));
    out.Add(Format(c.FS, "0.00", sep));
    out.Add(Format(c.UFa, "0.00", sep));
    out.Add(Format(c.Fyp, "0", sep) + "/" + Format(c.Fup, "0", sep));
    out.Add(Format(c.Fys, "0", sep) + "/" + Format(c.Fus, "0", sep));
    out.Add(Format(c.E, "0.00E+0", sep));
    out.Add(BulkheadText(c.BulkheadType));
    out.Add(c.BulkheadType == 0 ? Format(c.UL, "00", sep) : "-");
    out.Add(EndOptionText(c.BulkheadType, c.EndOption));
}

// Geometry, stresses and pressures, each in the precision it is held in.
void AddPanel(Cells& out, const Case& c, char sep) {
    for (Real v : {c.L1, c.L2, c.Lg}) out.Add(PlainText(v, sep));
    out.Add(PlainText(c.Lgs, sep));
    for (Real v : {c.Lt, c.t, c.s1, c.s2, c.SigxA}) out.Add(PlainText(v, sep));
    out.Add(PlainText(c.SigxB, sep));
    out.Add(PlainText(c.SigyA, sep));
    out.Add(PlainText(c.SigyC, sep));
    out.Add(PlainText(c.Tau, sep));
    out.Add(PlainText(c.p, sep));
    out.Add(PlainText(c.ps, sep));
}

void AddBuckling(Cells& out, const Case& c, char sep) {
    out.Add("Buckling");
    for (double uf : {c.UFpb, c.UFpu, c.UFpl}) out.Add(FactorText(uf, "0.00", sep));
    const bool applies = c.UFb != kNotApplicable;
    out.Add(applies ? FactorText(c.UFb, "0.00", sep) : "N/A");
    out.Add(applies ? FactorText(c.UFbt, "0.00", sep) : "N/A");
    out.Add(FactorText(c.UFst, "0.00", sep));
    out.Add(FactorText(c.UFgbu, "0.00", sep));
}

void AddScantling(Cells& out, const Case& c, char sep) {
    out.Add("Scant/Yield");
    for (double uf : {c.UFt, c.UFsm, c.UFgm}) out.Add(FactorText(uf, "0.00", sep));
    out.Add(FactorText(c.UFy, "0.0#", sep));
    for (double uf : {c.UFyp, c.UFys}) out.Add(FactorText(uf, "0.00", sep));
}

void AddErrors(Cells& out, int count) {
    for (int i = 0; i < count; ++i) out.Add("ERR");
}

}  // namespace

std::string ResultHeader() {
    Cells out;
    for (std::string_view caption : kHeader) out.Add(caption);
    return out.Take();
}

std::string ResultLineText(const Case& c, bool faulted, char sep) {
    Cells out;
    AddInputs(out, c, sep);
    out.Add(faulted ? "ERR" : Format(c.c, "0.00", sep));
    out.Add(StiffenerText(c, sep));
    out.Add(GirderText(c, sep));
    AddPanel(out, c, sep);
    if (!faulted) {
        AddBuckling(out, c, sep);
        AddScantling(out, c, sep);
        return out.Take();
    }
    out.Add("Buckling");
    AddErrors(out, 7);
    out.Add("Scant/Yield");
    AddErrors(out, 6);
    return out.Take();
}

}  // namespace veltar

// Making a case row of the database the current case and recalculating it.
#include <array>
#include <string>

#include "run/dbcase.h"
#include "profiles/girder.h"
#include "profiles/sections.h"

namespace veltar {
namespace {

void ApplyInputs(Case& c, const CaseRow& r) {
    c.Project = r.Project;
    c.Ident = r.Ident;
    c.FS = r.FS;
    c.UFa = r.UFa;
    c.Fyp = r.Fyp;
    c.Fup = r.Fup;
    c.Fys = r.Fys;
    c.Fus = r.Fus;
    c.E = r.E;
    c.LoadCond = r.LoadCond;
    c.BulkheadType = r.BulkheadType;
    c.UL = r.UL;
    c.EndOption = r.EndOption;
    c.s1 = r.s1;
    c.s2 = r.s2;
    c.SigxA = r.SigxA;
    c.SigxB = r.SigxB;
    c.SigyA = r.SigyA;
    c.SigyC = r.SigyC;
    c.Tau = r.Tau;
    c.p = r.p;
    c.ps = r.ps;
    c.t = r.t;
    c.L1 = r.L1;
    c.L2 = r.L2;
    c.Lg = r.Lg;
    c.Lgs = r.Lgs;
    c.Lt = r.Lt;
}

// H, B, tw and tf of a built-up memory.
void PutDims(const std::array<float, 4>& d, double& H, double& B, double& tw, float& tf) {
    H = d[0];
    B = d[1];
    tw = d[2];
    tf = d[3];
}

void ApplyStiffener(Case& c, const CaseRow& r) {
    const auto& d = r.StiffDim;
    c.StiffKind = r.StiffKind;
    switch (r.StiffKind) {
        case kLTable: c.LRow = r.StiffRow; break;
        case kBulb: c.BFRow = r.StiffRow; break;
        case kLBuilt: PutDims(d, c.LbH, c.LbB, c.LbTw, c.LbTf); break;
        case kTBuilt: PutDims(d, c.TbH, c.TbB, c.TbTw, c.TbTf); break;
        case kIBuilt: PutDims(d, c.IbH, c.IbB, c.IbTw, c.IbTf); break;
        case kFbBuilt:
            c.FbbH = d[0];
            c.FbbTw = d[1];
            break;
        default: break;
    }
}

void ApplyGirder(Case& c, const CaseRow& r) {
    c.GirdKind = r.GirdKind;
    if (r.GirdKind == kLGirder)
        PutDims(r.GirdDim, c.GlH, c.GlB, c.GlTw, c.GlTf);
    else
        PutDims(r.GirdDim, c.GtH, c.GtB, c.GtTw, c.GtTf);
}

}  // namespace

bool LoadDatabaseCase(Case& c, const Tables& tables, CaseDatabase& db, int row, CalcEvents& events) {
    if (row < 0 || row >= db.DbRowCount() || db.rows[row].comment) return false;
    const CaseRow& r = db.rows[row];
    ApplyInputs(c, r);
    // The user-defined grade keeps the row's strengths instead of a table grade's.
    c.PlateGradeIndex = static_cast<i16>(tables.Mat.count);
    c.StiffGradeIndex = static_cast<i16>(tables.Mat.count);
    ApplyStiffener(c, r);
    ApplyGirder(c, r);
    // The girder section first: the girder buckling check reads the properties
    // left by the previous section, which must be this row's girder.
    SetStiffenerProfile(c, tables, c.StiffKind);
    GirderSection(c);
    Calculate(c, tables, events);
    db.DbRow = row;
    return true;
}

std::string RunFault(const Case& c) {
    if (!c.FaultText.empty()) return c.FaultText;
    if (!c.ProfileFault.empty()) return c.ProfileFault;
    return c.GirderFault;
}

}  // namespace veltar

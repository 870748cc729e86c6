// The case record: every input, choice, section property, working value and result
// of the one panel being checked. Default member values are the start-up defaults.
// Field names are the engineering symbols the project file, the case table and the
// report use; the declared type is the precision the checks must reproduce.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/real.h"
#include "core/resultlist.h"

namespace veltar {

using i16 = std::int16_t;

// Steel density (kg/m3) of the mass per metre of every section.
constexpr double kSteelDensity = 7850;

struct OutlinePoint {
    double x = 0, y = 0;
};
struct OutlineRect {
    OutlinePoint a, b;  // two opposite corners
};

// Outline of the stiffener with its `se` plate strip, in mm, for the section figure.
struct StiffOutline {
    std::array<OutlineRect, 4> rects{};
    int nRects = 0;
    std::array<OutlinePoint, 9> points{};
    int nPoints = 0;
    double height = 0;      // H + t
    double seCopy = 0;      // plate strip width
    double axisHeight = 0;  // t/2 + zpBu above the plate underside
    double axisLabelX = 0;
};

// Profile kind codes stored in project files and case tables.
enum StiffKindCode : i16 {
    kLTable = 0,
    kLBuilt = 1,
    kTTable = 2,
    kTBuilt = 3,
    kFbTable = 4,
    kFbBuilt = 5,
    kBulb = 6,
    kRhs = 7,
    kTrapezoid = 8,
    kIBuilt = 9
};
enum GirdKindCode : i16 { kLGirder = 1, kTGirder = 3 };

struct Case {
    // --- identification
    std::string Project = "Project";
    std::string Ident = "Test";
    std::string FileName = "New File";

    // --- geometry (mm)
    Real t = 20;
    Real s1 = 625;
    Real s2 = 625;
    Real L1 = 3000;
    Real L2 = 2500;
    Real Lg = 8000;
    float Lgs = 6000;
    Real Lt = 3000;

    // --- in-plane stresses and pressures (MPa, compression negative)
    Real SigxA = -100;
    float SigxB = -100;
    Real SigyA = -30;
    float SigyC = -30;
    float Tau = 40;
    Real p = 0.03;
    Real ps = 0.03;

    // --- material and safety (MPa)
    i16 PlateGradeIndex = 2;
    i16 StiffGradeIndex = 2;
    Real Fyp = 0;  // from the grade table at start-up
    float Fup = 0;
    Real Fys = 0;
    float Fus = 0;
    float E = 206000;
    float FS = 1.43f;
    float UFa = 0.6f;

    // --- choices
    i16 LoadCond = 0;      // 0 A static, 1 B combined, 2 C other
    i16 BulkheadType = 1;  // 0 watertight, 1 tank bulkhead, 2 upper structure
    i16 EndOption = 0;
    float UL = 65;      // unit length (m), watertight bulkheads only
    i16 CheckMode = 1;  // 1 buckling, 2 scantling/yield, 3 both
    i16 InclDeform = 0;

    // --- stiffener profile choice and per-kind dimension memory (mm)
    i16 StiffKind = kLTable;
    i16 LRow = 0, TRow = 0, FbRow = 13, BFRow = 16;
    double LbH = 200, LbB = 90, LbTw = 9;
    float LbTf = 12;
    double TbH = 200, TbB = 90, TbTw = 9;
    float TbTf = 12;
    double FbbH = 200;
    float FbbTw = 9;
    double RhsH = 200, RhsB = 90;
    float RhsTw = 9;
    double TrapH = 200, TrapB = 90, TrapA = 50;
    float TrapTw = 9;
    double IbH = 200, IbB = 90, IbTw = 9;
    float IbTf = 12;

    // --- girder choice and per-kind dimension memory (mm)
    i16 GirdKind = kTGirder;
    double GlH = 800, GlB = 200, GlTw = 10;
    float GlTf = 20;
    double GtH = 800, GtB = 200, GtTw = 10;
    float GtTf = 20;

    // --- derived by the stress pre-processing
    double Lm = 0;
    double sm = 0;
    float ssum = 0;
    double SigxS = 0;
    double SigxMin1 = 0, SigxMax1 = 0;  // plate field 1: SigxA and SigxS ordered
    double SigxMin2 = 0, SigxMax2 = 0;  // plate field 2: SigxB and SigxS ordered
    double SigyMin = 0, SigyMax = 0;

    // --- material factor and c-factors
    float StiffQ = 0;
    double c = 0;
    double cg = 0;

    // --- resolved stiffener and its bare properties
    Real StiffH = 0, StiffB = 0, StiffTw = 0, StiffTf = 0;
    Real StiffC = 0, StiffR = 0;  // bulb: c and r of the row; trapezoid: StiffC = a
    Real StiffAx = 0;
    double StiffHw = 0;
    float StiffTmax = 0;
    double StiffMass = 0, StiffZc = 0, StiffIy = 0, StiffIz = 0;
    double StiffGamma = 0, StiffIo = 0;
    float StiffK = 0;
    double StiffAw = 0;
    float StiffAf = 0;
    double StiffYc = 0, StiffEf = 0, StiffU = 0, StiffM = 0;
    float StiffIyf = 0;
    std::string stiffprof;     // description shown beside the stiffener button
    std::string StiffPicture;  // small picture of the kind, e.g. "pic_small_l"
    std::string ProfileFault;  // why the bare properties could not be formed; empty when they were

    // --- stiffener with attached plating
    double beSc = 0, AeSc = 0, zpSc = 0;
    float zfSc = 0;
    double IeSc = 0, WepSc = 0;
    float WesSc = 0;
    float sw = 0;
    double IeSw = 0, WesSw = 0;
    float se = 0;
    double AeBu = 0, zpBu = 0, zfBu = 0, IeBu = 0, WepBu = 0, WesBu = 0;
    double rBu = 0;
    float WebRatio = 0, WebRatioMax = 0, FlangeRatio = 0, FlangeRatioMax = 0;
    std::string WebRatioText = " ";
    std::string FlangeRatioText = " ";
    StiffOutline Outline;

    // --- resolved girder and its properties
    Real GirdH = 0, GirdB = 0, GirdTw = 0;
    float GirdTf = 0;
    double GirdHw = 0, GirdA = 0, GirdMass = 0, GirdZc = 0;
    float GirdIy = 0;
    double GirdAw = 0;
    float GirdAf = 0;
    float beG = 0;
    double AeG = 0, zpG = 0, zfG = 0, IeG = 0, WepG = 0;
    float WesG = 0;
    std::string girdprof;
    std::string GirdPicture;
    std::string GirderFault;  // why the girder properties could not be formed; empty when they were

    // --- buckling working values
    double Sig0 = 0;
    double Pr = 0.6;
    i16 CalcErrorFlag = 0;
    double io = 0;

    // --- usage factors
    double UFpb = 0, UFpu = 0, UFpl = 0;
    double UFb = 0, UFbt = 0, UFst = 0;
    float UFgbu = 0;
    double UFt = -2, UFy = -2, UFyp = -2, UFys = -2, UFsm = -2;
    double UFgm = -2, UFgd = -2, UFgw = -2;

    // --- result lines
    ResultLine PlateBucklingLine, PlateUltimateLine, PlateLateralLine;
    ResultLine PlateBucklingLine2, PlateUltimateLine2, PlateLateralLine2;  // PL2 working lines
    ResultLine StiffBeamColumnLine, StiffTorsionLine, StiffStiffnessLine, StiffDeformationLine;
    ResultLine GirderLine;
    ResultLine PlateScantlingLine, PlateYieldLine;
    ResultLine StiffYieldPLine, StiffYieldSLine, StiffSMLine;
    ResultLine GirderSMLine, GirderDepthLine, GirderWebLine, TrippingLine;
    std::string PlateYieldNote;

    // --- c-factor captions of the structure-type tabs
    std::string ctext0, ctext1, ctext2;

    // --- the result list of the last completed run
    ResultRows Rows;
    std::string FaultText;  // why the last run ended early; empty after a completed run

    // --- run-time only, never saved
    i16 DecSep = 0;     // 0: point locale, otherwise comma locale
    bool Texts = true;  // whether the checks write their result texts; off in a numbers-only run
    std::string AppPath;
    i16 FigNotToScale = 1;
};

// A builder of a result text into `out` with the case's decimal separator.
inline ResultText TextInto(const Case& c, std::string& out) { return ResultText(out, SepOf(c.DecSep)); }

// Puts every field to its start-up default, keeping the run-time environment
// (decimal separator, folders, figure scale) of the running program.
void NewCase(Case& c);

}  // namespace veltar

// The field table of the case record. Rows are in the order the JSON output lists
// the fields; a field's precision is the type of its member.
#include "core/fieldtable.h"

#include <array>
#include <type_traits>

namespace veltar {
namespace {

// An input or choice: listed by the JSON output.
FieldDef In(const char* name, FieldMember member, const char* unit, const char* meaning) {
    return {name, member, unit, meaning, "", true};
}

// A value the calculation derives: listed by the JSON output.
FieldDef Out(const char* name, FieldMember member, const char* unit, const char* meaning = "") {
    return {name, member, unit, meaning, "", true};
}

// A text or a value of the run that the JSON output does not list.
FieldDef Own(const char* name, FieldMember member, const char* meaning) {
    return {name, member, "", meaning, "", false};
}

// One row a field; the rows read best unwrapped.
// clang-format off
const auto kFields = std::to_array<FieldDef>({
    // identification
    In("Project", &Case::Project, "", "project name")
        .File(2, "project name").Cell(0).Column(0, "Project:", ResultForm::Text)
        .Box({.widget = "iproj", .enter = "iident"}),
    In("Ident", &Case::Ident, "", "identification of the case").File(3, "identification").Cell(1)
        .Column(1, "Identification:", ResultForm::Text).Box({.widget = "iident", .enter = "cbofyp"}),
    In("t", &Case::t, "mm", "plate thickness").File(30, "t").Cell(22).Column(19, "t", ResultForm::Plain)
        .Box({.widget = "it", .entryMask = "#0.0", .showMask = "#0.0", .min = 0.1, .message = " 0.1 <= t ",
              .enter = "is1", .up = "iLg", .down = "is1"}),
    In("s1", &Case::s1, "mm", "stiffener spacing on side 1 (plate field PL1)")
        .File(23, "s1").Cell(23).Column(20, "s1", ResultForm::Plain)
        .Box({.widget = "is1", .entryMask = "#00", .showMask = "#00", .min = 10, .message = " 10 <= s1  ",
              .enter = "is2", .up = "it", .down = "is2"}),
    In("s2", &Case::s2, "mm", "stiffener spacing on side 2 (plate field PL2)")
        .File(24, "s2").Cell(24).Column(21, "s2", ResultForm::Plain)
        .Box({.widget = "is2", .entryMask = "#00", .showMask = "#00", .min = 10, .message = " 10 <= s2  ",
              .enter = "iLgs", .up = "is1", .down = "iLgs"}),
    In("L1", &Case::L1, "mm", "stiffener span 1").File(25, "L1").Cell(17).Column(14, "L1", ResultForm::Plain)
        .Box({.widget = "il1", .entryMask = "#00", .showMask = "#0", .enter = "il2", .up = "ip1", .down = "il2"}),
    In("L2", &Case::L2, "mm", "stiffener span 2 (adjacent span)")
        .File(26, "L2", 180).Cell(18).Column(15, "L2", ResultForm::Plain)
        .Box({.widget = "il2", .entryMask = "#00", .showMask = "#0", .enter = "iLg", .up = "il1", .down = "iLg"}),
    In("Lg", &Case::Lg, "mm", "girder span (buckling)").File(27, "Lg", 180).Cell(19).Column(16, "Lg", ResultForm::Plain)
        .Box({.widget = "iLg", .entryMask = "#00", .showMask = "#0", .min = 1000, .message = " 1000 <= Lg  ",
              .enter = "it", .up = "il2", .down = "it"}),
    In("Lgs", &Case::Lgs, "mm", "girder span for girder scantling")
        .File(28, "Lgs", 180).Cell(20).Column(17, "Lgs", ResultForm::Plain)
        .Box({.widget = "iLgs", .entryMask = "#00", .showMask = "#0", .min = 1000, .message = " 1000 <= Lgs  ",
              .enter = "iLt", .up = "is2", .down = "iLt"}),
    In("Lt", &Case::Lt, "mm", "distance between tripping brackets")
        .File(29, "Lt", 180).Cell(21).Column(18, "Lt", ResultForm::Plain)
        .Box({.widget = "iLt", .entryMask = "#0 ", .showMask = "#0", .min = 400, .message = " 400 <= Lt ",
              .enter = "isigx1", .up = "iLgs", .down = "isigx1"}),
    In("SigxA", &Case::SigxA, "MPa", "longitudinal stress at edge A (compression negative)")
        .File(31, "SigxA").Cell(25).Column(22, "SigxA", ResultForm::Plain)
        .Box({.widget = "isigx1", .entryMask = "##0.0", .showMask = "##0.0",
              .enter = "isigx2", .up = "iLt", .down = "isigy1", .left = "is2", .right = "isigx2"}),
    In("SigxB", &Case::SigxB, "MPa", "longitudinal stress at edge B (compression negative)")
        .File(32, "SigxB").Cell(26).Column(23, "SigxB", ResultForm::Plain)
        .Box({.widget = "isigx2", .entryMask = "##0.0", .showMask = "##0.0",
              .enter = "isigy1", .up = "itau1", .down = "isigy3", .left = "isigx1", .right = "isigy1"}),
    In("SigyA", &Case::SigyA, "MPa", "transverse stress at end A (compression negative)")
        .File(33, "SigyA").Cell(27).Column(24, "SigyA", ResultForm::Plain)
        .Box({.widget = "isigy1", .entryMask = "##0.0", .showMask = "##0.0",
              .enter = "isigy3", .up = "isigx1", .down = "itau1", .left = "isigx2", .right = "isigy3"}),
    In("SigyC", &Case::SigyC, "MPa", "transverse stress at end C (compression negative)")
        .File(34, "SigyC").Cell(28).Column(25, "SigyC", ResultForm::Plain)
        .Box({.widget = "isigy3", .entryMask = "##0.0", .showMask = "##0.0",
              .enter = "itau1", .up = "isigx2", .down = "ip1", .left = "isigy1", .right = "itau1"}),
    In("Tau", &Case::Tau, "MPa", "shear stress").File(35, "Tau").Cell(29).Column(26, "Tau", ResultForm::Plain)
        .Box({.widget = "itau1", .entryMask = "##0.0", .showMask = "##0.0",
              .enter = "ip1", .up = "isigy1", .down = "ip1"}),
    In("p", &Case::p, "MPa", "lateral pressure for buckling and yield (positive on the plate side)")
        .File(36, "p").Cell(30).Column(27, "p", ResultForm::Plain)
        .Box({.widget = "ip1", .entryMask = "##0.000", .showMask = "##0.000",
              .enter = "ips", .up = "itau1", .down = "ips"}),
    In("ps", &Case::ps, "MPa", "lateral pressure for scantling (positive on the stiffener side)")
        .File(37, "ps", 180).Cell(31).Column(28, "ps", ResultForm::Plain)
        .Box({.widget = "ips", .entryMask = "##0.000", .showMask = "##0.000",
              .enter = "iproj", .up = "ip1", .down = "iproj"}),
    In("PlateGradeIndex", &Case::PlateGradeIndex, "", "plate and girder material grade in the grade list")
        .File(4, "plate material grade", 0, WholeRange::Grade),
    In("StiffGradeIndex", &Case::StiffGradeIndex, "", "stiffener material grade in the grade list")
        .File(5, "stiffener material grade", 0, WholeRange::Grade),
    In("Fyp", &Case::Fyp, "MPa", "yield stress of plate and girder").File(18, "Fyp").Cell(5)
        .Box({.widget = "ifyp", .entryMask = "#00", .showMask = "#000", .min = 50, .max = 2000,
              .message = " 50 <= fyp <= 2000 ",
              .enter = "ifup"}),
    In("Fup", &Case::Fup, "MPa", "tensile strength of plate and girder").File(19, "Fup").Cell(6)
        .Box({.widget = "ifup", .entryMask = "#00", .showMask = "#000", .min = 50, .max = 2000,
              .message = " 50 <= Fup <= 2000 ",
              .enter = "cbofys"}),
    In("Fys", &Case::Fys, "MPa", "yield stress of the stiffener").File(20, "Fys").Cell(7)
        .Box({.widget = "ifys", .entryMask = "#00", .showMask = "#000", .min = 50, .max = 2000,
              .message = " 50 <= fys <= 2000 ",
              .enter = "ifus"}),
    In("Fus", &Case::Fus, "MPa", "tensile strength of the stiffener").File(21, "Fus").Cell(8)
        .Box({.widget = "ifus", .entryMask = "#00", .showMask = "#000", .min = 50, .max = 2000,
              .message = " 50 <= Fus <= 2000 ",
              .enter = "ie"}),
    In("E", &Case::E, "MPa", "Young's modulus")
        .File(22, "E").Cell(9).Column(7, "E-modulus:", ResultForm::Masked, "0.00E+0")
        .Box({.widget = "ie", .entryMask = "0.00E+0", .showMask = "0.00E+0", .min = 1000,
              .message = " 1000 <= E-modulus "}),
    In("FS", &Case::FS, "", "factor of safety for the yield checks")
        .File(16, "FS").Cell(3).Column(3, "Factor of Safety F.S:", ResultForm::Masked, "0.00")
        .Box({.widget = "ifs", .entryMask = "#0.00", .showMask = "#0.00", .min = 0.6, .max = 2,
              .message = " 0.6 <= FS <= 2 ",
              .enter = "iufa"}),
    In("UFa", &Case::UFa, "", "maximum allowable usage factor for the buckling checks")
        .File(17, "UFa").Cell(4).Column(4, "Allowable Usage factor:", ResultForm::Masked, "0.00")
        .Box({.widget = "iufa", .entryMask = "#0.00", .showMask = "#0.00", .min = 0.6, .max = 2,
              .message = " 0.6 <= UF <= 2 ",
              .enter = "cbofyp"}),
    In("LoadCond", &Case::LoadCond, "", "loading condition: 0 A static, 1 B combined, 2 C other")
        .File(12, "loading condition", 0, WholeRange::LoadCond).Cell(2),
    In("BulkheadType", &Case::BulkheadType, "", "structure type: 0 watertight bulkhead, 1 tank bulkhead, 2 upper structure")
        .File(13, "structure type", 0, WholeRange::BulkheadType).Cell(10),
    In("EndOption", &Case::EndOption, "", "end attachment or tank option of the structure type")
        .File(14, "end attachment option", 0, WholeRange::EndOption).Cell(12),
    In("UL", &Case::UL, "m", "unit length, watertight bulkheads only").File(15, "UL").Cell(11)
        .Box({.widget = "iunit_length", .entryMask = "#0", .showMask = "#0", .min = 5, .max = 600,
              .message = " 5 < unit length < 600 ",
              .enter = "il1"}),
    In("CheckMode", &Case::CheckMode, "", "checks listed: 1 buckling, 2 scantling and yield, 3 both"),
    In("InclDeform", &Case::InclDeform, "", "1: the stiffener deformation check is listed"),
    In("StiffKind", &Case::StiffKind, "", "stiffener profile kind 0 to 9")
        .File(6, "stiffener kind", 0, WholeRange::StiffKind),
    In("LRow", &Case::LRow, "", "row of the L table").File(8, "L table row", 0, WholeRange::TableRow),
    In("TRow", &Case::TRow, "", "row of the T table").File(9, "T table row", 0, WholeRange::TableRow),
    In("FbRow", &Case::FbRow, "", "row of the flat-bar table").File(10, "flat-bar table row", 0, WholeRange::TableRow),
    In("BFRow", &Case::BFRow, "", "row of the bulb-flat table").File(7, "bulb-flat table row", 0, WholeRange::TableRow),
    In("GirdKind", &Case::GirdKind, "", "girder kind: 1 L girder, 3 T girder")
        .File(11, "girder kind", 180, WholeRange::GirdKind),
    In("LbH", &Case::LbH, "mm", "L built-up: height H"),
    In("LbB", &Case::LbB, "mm", "L built-up: flange width B"),
    In("LbTw", &Case::LbTw, "mm", "L built-up: web thickness tw"),
    In("LbTf", &Case::LbTf, "mm", "L built-up: flange thickness tf"),
    In("TbH", &Case::TbH, "mm", "T built-up: height H"),
    In("TbB", &Case::TbB, "mm", "T built-up: flange width B"),
    In("TbTw", &Case::TbTw, "mm", "T built-up: web thickness tw"),
    In("TbTf", &Case::TbTf, "mm", "T built-up: flange thickness tf"),
    In("FbbH", &Case::FbbH, "mm", "flat bar built-up: height H"),
    In("FbbTw", &Case::FbbTw, "mm", "flat bar built-up: web thickness tw"),
    In("RhsH", &Case::RhsH, "mm", "RHS: height H"),
    In("RhsB", &Case::RhsB, "mm", "RHS: flange width B"),
    In("RhsTw", &Case::RhsTw, "mm", "RHS: web thickness tw"),
    In("TrapH", &Case::TrapH, "mm", "trapezoid: height H"),
    In("TrapB", &Case::TrapB, "mm", "trapezoid: flange width B"),
    In("TrapA", &Case::TrapA, "mm", "trapezoid: web offset a"),
    In("TrapTw", &Case::TrapTw, "mm", "trapezoid: web thickness tw"),
    In("IbH", &Case::IbH, "mm", "I built-up: height H"),
    In("IbB", &Case::IbB, "mm", "I built-up: flange width B"),
    In("IbTw", &Case::IbTw, "mm", "I built-up: web thickness tw"),
    In("IbTf", &Case::IbTf, "mm", "I built-up: flange thickness tf"),
    In("GlH", &Case::GlH, "mm", "L girder: height H"),
    In("GlB", &Case::GlB, "mm", "L girder: flange width B"),
    In("GlTw", &Case::GlTw, "mm", "L girder: web thickness tw"),
    In("GlTf", &Case::GlTf, "mm", "L girder: flange thickness tf"),
    In("GtH", &Case::GtH, "mm", "T girder: height H"),
    In("GtB", &Case::GtB, "mm", "T girder: flange width B"),
    In("GtTw", &Case::GtTw, "mm", "T girder: web thickness tw"),
    In("GtTf", &Case::GtTf, "mm", "T girder: flange thickness tf"),
    Out("Lm", &Case::Lm, "mm", "mean stiffener span (L1 + L2)/2"),
    Out("sm", &Case::sm, "mm", "mean stiffener spacing"),
    Out("ssum", &Case::ssum, "mm", "s1 + s2"),
    Out("SigxS", &Case::SigxS, "MPa", "longitudinal stress at the stiffener line"),
    Out("se", &Case::se, "mm", "effective plate width for buckling"),
    Out("sw", &Case::sw, "mm", "effective plate width for bending"),
    Out("beSc", &Case::beSc, "mm", "effective plate width for scantling"),
    Out("UFpb", &Case::UFpb, "", "plate buckling usage factor").Column(30, "UFpb", ResultForm::Factor, "0.00"),
    Out("UFpu", &Case::UFpu, "", "plate ultimate strength usage factor").Column(31, "UFpu", ResultForm::Factor, "0.00"),
    Out("UFpl", &Case::UFpl, "", "plate lateral pressure usage factor").Column(32, "UFpl", ResultForm::Factor, "0.00"),
    Out("UFb", &Case::UFb, "", "stiffener beam-column buckling usage factor").Column(33, "UFb", ResultForm::StiffFactor, "0.00"),
    Out("UFbt", &Case::UFbt, "", "stiffener torsional buckling usage factor").Column(34, "UFbt", ResultForm::StiffFactor, "0.00"),
    Out("UFst", &Case::UFst, "", "stiffener stiffness usage factor").Column(35, "UFst", ResultForm::Factor, "0.00"),
    Out("io", &Case::io, "mm4", "required moment of inertia of the stiffener"),
    Out("UFgbu", &Case::UFgbu, "", "girder buckling usage factor").Column(36, "UFgbu", ResultForm::Factor, "0.00"),
    Out("UFt", &Case::UFt, "", "plate scantling usage factor tmin/t").Column(38, "UFt", ResultForm::Factor, "0.00"),
    Out("UFy", &Case::UFy, "", "plate yield usage factor").Column(41, "UFy", ResultForm::Factor, "0.0#"),
    Out("UFyp", &Case::UFyp, "", "stiffener yield usage factor, plate side").Column(42, "UFyp", ResultForm::Factor, "0.00"),
    Out("UFys", &Case::UFys, "", "stiffener yield usage factor, stiffener side").Column(43, "UFys", ResultForm::Factor, "0.00"),
    Out("UFsm", &Case::UFsm, "", "stiffener section modulus usage factor").Column(39, "UFsm", ResultForm::Factor, "0.00"),
    Out("UFgm", &Case::UFgm, "", "girder section modulus usage factor").Column(40, "UFgm", ResultForm::Factor, "0.00"),
    Out("UFgd", &Case::UFgd, "", "girder depth usage factor"),
    Out("UFgw", &Case::UFgw, "", "girder web thickness usage factor"),
    Out("c", &Case::c, "", "c-factor of the stiffener scantling").Column(11, "C-factor:", ResultForm::RunMasked, "0.00"),
    Out("cg", &Case::cg, "", "c-factor of the girder scantling"),
    Out("StiffQ", &Case::StiffQ, "", "material factor Q"),
    Out("Sig0", &Case::Sig0, "MPa", "yield stress of the plate buckling checks"),
    Out("CalcErrorFlag", &Case::CalcErrorFlag, "", "1: the transverse stress made a plate buckling root negative"),
    Out("StiffH", &Case::StiffH, "mm", "").File(39, "stiffener height"),
    Out("StiffB", &Case::StiffB, "mm", "").File(40, "stiffener flange width"),
    Out("StiffTw", &Case::StiffTw, "mm", "").File(41, "stiffener web thickness"),
    Out("StiffTf", &Case::StiffTf, "mm", "").File(42, "stiffener flange thickness"),
    Out("StiffHw", &Case::StiffHw, "mm", ""),
    Out("StiffC", &Case::StiffC, "mm", "").File(44, "bulb c / trapezoid a"),
    Out("StiffR", &Case::StiffR, "mm", "").File(43, "bulb r"),
    Out("StiffTmax", &Case::StiffTmax, "mm", ""),
    Out("StiffAx", &Case::StiffAx, "mm2", "").File(38, "stiffener area"),
    Out("StiffMass", &Case::StiffMass, "kg/m", ""),
    Out("StiffZc", &Case::StiffZc, "mm", ""),
    Out("StiffIy", &Case::StiffIy, "mm4", ""),
    Out("StiffIz", &Case::StiffIz, "mm4", ""),
    Out("StiffGamma", &Case::StiffGamma, "mm6", ""),
    Out("StiffIo", &Case::StiffIo, "mm4", ""),
    Out("StiffK", &Case::StiffK, "mm4", ""),
    Out("StiffAw", &Case::StiffAw, "mm2", ""),
    Out("StiffAf", &Case::StiffAf, "mm2", ""),
    Out("StiffYc", &Case::StiffYc, "mm", ""),
    Out("StiffEf", &Case::StiffEf, "mm", ""),
    Out("StiffU", &Case::StiffU, "", ""),
    Out("StiffM", &Case::StiffM, "", ""),
    Out("StiffIyf", &Case::StiffIyf, "mm4", ""),
    Out("AeSc", &Case::AeSc, "mm2", ""),
    Out("zpSc", &Case::zpSc, "mm", ""),
    Out("zfSc", &Case::zfSc, "mm", ""),
    Out("IeSc", &Case::IeSc, "mm4", ""),
    Out("WepSc", &Case::WepSc, "mm3", ""),
    Out("WesSc", &Case::WesSc, "mm3", ""),
    Out("IeSw", &Case::IeSw, "mm4", ""),
    Out("WesSw", &Case::WesSw, "mm3", ""),
    Out("AeBu", &Case::AeBu, "mm2", ""),
    Out("zpBu", &Case::zpBu, "mm", ""),
    Out("zfBu", &Case::zfBu, "mm", ""),
    Out("IeBu", &Case::IeBu, "mm4", ""),
    Out("WepBu", &Case::WepBu, "mm3", ""),
    Out("WesBu", &Case::WesBu, "mm3", ""),
    Out("rBu", &Case::rBu, "mm", ""),
    Out("WebRatio", &Case::WebRatio, "", ""),
    Out("WebRatioMax", &Case::WebRatioMax, "", ""),
    Out("FlangeRatio", &Case::FlangeRatio, "", ""),
    Out("FlangeRatioMax", &Case::FlangeRatioMax, "", ""),
    Out("GirdH", &Case::GirdH, "mm", "").File(45, "girder height", 180),
    Out("GirdB", &Case::GirdB, "mm", "").File(46, "girder flange width", 180),
    Out("GirdTw", &Case::GirdTw, "mm", "").File(47, "girder web thickness", 180),
    Out("GirdTf", &Case::GirdTf, "mm", "").File(48, "girder flange thickness", 180),
    Out("GirdHw", &Case::GirdHw, "mm", ""),
    Out("GirdA", &Case::GirdA, "mm2", ""),
    Out("GirdMass", &Case::GirdMass, "kg/m", ""),
    Out("GirdZc", &Case::GirdZc, "mm", ""),
    Out("GirdIy", &Case::GirdIy, "mm4", ""),
    Out("GirdAw", &Case::GirdAw, "mm2", ""),
    Out("GirdAf", &Case::GirdAf, "mm2", ""),
    Out("beG", &Case::beG, "mm", ""),
    Out("AeG", &Case::AeG, "mm2", ""),
    Out("zpG", &Case::zpG, "mm", ""),
    Out("zfG", &Case::zfG, "mm", ""),
    Out("IeG", &Case::IeG, "mm4", ""),
    Out("WepG", &Case::WepG, "mm3", ""),
    Out("WesG", &Case::WesG, "mm3", ""),
    // texts the JSON output lists
    Out("PlateYieldNote", &Case::PlateYieldNote, ""),
    Out("WebRatioText", &Case::WebRatioText, ""),
    Out("FlangeRatioText", &Case::FlangeRatioText, ""),
    Out("ctext0", &Case::ctext0, ""),
    Out("ctext1", &Case::ctext1, ""),
    Out("ctext2", &Case::ctext2, ""),
    Out("stiffprof", &Case::stiffprof, ""),
    Out("girdprof", &Case::girdprof, ""),
    // not listed
    Own("FileName", &Case::FileName, "path of the current project file"),
    Own("SigxMin1", &Case::SigxMin1, "plate field 1: the smaller of SigxA and SigxS"),
    Own("SigxMax1", &Case::SigxMax1, "plate field 1: the larger of SigxA and SigxS"),
    Own("SigxMin2", &Case::SigxMin2, "plate field 2: the smaller of SigxB and SigxS"),
    Own("SigxMax2", &Case::SigxMax2, "plate field 2: the larger of SigxB and SigxS"),
    Own("SigyMin", &Case::SigyMin, "the smaller of SigyA and SigyC"),
    Own("SigyMax", &Case::SigyMax, "the larger of SigyA and SigyC"),
    Own("Pr", &Case::Pr, "proportional limit of the buckling checks"),
    Own("StiffPicture", &Case::StiffPicture, "small picture of the stiffener kind"),
    Own("ProfileFault", &Case::ProfileFault, "why the stiffener section could not be formed"),
    Own("GirdPicture", &Case::GirdPicture, "small picture of the girder kind"),
    Own("GirderFault", &Case::GirderFault, "why the girder section could not be formed"),
    Own("FaultText", &Case::FaultText, "why the last run ended early"),
    Own("DecSep", &Case::DecSep, "0: the point is the decimal separator, else the comma"),
    Own("AppPath", &Case::AppPath, "folder the file dialogs start in"),
    Own("FigNotToScale", &Case::FigNotToScale, "0: stiffener figures to scale"),
});
// clang-format on

template <typename T>
constexpr bool kIsText = std::is_same_v<T, std::string Case::*>;

}  // namespace

std::span<const FieldDef> CaseFields() { return kFields; }

const FieldDef* FindField(std::string_view name) {
    for (const FieldDef& f : kFields)
        if (name == f.name) return &f;
    return nullptr;
}

const FieldDef* ProjectField(int line) {
    for (const FieldDef& f : kFields)
        if (f.project.line == line) return &f;
    return nullptr;
}

bool IsNumeric(const FieldDef& f) {
    return std::visit([](auto m) { return !kIsText<decltype(m)>; }, f.member);
}

double NumericValue(const Case& c, const FieldDef& f) { return static_cast<double>(RealValue(c, f)); }

Real RealValue(const Case& c, const FieldDef& f) {
    return std::visit(
        [&c](auto m) -> Real {
            using M = decltype(m);
            if constexpr (kIsText<M>)
                return Real(0);
            else if constexpr (std::is_same_v<M, i16 Case::*>)
                return Real(static_cast<int>(c.*m));
            else
                return Real(c.*m);
        },
        f.member);
}

Real InFieldPrecision(const FieldDef& f, double v) {
    if (std::holds_alternative<float Case::*>(f.member)) return Real(static_cast<float>(v));
    return Real(v);
}

void StoreTyped(Case& c, const FieldDef& f, float v) {
    if (const auto* m = std::get_if<float Case::*>(&f.member)) c.** m = v;
    if (const auto* m = std::get_if<Real Case::*>(&f.member)) c.** m = Real(v);
}

}  // namespace veltar

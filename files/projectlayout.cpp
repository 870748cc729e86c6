// The project-file line table, shared by the reader and the writer so that the two
// can never disagree about the order of the lines.
#include "files/projectlayout.h"

#include <array>

namespace veltar {
namespace {

using R = WholeRange;

const std::array<ProjectLine, kProjectLineCount - 1> kLines{{
    {2, "project name", &Case::Project, true},
    {3, "identification", &Case::Ident, true},
    {4, "plate material grade", &Case::PlateGradeIndex, true, R::Grade},
    {5, "stiffener material grade", &Case::StiffGradeIndex, true, R::Grade},
    {6, "stiffener kind", &Case::StiffKind, true, R::StiffKind},
    {7, "bulb-flat table row", &Case::BFRow, true, R::TableRow},
    {8, "L table row", &Case::LRow, true, R::TableRow},
    {9, "T table row", &Case::TRow, true, R::TableRow},
    {10, "flat-bar table row", &Case::FbRow, true, R::TableRow},
    {11, "girder kind", &Case::GirdKind, false, R::GirdKind},
    {12, "loading condition", &Case::LoadCond, true, R::LoadCond},
    {13, "structure type", &Case::BulkheadType, true, R::BulkheadType},
    {14, "end attachment option", &Case::EndOption, true, R::EndOption},
    {15, "UL", &Case::UL, true},
    {16, "FS", &Case::FS, true},
    {17, "UFa", &Case::UFa, true},
    {18, "Fyp", &Case::Fyp, true},
    {19, "Fup", &Case::Fup, true},
    {20, "Fys", &Case::Fys, true},
    {21, "Fus", &Case::Fus, true},
    {22, "E", &Case::E, true},
    {23, "s1", &Case::s1, true},
    {24, "s2", &Case::s2, true},
    {25, "L1", &Case::L1, true},
    {26, "L2", &Case::L2, false},
    {27, "Lg", &Case::Lg, false},
    {28, "Lgs", &Case::Lgs, false},
    {29, "Lt", &Case::Lt, false},
    {30, "t", &Case::t, true},
    {31, "SigxA", &Case::SigxA, true},
    {32, "SigxB", &Case::SigxB, true},
    {33, "SigyA", &Case::SigyA, true},
    {34, "SigyC", &Case::SigyC, true},
    {35, "Tau", &Case::Tau, true},
    {36, "p", &Case::p, true},
    {37, "ps", &Case::ps, false},
    {38, "stiffener area", &Case::StiffAx, true},
    {39, "stiffener height", &Case::StiffH, true},
    {40, "stiffener flange width", &Case::StiffB, true},
    {41, "stiffener web thickness", &Case::StiffTw, true},
    {42, "stiffener flange thickness", &Case::StiffTf, true},
    {43, "bulb r", &Case::StiffR, true},  // r before c: the order files have always had
    {44, "bulb c / trapezoid a", &Case::StiffC, true},
    {45, "girder height", &Case::GirdH, false},
    {46, "girder flange width", &Case::GirdB, false},
    {47, "girder web thickness", &Case::GirdTw, false},
    {48, "girder flange thickness", &Case::GirdTf, false},
}};

}  // namespace

std::span<const ProjectLine> ProjectLines() { return kLines; }

}  // namespace veltar

// Properties of the bare stiffener profile, one routine per family of kinds: area,
// mass, centroid, moments of inertia, torsion and warping constants.
#pragma once

#include "core/arith.h"
#include "core/case.h"

namespace veltar {

// Resolved dimensions of the current profile in mm, as doubles for the arithmetic.
struct ProfileDims {
    double H = 0, B = 0, tw = 0, tf = 0;
    double a = 0;  // trapezoid: horizontal offset of each inclined web
};

// A dimension beyond any real profile (or not a number) is a fault; within the bound
// no product of the formulas overflows, so the faults left are zero divisions.
void CheckDimensions(const ProfileDims& d, const Checked& k);

// L and bulb flat (angle = true) and T (angle = false): one flange on a web.
void OpenSection(Case& c, const ProfileDims& d, bool angle, const Checked& k);
void FlatBarSection(Case& c, const ProfileDims& d, const Checked& k);
void RhsSection(Case& c, const ProfileDims& d, const Checked& k);
void TrapezoidSection(Case& c, const ProfileDims& d, const Checked& k);
// I with its lower flange on the plate.
void IBuiltSection(Case& c, const ProfileDims& d, const Checked& k);

}  // namespace veltar

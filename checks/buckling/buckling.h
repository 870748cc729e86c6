// Buckling and ultimate strength checks (ABS buckling guide) and their result rows.
#pragma once

#include "core/case.h"

namespace veltar {

// Title of the beam-column line, the one buckling line that can read "NOK".
inline constexpr std::string_view kBeamColumnTitle = "UFbu= ";

// Plate fields PL1 and PL2: UFpb (3/3.1), UFpu (3/3.3), UFpl (3/3.5) and the
// effective width se.
void PlateBuckling(Case& c);

// Stiffener beam-column (3/5.1), torsional buckling (3/5.3) and the deflection line.
void StiffenerBuckling(Case& c);

// Stiffness of the stiffener (3/9.1): UFst = io/IeBu.
void StiffenerStiffness(Case& c);

// Overall buckling of the panel with its girders (3/5.7): UFgbu.
void GirderBuckling(Case& c);

// Writes the buckling rows of the result list.
void ShowBucklingResults(const Case& c, RowWriter& rows);

}  // namespace veltar

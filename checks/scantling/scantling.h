// Minimum scantlings and yield checks (ABS MODU rules, Part 3) and their result rows.
#pragma once

#include "core/case.h"
#include "profiles/tables.h"

namespace veltar {

// Titles of the girder lines that read "OK" or "NOK".
inline constexpr std::string_view kGirderDepthTitle = "Min depth of girder = ";
inline constexpr std::string_view kGirderWebTitle = "Min thickness of web = ";
inline constexpr std::string_view kTrippingTitle = "Max distance between tripping brackets = ";

// Minimum plate thickness: UFt = tmin/t.
void PlateScantling(Case& c);

// Von Mises at the panel corners A to D: UFy.
void PlateYield(Case& c);

// Von Mises at points 1 to 3 on the plate side (UFyp) and the stiffener side (UFys).
void StiffenerYield(Case& c);

// Required section modulus of the stiffener: UFsm; sets c and StiffQ.
void StiffenerScantling(Case& c, const Tables& tables);

// Girder section modulus (UFgm), depth (UFgd), web (UFgw) and tripping brackets; sets cg.
void GirderScantling(Case& c, const Tables& tables);

// c-factor captions ctext0..2 and the tab and option the window shows.
void CFactorText(Case& c);

// Writes the scantling and yield rows of the result list.
void ShowScantlingResults(const Case& c, RowWriter& rows);

}  // namespace veltar

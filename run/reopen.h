// The recalculation that follows reading a project file, shared by the window's
// Open and recent-file commands and by the command-line tool.
#pragma once

#include "core/case.h"
#include "profiles/tables.h"

namespace veltar {

// What Open does between reading and showing the case: ssum, both material
// grades, the stiffener profile and the girder section.
void RecalculateOpened(Case& c, const Tables& tables);

}  // namespace veltar

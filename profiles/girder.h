// Girder section: an L or T built up from four dimensions, alone and with its plate strip.
#pragma once

#include "core/case.h"

namespace veltar {

// Resolves the current girder kind, writes girdprof and GirdPicture and the girder
// properties. Never throws: degenerate dimensions leave the fault text in
// GirderFault, which the calculation run reports.
void GirderSection(Case& c);

}  // namespace veltar

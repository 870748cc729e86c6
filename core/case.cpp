// Start-up defaults of the case record.
#include "core/case.h"

#include <utility>

namespace veltar {

void NewCase(Case& c) {
    Case fresh;
    fresh.DecSep = c.DecSep;
    fresh.AppPath = std::move(c.AppPath);
    fresh.FigNotToScale = c.FigNotToScale;
    c = std::move(fresh);
}

}  // namespace veltar

// The plot of a sweep: every usage factor of the check mode against the input, with
// the allowed usage factor, the case's own value and the passing bounds marked.
#pragma once

#include "run/sweep.h"

class QChart;

namespace veltar {

// A new chart for a view to own; `sep` is the decimal separator of its texts.
QChart* BuildSweepChart(const SweepResult& r, char sep);

}  // namespace veltar

// The panel figure: plan, side view, dimensions, check points and the load diagrams.
// Coordinates are figure units (about 0..95 across, 0..70 down) from (x0, y0); the
// caller scales the painter so that this range fits its surface.
#pragma once

#include <QPainter>

#include "core/case.h"

namespace veltar {

// Extent of the figure in its own units, for callers that scale it to fit.
constexpr double kPanelFigureWidth = 98.0;
constexpr double kPanelFigureHeight = 71.0;

void DrawPanel(QPainter& p, double x0, double y0, const Case& c);

}  // namespace veltar

// The panel figure: plan, side view, dimensions, check points and the load diagrams.
// Coordinates are figure units (about 0..95 across, 0..70 down) from (x0, y0); the
// caller scales the painter so that this range fits its surface.
#pragma once

#include <QPainter>

#include <vector>

#include "core/case.h"

namespace veltar {

// Extent of the figure in its own units, for callers that scale it to fit.
constexpr double kPanelFigureWidth = 100.0;
constexpr double kPanelFigureHeight = 71.0;

// Height of the label text in figure units.
constexpr double kTextHeight = 2.7;

// A label of the figure: its text and the top left corner of the text, in figure units.
struct PanelLabel {
    double x, y;
    QString text;
};

// The fields of the case the figure shows, and the only ones it reads: the window
// repaints the figure only when one of them changes.
struct PanelLoads {
    double SigxA = 0, SigxB = 0, SigyA = 0, SigyC = 0, p = 0;
    bool operator==(const PanelLoads&) const = default;
};
PanelLoads PanelLoadsOf(const Case& c);

// The labels the figure shows for the case (the load names only with their diagrams).
std::vector<PanelLabel> PanelLabels(const Case& c);

// The labels' font for a painter that draws `scale` device pixels a figure unit.
QFont PanelLabelFont(const QFont& base, double scale);

// The lines, boxes, dots and arrows of the figure, without its labels.
void DrawPanelDrawing(QPainter& p, double x0, double y0, const Case& c);

// The whole figure: the drawing and its labels.
void DrawPanel(QPainter& p, double x0, double y0, const Case& c);

}  // namespace veltar

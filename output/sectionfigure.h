// The stiffener section drawn to scale on its effective plate strip `se`, with the
// neutral axis "Y", the vertical axis "Z" and the dimensions "se" and "H". Shared by
// the printed report and the stiffener profile dialogs.
#pragma once

#include <QPainter>
#include <QRectF>

#include "core/case.h"

namespace veltar {

// Draws the outline's rectangles as boxes, each point (x, y) of the outline at
// (x0 + x, y0 + y) in the painter's current user scale (mm of the section).
void DrawOutlineRects(QPainter& p, double x0, double y0, const StiffOutline& outline);

// Joins the outline's points in order, then draws its plate rectangle; same placing.
void DrawOutlinePolyline(QPainter& p, double x0, double y0, const StiffOutline& outline);

// The whole figure into the largest square centred in `box` (device units of the
// painter): the plate on top, the profile hanging below it, labels at 11 points
// outside the outline. The square spans 1.8 times the larger of `se` and H + t,
// or of the outline's width when a flange reaches beyond a narrow strip, so the
// whole outline always fits. Reads only `c.Outline` and `c.StiffKind`; draws
// nothing before the outline has been formed (zero height).
void DrawStiffenerSection(QPainter& p, const QRectF& box, const Case& c);
// The same from an outline and the kind it belongs to, for a window that keeps the
// figure of a profile that is no longer the case's own.
void DrawStiffenerSection(QPainter& p, const QRectF& box, const StiffOutline& o, i16 kind);

// The scale the figure uses: the side of its square in mm of the section.
double SectionSquareSide(const StiffOutline& outline);

}  // namespace veltar

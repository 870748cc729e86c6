// The local slenderness lines of the stiffener (web and flange against their limits),
// shared by the printed report and the profile dialogs.
#pragma once

#include <QPainter>

#include <string>

#include "core/case.h"

namespace veltar {

// The values the lines are written from, kept by a window that shows the lines of
// a profile that is no longer the case's own.
struct LocalSlenderness {
    std::string flangeText = " ", webText = " ";
    float flange = 0, flangeMax = 0, web = 0, webMax = 0;
};

LocalSlenderness LocalSlendernessOf(const Case& c);

// Number of lines DrawLocalCheck writes for the case: 0, 1 or 2.
int LocalCheckLines(const Case& c);

// Writes the flange line, then the web line, each with its bold " OK"/" NOK" and its
// rule reference, in the painter's current font, the first with its top-left at
// (x, y) in device units and each next one `rowStep` lower. Returns the y below
// the last line.
double DrawLocalCheck(QPainter& p, double y, double x, double rowStep, const Case& c);
double DrawLocalCheck(QPainter& p, double y, double x, double rowStep, const LocalSlenderness& s);

}  // namespace veltar

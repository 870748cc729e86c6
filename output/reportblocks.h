// The parts of the report, each written onto the sheet from its current row:
// the page header, the input blocks of page 1 and the result blocks.
#pragma once

#include <QDateTime>
#include <QString>

#include <memory>

#include "core/case.h"
#include "core/numformat.h"
#include "output/reportsheet.h"
#include "profiles/tables.h"

namespace veltar {

// Colour of the product name in the page header.
inline const QColor HeadColour(0, 85, 152);

// Heading style: bold, italic and underlined.
TextStyle Heading(double points);
// A case value through a number mask, with the case's decimal separator; the
// value keeps its own precision, which decides the last digit.
template <class T>
QString Masked(const Case& c, T x, const char* mask) {
    return QString::fromStdString(Format(x, mask, SepOf(c.DecSep)));
}

void PrintPageHeader(ReportSheet& s, const Case& c, const QDateTime& printedAt, int page);
void PrintMaterialBlock(ReportSheet& s, const Case& c, const Tables& tables);
// `printMode` decides whether the scantling pressure is shown with a zero `p`.
void PrintGeometryBlock(ReportSheet& s, const std::shared_ptr<const Case>& c, i16 printMode);
void PrintProfileBlock(ReportSheet& s, const std::shared_ptr<const Case>& c);

// The result blocks at the left x of the block; LineY advances line by line.
void PrintBucklingResults(ReportSheet& s, double x, const Case& c);
void PrintScantlingResults(ReportSheet& s, double x, const Case& c);
// Where a faulted run's results would stand: its fault text.
void PrintFault(ReportSheet& s, double x, const Case& c);

}  // namespace veltar

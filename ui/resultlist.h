// Renders the engine's result rows into the report-style list ListView1.
#pragma once

#include <vector>

#include "core/resultlist.h"

class QTreeWidget;

namespace veltar {

// Fits the columns (FitColumns) and shows the rows: headings bold, usage factors bold
// in their palette colour, each row's whole text as its tooltip.
void ShowRows(QTreeWidget& list, const std::vector<ListRow>& rows);

// Once: a column the user widens or narrows keeps that width from then on.
void KeepUserWidths(QTreeWidget& list);

// The column widths from the list's present width (0.7, 0.1, 0.15), unless the
// user has set them.
void FitColumns(QTreeWidget& list);

}  // namespace veltar

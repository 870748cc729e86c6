// Renders the engine's result rows into the report-style list ListView1.
#pragma once

#include <vector>

#include "core/resultlist.h"

class QTreeWidget;

namespace veltar {

// Clears the list, sets the three columns from its width (0.7, 0.1, 0.15) and
// appends the rows: headings bold, usage factors bold in their palette colour.
void ShowRows(QTreeWidget& list, const std::vector<ListRow>& rows);

// The column widths from the list's present width.
void FitColumns(QTreeWidget& list);

}  // namespace veltar

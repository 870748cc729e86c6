// Cells of comma-separated tables, as spreadsheets and scripts read them.
#pragma once

#include <string>
#include <string_view>

namespace veltar {

// Appends `text` as one cell: between double quotes (a quote doubled) when it holds a
// comma, a quote or a line break. A `freeText` cell (a name typed into a case table)
// that a spreadsheet would take for a formula, one beginning with "=", "+", "-" or
// "@", gets a leading apostrophe, which spreadsheets show as text.
void AppendCsvCell(std::string& out, std::string_view text, bool freeText = false);

}  // namespace veltar

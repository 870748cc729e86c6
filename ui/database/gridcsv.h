// The grid for spreadsheets.
#pragma once

#include <QByteArray>

namespace veltar {

class CaseGridModel;

// A header line, then every case row of the table in table order with every column,
// whatever the grid's sorting and filter: comma-separated with quotes where a cell
// needs them, UTF-8, numbers with a decimal point, CR LF line ends.
QByteArray GridCsv(const CaseGridModel& model);

}  // namespace veltar

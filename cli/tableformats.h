// The result table for scripts and spreadsheets: comma-separated values with a header,
// or JSON lines, one case a line; comment rows are no cases and give no line.
#pragma once

#include <string>

#include "run/batchstream.h"

namespace veltar::cli {

// Columns: line, the case table's inputs, StiffProf, GirdProf, c, every usage factor,
// fault. Numbers with a decimal point in the shortest text that reads back to the
// value of the field's own precision; a factor that is no number is "NOK" or "N/A",
// and empty when the run faulted. CR LF line ends; cells quoted where needed.
class CsvFormat final : public ResultFormat {
public:
    void Header(std::string& out) const override;
    void Comment(std::string& out, const CaseRow& row) const override;
    void Calculated(std::string& out, const CaseRow& row, const Case& c, const std::string& fault) const override;
};

// One object a case with the same keys as the CSV columns: numbers as JSON numbers,
// "NOK" and "N/A" as strings, null for a factor of a faulted run and for no fault.
class JsonLinesFormat final : public ResultFormat {
public:
    void Header(std::string& out) const override;
    void Comment(std::string& out, const CaseRow& row) const override;
    void Calculated(std::string& out, const CaseRow& row, const Case& c, const std::string& fault) const override;
};

}  // namespace veltar::cli

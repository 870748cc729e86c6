// The result table ("*.velto"): every row of a case table again, each case row with
// its usage factors; the texts of its lines and the file.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/case.h"
#include "core/fieldtable.h"
#include "core/status.h"

namespace veltar {

// The case table's path with its extension replaced by ".velto", or ".velto"
// appended when it has none.
std::string ResultPath(const std::string& casePath);

// Refuses a result path that is the case table itself under any name (a table named
// "*.velto", an output path naming the input, a link to it), so that a run never
// replaces its own input; the message names both paths.
Status CheckResultPath(const std::string& casePath, const std::string& resultPath);

// The header line, 44 TAB-separated captions, without its line end.
std::string ResultHeader();

// The result line of the current case, without its line end. A faulted run wrote
// some factors and left the others from the previous case, so none is written.
std::string ResultLineText(const Case& c, bool faulted, char sep);

// What a usage-factor cell holds besides its text.
enum class FactorState : std::uint8_t {
    Value,          // a number under its mask
    Unbounded,      // "NOK": fails whatever its size
    NotApplicable,  // "N/A": the check does not apply to this case
    Fault,          // "ERR": the run faulted, no factor of the case can be trusted
};

struct FactorCell {
    std::string text;
    FactorState state = FactorState::Value;
    double value = 0;  // the factor as computed (infinite for Unbounded)
};

// The usage-factor columns of the result table (UFpb ... UFys), in table order.
std::span<const FieldDef* const> FactorFields();

// One usage-factor cell of the current case, as the result line writes it.
FactorCell FactorCellOf(const Case& c, const FieldDef& f, bool faulted, char sep);

// The stiffener and girder cells: code and dimensions joined by "x"; empty for a
// kind without a code.
std::string StiffenerCellText(const Case& c, char sep);
std::string GirderCellText(const Case& c, char sep);

// Replaces the file at `path` with `text` as a whole, so a failed write leaves any
// earlier table intact; the message names the file.
Status SaveResultTable(const std::string& path, const std::string& text);

}  // namespace veltar

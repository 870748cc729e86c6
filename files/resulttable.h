// The result table ("*.velto"): every row of a case table again, each case row with
// its usage factors; the texts of its lines and the file.
#pragma once

#include <string>

#include "core/case.h"
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

// Replaces the file at `path` with `text` as a whole, so a failed write leaves any
// earlier table intact; the message names the file.
Status SaveResultTable(const std::string& path, const std::string& text);

}  // namespace veltar

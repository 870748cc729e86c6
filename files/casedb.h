// The case database: a tab-separated table of many cases ("*.velti"), read into
// memory row by row.
#pragma once

#include <array>
#include <istream>
#include <string>
#include <vector>

#include "core/case.h"
#include "core/lines.h"
#include "core/status.h"
#include "profiles/tables.h"

namespace veltar {

// Cells of a case row.
constexpr int kCaseRowCells = 32;

// One row of a case table: a comment row keeps only its text, a case row every value.
// The cells that hold one field each are kept by cell number as the 32-bit floats
// ParseNumber gives (whole-number cells already rounded); the profile cells decoded.
struct CaseRow {
    int line = 0;          // line of the file, from 1, for messages
    bool comment = false;  // cell 0 begins with "%"
    std::string Project;   // cell 0: the comment's whole text, or the project name
    std::string Ident;     // cell 1
    std::array<float, kCaseRowCells> cell{};
    i16 StiffKind = kLTable;
    i16 StiffRow = 0;  // the table row of a table stiffener
    std::array<float, 4> StiffDim{};
    i16 GirdKind = kTGirder;
    std::array<float, 4> GirdDim{};

    // The text of cell 0 or 1.
    const std::string& Text(int c) const { return c == 0 ? Project : Ident; }
};

// The table read last. Its path has a field of its own: the project file's
// FileName is never touched, so saving the project cannot overwrite the table.
struct CaseDatabase {
    std::string DbPath;
    std::vector<CaseRow> rows;
    int DbRow = 0;  // the row made the current case last

    int DbRowCount() const { return static_cast<int>(rows.size()); }
};

// The rows of a case table as texts, one at a time up to the "End" row, so that a
// table of any length is read in the memory of one line. `source` names the input in
// messages. Reading the cells of a row is a step of its own (ReadCaseRowText), which
// several threads may take at once.
class CaseLineReader {
public:
    CaseLineReader(std::streambuf& in, std::string source);

    // The next row's text, trimmed of blanks, and its line number; `got` false at the
    // "End" row or the end of the input. The text lasts until the next call. A line too
    // long for any row is refused as soon as it passes the limit, before it is read whole.
    Status Next(std::string_view& text, int& line, bool& got);

    const std::string& Source() const { return source_; }

    // After the last row: the warning about a table without an "End" row, or an empty text.
    const std::string& Warning() const { return warning_; }

private:
    LineReader lines_;
    std::string source_;
    std::string line_;
    std::string warning_;
};

// The cells of one row's text, as CaseLineReader gives it, into `row`; an error names
// the source, the line and the cell.
Status ReadCaseRowText(std::string_view text, int line, const std::string& source, const Tables& tables, int decSep,
                       CaseRow& row);

// Reads the rows of a case table up to its "End" row. `source` names the input in
// messages. A table without an "End" row is read to its end and warned about. On an
// error `db` is unchanged and the message names the line and the cell.
Status ParseCaseTable(std::istream& in, const std::string& source, const Tables& tables, int decSep, CaseDatabase& db,
                      std::vector<std::string>& warnings);

// The same from a file; DbPath becomes `path`.
Status ReadCaseDatabase(const std::string& path, const Tables& tables, int decSep, CaseDatabase& db,
                        std::vector<std::string>& warnings);

// The first case row, -1 when the table holds only comments.
int FirstCaseRow(const CaseDatabase& db);

}  // namespace veltar

// The case database: a tab-separated table of many cases ("*.velti"), read into
// memory row by row.
#pragma once

#include <array>
#include <istream>
#include <string>
#include <vector>

#include "core/case.h"
#include "core/status.h"
#include "profiles/tables.h"

namespace veltar {

// Cells of a case row.
constexpr int kCaseRowCells = 32;

// One row of a case table: a comment row keeps only its text, a case row every value.
// Numbers are 32-bit floats, as ParseNumber gives them.
struct CaseRow {
    int line = 0;          // line of the file, from 1, for messages
    bool comment = false;  // cell 0 begins with "%"
    std::string Project;   // cell 0: the comment's whole text, or the project name
    std::string Ident;
    i16 LoadCond = 0, BulkheadType = 0, EndOption = 0;
    float FS = 0, UFa = 0, Fyp = 0, Fup = 0, Fys = 0, Fus = 0, E = 0, UL = 0;
    i16 StiffKind = kLTable;
    i16 StiffRow = 0;  // LRow or BFRow of a table stiffener
    std::array<float, 4> StiffDim{};
    i16 GirdKind = kTGirder;
    std::array<float, 4> GirdDim{};
    float L1 = 0, L2 = 0, Lg = 0, Lgs = 0, Lt = 0, t = 0, s1 = 0, s2 = 0;
    float SigxA = 0, SigxB = 0, SigyA = 0, SigyC = 0, Tau = 0, p = 0, ps = 0;
};

// The table read last. Its path has a field of its own: the project file's
// FileName is never touched, so saving the project cannot overwrite the table.
struct CaseDatabase {
    std::string DbPath;
    std::vector<CaseRow> rows;
    int DbRow = 0;  // the row made the current case last

    int DbRowCount() const { return static_cast<int>(rows.size()); }
};

// Reads the rows of a case table up to its "End" row. `source` names the input in
// messages. A table without an "End" row is read to its end and warned about. On an
// error `db` is unchanged and the message names the line and the cell.
Status ParseCaseTable(std::istream& in, const std::string& source, const Tables& tables, int decSep,
                      CaseDatabase& db, std::vector<std::string>& warnings);

// The same from a file; DbPath becomes `path`.
Status ReadCaseDatabase(const std::string& path, const Tables& tables, int decSep, CaseDatabase& db,
                        std::vector<std::string>& warnings);

// The first case row, -1 when the table holds only comments.
int FirstCaseRow(const CaseDatabase& db);

}  // namespace veltar

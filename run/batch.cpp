// The batch loop: every row recalculated in turn, its line added to the table.
#include "run/batch.h"

#include "core/numformat.h"
#include "files/resulttable.h"
#include "run/dbcase.h"

namespace veltar {
namespace {

std::string TableText(Case& c, const Tables& tables, CaseDatabase& db, char sep, ResultReport& report) {
    IgnoredWarnings quiet;
    std::string text = ResultHeader() + "\r\n";
    for (int i = 0; i < db.DbRowCount(); ++i) {
        const CaseRow& row = db.rows[i];
        if (row.comment) {
            text += row.Project + "\r\n";
            continue;
        }
        LoadDatabaseCase(c, tables, db, i, quiet);
        const std::string fault = RunFault(c);
        if (!fault.empty()) report.faulted.push_back({row.line, row.Ident, fault});
        ++report.cases;
        text += ResultLineText(c, !fault.empty(), sep) + "\r\n";
    }
    return text;
}

}  // namespace

Status WriteResultTable(const std::string& path, Case& c, const Tables& tables, CaseDatabase& db, int decSep,
                        ResultReport& report) {
    report = ResultReport{};
    return SaveResultTable(path, TableText(c, tables, db, SepOf(decSep), report));
}

}  // namespace veltar

// Writing the result table: every row recalculated in turn; the table replaces the
// target as a whole, so a failed write leaves any earlier table intact.
#include "files/resulttable.h"

#include <filesystem>
#include <string_view>

#include "core/numformat.h"
#include "files/atomicfile.h"

namespace veltar {
namespace {

// Span warnings would repeat for every case of a table; the table shows the
// spans, so the run goes on without them.
class NoWarnings : public CalcEvents {
public:
    void Warn(std::string_view, std::string_view) override {}
};

std::string TableText(Case& c, const Tables& tables, CaseDatabase& db, char sep, ResultReport& report) {
    NoWarnings quiet;
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

std::string ResultPath(const std::string& casePath) {
    return std::filesystem::path(casePath).replace_extension(".velto").string();
}

Status WriteResultTable(const std::string& path, Case& c, const Tables& tables, CaseDatabase& db, int decSep,
                        ResultReport& report) {
    report = ResultReport{};
    const std::string text = TableText(c, tables, db, SepOf(decSep), report);
    Status s = ReplaceFileContent(path, text);
    if (!s) return Status::Error("can't save file - " + path + " (" + s.message + ")");
    return s;
}

}  // namespace veltar

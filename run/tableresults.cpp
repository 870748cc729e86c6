// The rows of a case table run one after another on a scratch case; the batch loop's
// loading and fault rules, the result table's cell texts.
#include "run/tableresults.h"

#include "core/resultlist.h"
#include "run/dbcase.h"

namespace veltar {
namespace {

constexpr std::int16_t kRed = 4;

CaseOutcome RunOne(Case& c, const Tables& tables, CaseDatabase& db, int row, CalcEvents& events) {
    CaseOutcome out;
    out.row = row;
    out.comment = db.rows[static_cast<size_t>(row)].comment;
    if (out.comment) return out;
    LoadDatabaseCase(c, tables, db, row, events);
    out.fault = RunFault(c);
    out.stiffener = StiffenerCellText(c, '.');
    out.girder = GirderCellText(c, '.');
    out.factors.reserve(FactorFields().size());
    for (const FieldDef* f : FactorFields()) out.factors.push_back(FactorCellOf(c, *f, !out.fault.empty(), '.'));
    return out;
}

bool Counts(const FactorCell& cell) { return cell.state == FactorState::Value || cell.state == FactorState::Unbounded; }

}  // namespace

bool Fails(const FactorCell& cell) {
    switch (cell.state) {
        case FactorState::Value: return UsageColour(cell.value) == kRed;
        case FactorState::NotApplicable: return false;
        case FactorState::Unbounded:
        case FactorState::Fault: return true;
    }
    return true;
}

bool CaseOutcome::Fails() const {
    for (const FactorCell& cell : factors)
        if (veltar::Fails(cell)) return true;
    return false;
}

std::optional<std::vector<CaseOutcome>> RunCaseRows(Case& scratch, const Tables& tables, CaseDatabase& db,
                                                    const RowProgress& progress) {
    IgnoredWarnings quiet;
    std::vector<CaseOutcome> outcomes;
    outcomes.reserve(static_cast<size_t>(db.DbRowCount()));
    for (int row = 0; row < db.DbRowCount(); ++row) {
        outcomes.push_back(RunOne(scratch, tables, db, row, quiet));
        if (progress && !progress(row + 1)) return std::nullopt;
    }
    return outcomes;
}

std::vector<int> GoverningCases(const std::vector<CaseOutcome>& outcomes) {
    std::vector<int> governing(FactorFields().size(), -1);
    for (size_t col = 0; col < governing.size(); ++col) {
        for (size_t i = 0; i < outcomes.size(); ++i) {
            if (outcomes[i].comment || !Counts(outcomes[i].factors[col])) continue;
            const int best = governing[col];
            if (best < 0 || outcomes[i].factors[col].value > outcomes[static_cast<size_t>(best)].factors[col].value)
                governing[col] = static_cast<int>(i);
        }
    }
    return governing;
}

}  // namespace veltar

// The numbers-only run against the whole run: the same factors, faults, result-table
// lines and "NOK" checks on the example projects and case tables in every check mode,
// and the rows a run writes over those of an earlier run.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/text.h"
#include "files/casedb.h"
#include "files/datatables.h"
#include "files/projectfile.h"
#include "files/resulttable.h"
#include "run/calculate.h"
#include "run/dbcase.h"
#include "run/outcome.h"

namespace veltar {
namespace {

class Quiet : public CalcEvents {
public:
    void Warn(std::string_view, std::string_view) override {}
};

class NumbersTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables).ok); }

    // The default case, every example project and every row of the example and fixture
    // case tables, as loaded.
    std::vector<Case> Cases() {
        std::vector<Case> cases(1);
        PrepareStartupCase(cases[0], tables);
        for (const auto& entry : std::filesystem::directory_iterator(VELTAR_EXAMPLES)) {
            const std::string path = entry.path().string();
            if (entry.path().extension() == ".velta") {
                Case c;
                EXPECT_TRUE(ReadProjectFile(c, tables, path).ok) << path;
                cases.push_back(c);
            }
        }
        for (const std::string& path : {std::string(VELTAR_EXAMPLES) + "/deck3.velti",
                                        std::string(VELTAR_FIXTURES) + "/casedb/one_fault.velti"}) {
            CaseDatabase db;
            std::vector<std::string> warnings;
            EXPECT_TRUE(ReadCaseDatabase(path, tables, 0, db, warnings).ok) << path;
            Quiet quiet;
            for (int i = 0; i < db.DbRowCount(); ++i) {
                Case c;
                if (LoadDatabaseCase(c, tables, db, i, quiet)) cases.push_back(c);
            }
        }
        return cases;
    }

    Tables tables;
};

// The checks that read "NOK" as the list of a whole run shows them.
std::vector<std::string> NokRows(const Case& c) {
    std::vector<std::string> names;
    for (const ListRow& row : c.Rows)
        if (row.style == RowStyle::Result && row.value == "NOK") {
            const std::string_view text = row.text;
            names.emplace_back(Trim(text.substr(0, text.find('='))));
        }
    return names;
}

// Variations that reach the "NOK" verdicts, the faults and the comma separator.
const std::vector<std::function<void(Case&)>> kVariations = {
    [](Case&) {},
    [](Case& c) { c.Lt = 4000.0f, c.GirdH = 200.0, c.GtH = 200.0, c.DecSep = 1; },
    [](Case& c) { c.L1 = 9000.0f, c.SigxA = -250.0f, c.SigxB = -250.0f, c.InclDeform = 1; },
    [](Case& c) { c.t = 0.0f; },
    [](Case& c) { c.E = 0.0f; },
};

TEST_F(NumbersTest, SameNumbersAsTheWholeRun) {
    int nok = 0, faulted = 0, compared = 0;
    for (const Case& base : Cases())
        for (const auto& vary : kVariations)
            for (int mode = 1; mode <= 3; ++mode) {
                Case whole = base, numbers = base;
                vary(whole), vary(numbers);
                whole.CheckMode = numbers.CheckMode = static_cast<i16>(mode);
                Quiet quiet;
                Calculate(whole, tables, quiet);
                const RunOutcome o = CalculateOutcome(numbers, tables, mode);
                const std::string what = whole.Project + " " + whole.Ident + " mode " + std::to_string(mode);
                EXPECT_EQ(numbers.FaultText, whole.FaultText) << what;
                const bool fault = !RunFault(whole).empty();
                EXPECT_EQ(ResultLineText(numbers, fault, '.'), ResultLineText(whole, fault, '.')) << what;
                EXPECT_EQ(o.nokChecks, NokRows(whole)) << what;
                EXPECT_TRUE(numbers.Rows.empty()) << what;
                EXPECT_TRUE(numbers.Texts);  // the next run of the window writes its texts
                nok += !o.nokChecks.empty(), faulted += fault, ++compared;
            }
    // The table reaches what it is meant to compare.
    EXPECT_GT(nok, 0);
    EXPECT_GT(faulted, 0);
    EXPECT_GT(compared, 100);
}

// Each row compared whole, so that a cell left over from an earlier run shows.
std::string RowsText(const Case& c) {
    std::string out;
    for (const ListRow& r : c.Rows)
        out += std::to_string(static_cast<int>(r.style)) + "|" + r.text + "|" + r.value + "|" + r.reference + "|" +
               std::to_string(r.colour) + "\n";
    return out;
}

// A run writes its rows over those of the last run: whatever that run listed, the
// list is the one a fresh case gets.
TEST_F(NumbersTest, RowsOfAnEarlierRunLeaveNothingBehind) {
    struct Step {
        i16 mode, deform, decSep;
        float E, p;
    };
    const Step steps[] = {{3, 1, 0, 206000, 0.03f}, {1, 0, 1, 206000, 0.03f}, {2, 0, 0, 0, 0.03f},
                          {3, 0, 0, 206000, 0.03f}, {1, 1, 1, 206000, 0},     {3, 1, 0, 206000, 0.05f}};
    Case reused;
    PrepareStartupCase(reused, tables);
    Quiet quiet;
    for (const Step& s : steps) {
        const auto apply = [&s](Case& c) {
            c.CheckMode = s.mode, c.InclDeform = s.deform, c.DecSep = s.decSep, c.E = s.E, c.p = s.p;
        };
        apply(reused);
        Calculate(reused, tables, quiet);
        Case fresh;
        PrepareStartupCase(fresh, tables);
        apply(fresh);
        Calculate(fresh, tables, quiet);
        EXPECT_EQ(RowsText(reused), RowsText(fresh)) << "mode " << s.mode << ", E " << s.E;
        EXPECT_EQ(reused.FaultText, fresh.FaultText);
    }
}

}  // namespace
}  // namespace veltar

// Every case row of a table run at once for the database window: the cells agree with
// the result table's, pass and fail, the governing cases, and a stopped run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "files/casedb.h"
#include "files/datatables.h"
#include "files/resulttable.h"
#include "run/batch.h"
#include "run/tableresults.h"

namespace veltar {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

const std::string kFixtures = std::string(VELTAR_FIXTURES) + "/casedb/";
constexpr double kInf = std::numeric_limits<double>::infinity();

Texts Split(const std::string& text, const std::string& sep) {
    Texts parts;
    for (size_t at = 0, end = 0; end != std::string::npos; at = end + sep.size())
        parts.push_back(text.substr(at, (end = text.find(sep, at)) - at));
    return parts;
}

class TableResults : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables).ok); }
    void Read(const std::string& name) { ASSERT_TRUE(ReadCaseDatabase(kFixtures + name, tables, 0, db, warnings).ok); }
    // The lines of the result table the batch loop writes for the same table.
    Texts ResultLines() {
        const fs::path path = fs::path(::testing::TempDir()) / "veltar_tableresults.velto";
        Case scratch;
        ResultReport report;
        EXPECT_TRUE(WriteResultTable(path.string(), scratch, tables, db, 0, report).ok);
        std::ifstream in(path, std::ios::binary);
        Texts lines = Split({std::istreambuf_iterator<char>(in.rdbuf()), {}}, "\r\n");
        fs::remove(path);
        lines.pop_back();
        return lines;
    }

    Tables tables;
    CaseDatabase db;
    Texts warnings;
    Case c;
};

TEST_F(TableResults, CellsAreTheResultTablesCells) {
    for (const char* name : {"two_cases.velti", "one_fault.velti"}) {
        Read(name);
        const auto outcomes = RunCaseRows(c, tables, db, nullptr);
        ASSERT_TRUE(outcomes);
        const Texts lines = ResultLines();
        ASSERT_EQ(outcomes->size() + 1, lines.size()) << name;
        for (const CaseOutcome& o : *outcomes) {
            const Texts cells = Split(lines[static_cast<size_t>(o.row) + 1], "\t");
            EXPECT_EQ(o.comment, cells.size() == 1) << name << " row " << o.row;
            if (o.comment) continue;
            Texts grid = {o.stiffener, o.girder};
            for (const FactorCell& f : o.factors) grid.push_back(f.text);
            Texts table = {cells[12], cells[13]};
            for (size_t i = 30; i < cells.size(); ++i)
                if (i != 37) table.push_back(cells[i]);  // "Scant/Yield"
            EXPECT_EQ(grid, table) << name << " row " << o.row;
            EXPECT_EQ(o.fault.empty(), cells[30] != "ERR") << name << " row " << o.row;
        }
    }
    const auto last = RunCaseRows(c, tables, db, nullptr);
    const CaseOutcome& faulted = (*last)[2];
    EXPECT_TRUE(faulted.Fails()) << "a faulted case is one to look at";
    EXPECT_EQ(faulted.factors[0].state, FactorState::Fault);
}

TEST_F(TableResults, FactorColumnsAreTheUsageFactorsInTableOrder) {
    std::string names;
    for (const FieldDef* f : FactorFields()) names += std::string(f->name) + " ";
    EXPECT_EQ(names, "UFpb UFpu UFpl UFb UFbt UFst UFgbu UFt UFsm UFgm UFy UFyp UFys ");
}

TEST_F(TableResults, ACellFailsAboveOneUnboundedOrFaulted) {
    const struct {
        FactorState state;
        double value;
        bool fails;
    } cases[] = {{FactorState::Value, 1.0, false},         {FactorState::Value, 1.004, true},
                 {FactorState::Value, 0.2, false},         {FactorState::Value, -2, false},
                 {FactorState::NotApplicable, -99, false}, {FactorState::Unbounded, kInf, true},
                 {FactorState::Fault, 0.1, true}};
    for (const auto& k : cases) EXPECT_EQ(Fails(FactorCell{"", k.state, k.value}), k.fails) << k.value;
}

// Outcomes of three factors each, built by hand: (state, value) per column.
CaseOutcome Outcome(int row, std::vector<std::pair<FactorState, double>> cells) {
    CaseOutcome o;
    o.row = row;
    o.factors.resize(FactorFields().size(), FactorCell{"", FactorState::Value, 0.1});
    for (size_t i = 0; i < cells.size(); ++i) o.factors[i] = FactorCell{"", cells[i].first, cells[i].second};
    return o;
}

TEST_F(TableResults, TheLargestFactorGovernsAndTheFirstOfEquals) {
    using S = FactorState;
    CaseOutcome comment;
    comment.comment = true;
    const std::vector<CaseOutcome> outcomes = {
        comment,
        Outcome(1, {{S::Value, 0.5}, {S::Fault, 0}, {S::NotApplicable, -99}, {S::Value, 0.7}}),
        Outcome(2, {{S::Value, 0.9}, {S::Value, 0.3}, {S::NotApplicable, -99}, {S::Value, 0.7}}),
        Outcome(3, {{S::Unbounded, kInf}, {S::Value, 0.2}, {S::NotApplicable, -99}, {S::Value, 0.6}}),
        Outcome(4, {{S::Value, 2.5}, {S::Fault, 0}, {S::NotApplicable, -99}, {S::Value, 0.7}}),
    };
    const std::vector<int> governing = GoverningCases(outcomes);
    ASSERT_EQ(governing.size(), FactorFields().size());
    // NOK beats any number; a fault is no value; N/A everywhere leaves no governing case.
    EXPECT_EQ(std::vector<int>(governing.begin(), governing.begin() + 4), (std::vector<int>{3, 2, -1, 1}));
    EXPECT_EQ(GoverningCases({comment}), std::vector<int>(FactorFields().size(), -1));
}

TEST_F(TableResults, AStoppedRunGivesNothing) {
    Read("two_cases.velti");
    std::vector<int> told;
    const auto all = RunCaseRows(c, tables, db, [&](int done) { return told.push_back(done), true; });
    ASSERT_TRUE(all);
    EXPECT_EQ(told, (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(RunCaseRows(c, tables, db, [](int done) { return done < 2; }));
}

}  // namespace
}  // namespace veltar

// The field table: each project-file line, case-table cell and window box held by
// exactly one field, and the precision a typed value is stored in.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "core/fieldtable.h"

namespace veltar {
namespace {

TEST(FieldTable, EachLineCellAndBoxBelongsToOneField) {
    std::map<int, std::string> lines, cells;
    std::set<std::string> names, widgets;
    for (const FieldDef& f : CaseFields()) {
        EXPECT_TRUE(names.insert(f.name).second) << f.name;
        const bool lineOnce = f.project.line <= 0 || lines.emplace(f.project.line, f.name).second;
        const bool cellOnce = f.caseCell < 0 || cells.emplace(f.caseCell, f.name).second;
        const bool boxOnce = !f.box.widget || widgets.insert(f.box.widget).second;
        EXPECT_TRUE(lineOnce && cellOnce && boxOnce) << f.name;
    }
    EXPECT_EQ(lines.size(), 47u);  // lines 2 to 48 of a project file
    EXPECT_EQ(lines.begin()->first, 2);
    EXPECT_EQ(lines.rbegin()->first, 48);
    // Cells 13 to 16 hold the profile codes and dimensions, the other 28 one field each.
    EXPECT_EQ(cells.size(), 28u);
    for (int cell : {13, 14, 15, 16}) EXPECT_EQ(cells.count(cell), 0u) << cell;
    EXPECT_EQ(cells.rbegin()->first, 31);
    EXPECT_EQ(ProjectField(30)->name, std::string("t"));
    EXPECT_EQ(FindField("nothing"), nullptr);
}

// A typed value is a 32-bit float: a real field then keeps it as a single, which
// decides how it is written and rounded; text and whole-number fields take none.
TEST(FieldTable, TypedValuesKeepTheirPrecision) {
    Case c;
    StoreTyped(c, *FindField("t"), 12.3f);
    EXPECT_EQ(c.t.kind(), Real::Kind::Single);
    EXPECT_EQ(double(c.t), double(12.3f));
    StoreTyped(c, *FindField("FS"), 1.2f);
    EXPECT_EQ(c.FS, 1.2f);
    StoreTyped(c, *FindField("LoadCond"), 2.0f);
    StoreTyped(c, *FindField("Project"), 2.0f);
    EXPECT_EQ(c.LoadCond, 0);
    EXPECT_EQ(c.Project, "Project");
    EXPECT_EQ(RealValue(c, *FindField("LoadCond")).kind(), Real::Kind::Whole);
    EXPECT_EQ(RealValue(c, *FindField("SigxS")).kind(), Real::Kind::Double);
    EXPECT_EQ(NumericValue(c, *FindField("Project")), 0.0);
    EXPECT_FALSE(IsNumeric(*FindField("Ident")));
}

// Limits are inclusive: the boundary value is allowed, as the messages say.
TEST(FieldTable, BoxLimitsAreInclusive) {
    const BoxSpec& fs = FindField("FS")->box;
    EXPECT_FALSE(fs.Breaks(0.6));
    EXPECT_FALSE(fs.Breaks(2));
    EXPECT_TRUE(fs.Breaks(2.0001));
    EXPECT_TRUE(FindField("t")->box.Breaks(0.09));
    EXPECT_FALSE(FindField("L1")->box.HasLimit());
}

}  // namespace
}  // namespace veltar

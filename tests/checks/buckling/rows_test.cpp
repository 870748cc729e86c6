// The buckling rows of the result list: order, styles, the row counter, skipped
// plate lines, the error row and the deformation rows.
#include <gtest/gtest.h>

#include <vector>

#include "checks/buckling/buckling.h"

namespace veltar {
namespace {

// A case whose result lines carry their own names, as a run leaves it before listing.
Case Listed(i16 calcErrorFlag = 0, i16 inclDeform = 0, double p = 0.03) {
    Case c;
    c.ResultRow = 1;
    c.CalcErrorFlag = calcErrorFlag;
    c.InclDeform = inclDeform;
    c.p = p;
    c.se = 612.25f;
    c.sw = 1250;
    c.PlateBucklingLine = ResultLine{"PB ", "f1", "0.91", " < 1.0 (3/3.1)", 2};
    c.PlateUltimateLine = ResultLine{"PU ", "f2", "1.20", " < 1.0 (3/3.3)", 4};
    c.PlateLateralLine = ResultLine{"PL ", "f3", "0.06", " < 1.0 (3/3.5)", 2};
    c.StiffBeamColumnLine = ResultLine{"UFbu= ", "f4", "NOK", "  < 1.0 (3/5.1)", 4};
    c.StiffTorsionLine = ResultLine{"", "no control", "", "", 2};
    c.StiffStiffnessLine = ResultLine{"UFst= ", "f6", "0.50", "  < 1.0 (3/9.1)", 2};
    c.GirderLine = ResultLine{"UFgbu= ", "f7", "0.00", "  < 1.0 (3/5.7)", 2};
    c.StiffDeformationLine = ResultLine{"Deformation ", "f8", "0.3 mm ", " ==> l/9375", 0};
    return c;
}

// Each row as style letter (N note, H heading, R result, E error) and text.
std::vector<std::string> Rows(Case c) {
    ShowBucklingResults(c);
    EXPECT_EQ(c.ResultRow, static_cast<i16>(c.Rows.size()));  // the first row takes the run's 1
    std::vector<std::string> out;
    for (const ListRow& row : c.Rows) out.push_back(std::string(1, "NHRE"[static_cast<int>(row.style)]) + row.text);
    return out;
}

const std::vector<std::string> kHead = {
    "N(Rule/Buckling: ABS-Buckling and Ultimate Strength Assessment for Offshore Structures)",
    "HPLATE BUCKLING CONTROL: (Max from plate 1/2)"};
const std::vector<std::string> kStiffener = {"HSTIFFENER BUCKLING CONTROL:",
                                             "NBuckling, se = 612.3 mm   Bending, sw = 1250.0 mm", "RUFbu= f4",
                                             "Rno control", "RUFst= f6"};
const std::vector<std::string> kGirder = {"HOVERALL BUCKLING CONTROL:", "RUFgbu= f7"};

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> out;
    for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

TEST(BucklingRows, Order) {
    EXPECT_EQ(Rows(Listed()), Join({kHead, {"RPB f1", "RPU f2", "RPL f3"}, kStiffener, kGirder}));
    EXPECT_EQ(Rows(Listed(1)),
              Join({kHead, {"RPB f1", "RPU f2", "RPL f3"}, kStiffener,
                    {"EERROR in calculation, decrease Sigy-stress"}, kGirder}));

    Case empty = Listed();
    for (ResultLine* line : {&empty.PlateBucklingLine, &empty.PlateUltimateLine, &empty.PlateLateralLine,
                             &empty.GirderLine})
        line->ClearTexts();
    EXPECT_EQ(Rows(empty), Join({kHead, kStiffener, {"HOVERALL BUCKLING CONTROL:", "R"}}));
}

TEST(BucklingRows, DeformationRowsNeedTheBoxAndAPressure) {
    const std::vector<std::string> both = {"HSTIFFENER DEFORMATION CHECK:", "RDeformation f8"};
    const auto base = Join({kHead, {"RPB f1", "RPU f2", "RPL f3"}, kStiffener, kGirder});
    EXPECT_EQ(Rows(Listed(0, 0, 0.03)), base);
    EXPECT_EQ(Rows(Listed(0, 1, 0.0)), base);
    EXPECT_EQ(Rows(Listed(0, 1, -0.03)), Join({base, both}));
    Case untitled = Listed(0, 1, 0.03);
    untitled.StiffDeformationLine.ClearTexts();
    EXPECT_EQ(Rows(untitled), Join({base, {both[0]}}));
}

TEST(BucklingRows, ResultColumnsAndErrorColour) {
    Case c = Listed(1);
    c.DecSep = 1;
    ShowBucklingResults(c);
    EXPECT_EQ(c.Rows[3].value, "1.20");
    EXPECT_EQ(c.Rows[3].reference, " < 1.0 (3/3.3)");
    EXPECT_EQ(c.Rows[3].colour, 4);
    EXPECT_EQ(c.Rows[6].text, "Buckling, se = 612,3 mm   Bending, sw = 1250,0 mm");
    EXPECT_EQ(c.Rows[10].colour, 255);
}

}  // namespace
}  // namespace veltar

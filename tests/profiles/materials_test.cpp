// Material grades: what a table grade copies, what the user-defined grade keeps, and
// the material factor Q.
#include <gtest/gtest.h>

#include "core/arith.h"
#include "core/numformat.h"
#include "profiles/materials.h"

namespace veltar {
namespace {

class Materials : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables)); }
    Tables tables;
    Case c;
};

TEST_F(Materials, TableGradeCopiesItsStrengthsAsSingles) {
    SetPlateMaterial(c, tables, 5);  // DH32
    EXPECT_EQ(double(c.Fyp), 315);
    EXPECT_EQ(c.Fyp.kind(), Real::Kind::Single);
    EXPECT_EQ(c.Fup, 440.0f);
    SetStiffenerMaterial(c, tables, 9);  // DH36
    EXPECT_EQ(double(c.Fys), 355);
    EXPECT_EQ(c.Fus, 490.0f);
    EXPECT_EQ(c.StiffQ, 0.72f);
}

TEST_F(Materials, UserDefinedGradeKeepsTheTypedStrengths) {
    const i16 user = static_cast<i16>(tables.Mat.count);
    c.Fyp = 300.0f;
    c.Fup = 450;
    SetPlateMaterial(c, tables, user);
    EXPECT_EQ(double(c.Fyp), 300);
    EXPECT_EQ(c.Fup, 450.0f);
    c.Fys = 300.0f;
    SetStiffenerMaterial(c, tables, user);
    EXPECT_EQ(double(c.Fys), 300);
    EXPECT_EQ(c.StiffQ, 1.0f);  // the factor of the user-defined line
    SetStiffenerMaterial(c, tables, static_cast<i16>(user - 1));  // the last table grade copies
    EXPECT_EQ(double(c.Fys), 460);
}

TEST_F(Materials, IndexOutsideTheTableChangesNothing) {
    c.Fyp = 300.0f;
    c.StiffQ = 0.5f;
    SetPlateMaterial(c, tables, -1);
    SetStiffenerMaterial(c, tables, 23);
    EXPECT_EQ(double(c.Fyp), 300);
    EXPECT_EQ(c.StiffQ, 0.5f);
}

TEST_F(Materials, FactorQ) {
    EXPECT_EQ(MaterialQ(tables, 2, 235, 400), 1.0f);
    EXPECT_EQ(MaterialQ(tables, 3, 355, 490), 1.0f);  // tabulated, whatever the strengths
    const float q = MaterialQ(tables, 4, 355, 490);    // formula, not the table's 0.78
    EXPECT_EQ(q, static_cast<float>(489.55 / (355 + 2 * 490.0 / 3)));
    EXPECT_EQ(Format(q, "0.0000"), "0.7182");
    EXPECT_THROW(MaterialQ(tables, 4, 0, 0), CalcFault);
}

}  // namespace
}  // namespace veltar

// Extreme inputs, as an untrusted project file may hold them: every check either
// completes or ends with a calculation fault, and no row shows a non-number.
#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "checks/buckling/buckling.h"
#include "panel.h"

namespace veltar {
namespace {

TEST(BucklingRobustness, ExtremeSingleInputs) {
    const float extremes[] = {0.0f, -0.0f, FLT_TRUE_MIN, -FLT_TRUE_MIN, FLT_MAX, -FLT_MAX, 1e-20f, -1.0f};
    for (int field = 0; field < 15; ++field) {
        for (const float v : extremes) {
            Case c = testing::Panel();
            c.InclDeform = 1;
            c.se = c.sw = 600;
            c.StiffAx = 3000.0, c.AeBu = 15000, c.IeBu = 5.0e7, c.rBu = 57.7, c.WesSw = 3.0e5, c.IeSc = 6.0e7;
            c.StiffGamma = 1.0e10, c.StiffIo = 3.0e7, c.StiffK = 5.0e4f, c.zpBu = 60, c.GirdA = 11800;
            Real* reals[] = {&c.t, &c.s1, &c.L1, &c.Lg, &c.Fyp, &c.Fys, &c.p, &c.SigxA, &c.StiffAx};
            float* floats[] = {&c.E, &c.UFa, &c.Tau, &c.se, &c.StiffK};
            if (field < 9) *reals[field] = v;
            if (field >= 9 && field < 14) *floats[field - 9] = v;
            if (field == 14) c.rBu = c.IeBu = c.WesSw = v;
            SCOPED_TRACE("input " + std::to_string(field) + " = " + std::to_string(v));
            if (!testing::FaultOf([&] { PrepareStresses(c); }).empty()) continue;
            for (auto step : {PlateBuckling, StiffenerBuckling, GirderBuckling, StiffenerStiffness})
                testing::FaultOf([&] { step(c); });
            ShowBucklingResults(c);
            for (const ListRow& row : c.Rows)
                for (const std::string& text : {row.text, row.value, row.reference})
                    EXPECT_TRUE(text.find("nan") == std::string::npos && text.find("inf") == std::string::npos)
                        << text;
        }
    }
}

}  // namespace
}  // namespace veltar

// The sweep: each step is the run a user gets by typing the value into its box, the
// crossing lies where the governing factor passes the limit, and the sentence that
// sums it up names the passing values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <regex>

#include "files/datatables.h"
#include "run/calculate.h"
#include "run/sweep.h"

namespace veltar {
namespace {

class SweepTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables).ok);
        base = Fresh();
        CollectedWarnings warnings;
        Calculate(base, tables, warnings);
    }

    // The start-up case with a T stiffener and a girder web that pass their checks,
    // as the window has it before the user types anything.
    Case Fresh() const {
        Case c;
        c.StiffKind = kTTable;
        c.TRow = 17;  // T 175 x 175 x 7 x 11
        c.GtTw = 12;
        PrepareStartupCase(c, tables);
        return c;
    }

    // A fresh case with one value typed, calculated once, in check mode `mode`.
    RunOutcome Typed(const std::function<void(Case&)>& type, int mode) const {
        Case c = Fresh();
        type(c);
        return CalculateOutcome(c, tables, mode);
    }

    SweepResult Sweep(const char* name, double from, double to, int steps, int mode) const {
        const SweepRange range{FindSweepable(name), from, to, steps};
        EXPECT_TRUE(CheckSweepRange(range).ok) << CheckSweepRange(range).message;
        return RunSweep(base, tables, range, mode);
    }

    Tables tables;
    Case base;
};

void ExpectSameOutcome(const RunOutcome& a, const RunOutcome& b, const std::string& where) {
    EXPECT_EQ(a.fault, b.fault) << where;
    EXPECT_EQ(a.passes, b.passes) << where;
    EXPECT_EQ(a.nokChecks, b.nokChecks) << where;
    EXPECT_EQ(a.governing, b.governing) << where;
    ASSERT_EQ(a.factors.size(), b.factors.size()) << where;
    for (size_t i = 0; i < a.factors.size(); ++i) {
        EXPECT_EQ(a.factors[i].state, b.factors[i].state) << where << " factor " << i;
        EXPECT_EQ(a.factors[i].value, b.factors[i].value) << where << " factor " << i;
    }
}

TEST_F(SweepTest, EveryStepIsTheRunOfTheTypedValue) {
    const i16 ownGrade = static_cast<i16>(tables.Mat.count);
    const struct {
        const char* name;
        double from, to;
        std::function<void(Case&, float)> type;
    } inputs[] = {
        {"t", 4, 30, [](Case& c, float v) { c.t = v; }},
        {"L1", -500, 500, [](Case& c, float v) { c.L1 = v; }},  // through zero: faults
        {"SigxA", -400, 50, [](Case& c, float v) { c.SigxA = v; }},
        {"p", -0.2, 0.2, [](Case& c, float v) { c.p = v; }},
        {"Lt", 1000, 5000, [](Case& c, float v) { c.Lt = v; }},
        // A typed strength belongs to the user-defined grade.
        {"Fyp", 100, 400,
         [ownGrade](Case& c, float v) {
             c.PlateGradeIndex = ownGrade;
             c.Fyp = v;
         }},
        {"Fys", 100, 400,
         [ownGrade](Case& c, float v) {
             c.StiffGradeIndex = ownGrade;
             c.Fys = v;
         }},
        {"UFa", 0.6, 2, [](Case& c, float v) { c.UFa = v; }},
    };
    for (const auto& in : inputs) {
        for (int mode : {1, 2, 3}) {
            const SweepResult r = Sweep(in.name, in.from, in.to, 8, mode);
            ASSERT_EQ(r.steps.size(), 9u);
            EXPECT_EQ(r.steps.front().value, static_cast<float>(in.from));
            EXPECT_EQ(r.steps.back().value, static_cast<float>(in.to));
            for (const SweepStep& s : r.steps) {
                const RunOutcome typed = Typed([&](Case& c) { in.type(c, s.value); }, mode);
                ExpectSameOutcome(
                    s.outcome, typed,
                    std::string(in.name) + " = " + std::to_string(s.value) + " mode " + std::to_string(mode));
            }
        }
    }
}

TEST_F(SweepTest, NokWithoutAFactorFailsTheStep) {
    // Brackets farther apart than 3000 mm read "NOK" without a usage factor of their own.
    const SweepResult brackets = Sweep("Lt", 2000, 4000, 2, 2);
    EXPECT_TRUE(brackets.steps[0].outcome.nokChecks.empty());
    ASSERT_EQ(brackets.steps[2].outcome.nokChecks.size(), 1u);
    EXPECT_EQ(brackets.steps[2].outcome.nokChecks[0], "Max distance between tripping brackets");
    EXPECT_FALSE(brackets.steps[2].outcome.passes);
}

TEST_F(SweepTest, TheCrossingsLieBetweenStepsThatStraddleTheLimit) {
    // The plate must be thick enough to buckle safely, and thin enough for the
    // stiffener to be stiff enough for it (io grows with t cubed).
    const SweepResult r = Sweep("t", 10, 30, 50, 1);
    ASSERT_EQ(r.crossings.size(), 2u);
    EXPECT_TRUE(r.crossings[0].PassesAbove());
    EXPECT_FALSE(r.crossings[1].PassesAbove());
    for (const SweepCrossing& x : r.crossings) {
        const SweepStep& a = r.steps[x.after];
        const SweepStep& b = r.steps[x.after + 1];
        const SweepStep& pass = x.PassesAbove() ? b : a;
        const SweepStep& fail = x.PassesAbove() ? a : b;
        EXPECT_LE(pass.outcome.GoverningValue(), kFactorLimit);
        EXPECT_GT(fail.outcome.GoverningValue(), kFactorLimit);
        EXPECT_LE(a.value, std::min(x.passing, x.failing));
        EXPECT_GE(b.value, std::max(x.passing, x.failing));
        // Narrowed to neighbouring floats: the one passes, the other does not.
        EXPECT_EQ(std::nextafter(x.failing, x.passing), x.passing);
        EXPECT_TRUE(Typed([&](Case& c) { c.t = x.passing; }, 1).passes);
        EXPECT_FALSE(Typed([&](Case& c) { c.t = x.failing; }, 1).passes);
    }

    // The bounds shown are rounded to the box's decimals on their passing side, and pass.
    std::smatch m;
    const std::string text = PassingText(r);
    ASSERT_TRUE(std::regex_match(text, m, std::regex("([0-9.]+) ≤ t ≤ ([0-9.]+) mm passes every check"))) << text;
    for (int i : {1, 2}) {
        const float shown = std::stof(m[i]);
        EXPECT_LT(std::fabs(shown - r.crossings[static_cast<size_t>(i - 1)].passing), 0.1f) << text;
        EXPECT_TRUE(Typed([&](Case& c) { c.t = shown; }, 1).passes) << text;
    }
}

// A result with the given passing steps over t = 10, 11, ... and a crossing between
// every pass and fail, halfway between the steps.
SweepResult Made(const std::vector<bool>& passes, const char* name = "t") {
    SweepResult r;
    r.range = {FindSweepable(name), 10, 10.0 + static_cast<double>(passes.size()) - 1, 1};
    for (size_t i = 0; i < passes.size(); ++i) {
        r.steps.push_back({10.0f + static_cast<float>(i), {}});
        r.steps.back().outcome.passes = passes[i];
    }
    for (size_t i = 0; i + 1 < passes.size(); ++i) {
        if (passes[i] == passes[i + 1]) continue;
        const float mid = 10.5f + static_cast<float>(i);
        r.crossings.push_back({i, passes[i] ? mid - 0.04f : mid + 0.04f, passes[i] ? mid + 0.01f : mid - 0.01f});
    }
    return r;
}

TEST(SweepText, PassingValuesInWords) {
    const struct {
        std::vector<bool> passes;
        const char* name;
        char sep;
        const char* text;
    } cases[] = {
        {{true, true, true}, "t", '.', "every value of t from 10 to 12 mm passes every check"},
        {{false, false}, "t", '.', "no value of t from 10 to 11 mm passes every check"},
        {{false, false, true}, "t", '.', "t ≥ 11.6 mm passes every check"},
        {{true, false, false}, "t", ',', "t ≤ 10,4 mm passes every check"},
        {{false, true, true, false}, "t", '.', "10.6 ≤ t ≤ 12.4 mm passes every check"},
        {{true, false, true}, "t", '.', "t ≤ 10.4 mm or t ≥ 11.6 mm passes every check"},
        // No unit, two decimals; the exponent mask of E keeps three significant digits.
        {{false, true}, "FS", '.', "FS ≥ 10.54 passes every check"},
        {{false, true}, "E", '.', "E ≥ 10.6 MPa passes every check"},
        // Whole millimetres: rounded up to 11 on the passing side above the bound.
        {{false, true}, "s1", '.', "s1 ≥ 11 mm passes every check"},
    };
    for (const auto& k : cases) EXPECT_EQ(PassingText(Made(k.passes, k.name), k.sep), k.text);
}

TEST_F(SweepTest, RangesAroundTheValueWithinTheLimits) {
    base.SigxB = 0;
    const struct {
        const char* name;
        double from, to;
    } defaults[] = {
        {"t", 10, 30},       {"Tau", 20, 60},
        {"Lt", 1500, 4500},  {"UFa", 0.6, 0.9},  // the lower half lies below the limit 0.6
        {"FS", 1.43 / 2, 2},                     // the upper half above the limit 2
        {"SigxB", -1, 1},                        // a value of zero has no half of its own
    };
    for (const auto& d : defaults) {
        const SweepRange r = DefaultSweepRange(base, *FindSweepable(d.name));
        EXPECT_NEAR(r.from, d.from, 1e-6) << d.name;
        EXPECT_NEAR(r.to, d.to, 1e-6) << d.name;
        EXPECT_EQ(r.steps, kDefaultSweepSteps);
        EXPECT_TRUE(CheckSweepRange(r).ok) << d.name;
    }
}

TEST(SweepRanges, WhatCannotBeSwept) {
    const struct {
        const char* name;
        double from, to;
        int steps;
        const char* message;  // empty: the range is sound
    } ranges[] = {
        {"t", 0.1, 30, 1, ""},
        {"L1", -1e4, 1e4, kMaxSweepSteps, ""},
        {"t", 0, 30, 50, "the range of t from 0 to 30 leaves its limit 0.1 <= t"},
        {"UFa", 0.3, 0.9, 50, "the range of UFa from 0.3 to 0.9 leaves its limit 0.6 <= UF <= 2"},
        {"Fyp", 100, 2500, 50, "the range of Fyp from 100 to 2500 leaves its limit 50 <= fyp <= 2000"},
        {"t", 30, 10, 50, "the range of t must run from a lower to a higher value"},
        {"t", 10, 10, 50, "the range of t must run from a lower to a higher value"},
        {"t", 10, NAN, 50, "the range of t must be two numbers a box can hold"},
        {"p", -1e39, 0, 50, "the range of p must be two numbers a box can hold"},
        {"t", 10, 30, 0, "the number of steps must be 1 to 10000"},
        {"t", 10, 30, kMaxSweepSteps + 1, "the number of steps must be 1 to 10000"},
    };
    for (const auto& k : ranges) {
        const Status s = CheckSweepRange({FindSweepable(k.name), k.from, k.to, k.steps});
        EXPECT_EQ(s.ok, *k.message == '\0') << k.name << " " << k.from;
        EXPECT_EQ(s.message, k.message);
    }
    EXPECT_FALSE(CheckSweepRange({nullptr, 1, 2, 1}).ok);
}

TEST(SweepRanges, TheInputsOfTheMainWindowBoxes) {
    std::vector<std::string> names;
    for (const FieldDef* f : SweepableFields()) names.push_back(f->name);
    const std::vector<std::string> expected{"t",     "s1",    "s2",    "L1",    "L2",  "Lg",  "Lgs", "Lt",
                                            "SigxA", "SigxB", "SigyA", "SigyC", "Tau", "p",   "ps",  "Fyp",
                                            "Fup",   "Fys",   "Fus",   "E",     "FS",  "UFa", "UL"};
    EXPECT_EQ(names, expected);
    // Texts and choices have no range.
    for (const char* name : {"Project", "Ident", "LoadCond", "StiffKind", "LRow", "UFpb", "nothing"})
        EXPECT_EQ(FindSweepable(name), nullptr) << name;
}

}  // namespace
}  // namespace veltar

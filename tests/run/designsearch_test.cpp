// The design search: the winner passes and nothing lighter in the searched set does
// (checked by trying every candidate here), a faulting candidate is never ranked, and
// "Apply" changes exactly the inputs the search varied.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "core/fieldtable.h"
#include "files/datatables.h"
#include "profiles/sections.h"
#include "run/calculate.h"
#include "run/designsearch.h"
#include "run/outcome.h"

namespace veltar {
namespace {

DesignCandidate Candidate(i16 kind, int row, float t) {
    DesignCandidate d;
    d.kind = kind;
    d.row = row;
    d.t = t;
    return d;
}

class DesignSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables).ok);
        base.GtTw = 12;  // the girder's web passes its scantling check, whatever the panel
        PrepareStartupCase(base, tables);
        CollectedWarnings warnings;
        Calculate(base, tables, warnings);
    }

    DesignSpace Space(DesignVary vary, std::vector<KindSource> kinds, double from, double to, int mode) const {
        DesignSpace s{vary, std::move(kinds), from, to, mode, kDefaultTop};
        EXPECT_TRUE(CheckDesignSpace(s).ok) << CheckDesignSpace(s).message;
        return s;
    }

    // The candidate applied to a copy of the case and calculated: what the user gets.
    std::pair<RunOutcome, Case> Applied(const DesignCandidate& d, DesignVary vary, int mode) const {
        Case c = base;
        ApplyDesign(c, tables, d, vary);
        RunOutcome o = CalculateOutcome(c, tables, mode);
        return {o, c};
    }

    Tables tables;
    Case base;
};

TEST(PanelWeight, PlateAndOneStiffenerPerMeanSpacing) {
    Case c;
    c.t = 20;
    c.StiffAx = 1800;  // a 200 x 9 flat bar
    c.sm = 625;
    // 7850 kg/m3 x (20 mm + 1800 mm2 / 625 mm) = 179.608 kg/m2
    EXPECT_NEAR(PanelWeight(c), 179.608, 1e-9);
    c.sm = 900;  // s1 = 600, s2 = 1200
    EXPECT_NEAR(PanelWeight(c), 7.85 * 22.0, 1e-9);
}

TEST_F(DesignSearchTest, NothingLighterInTheSetPasses) {
    for (int mode : {1, 2, 3}) {
        const DesignSpace space = Space(DesignVary::Both, {KindSource::TTable, KindSource::BFTable}, 14, 20, mode);
        const DesignResult r = SearchDesigns(base, tables, space);
        // Every candidate of the set, tried one by one.
        int passing = 0, candidates = 0;
        double lightest = INFINITY;
        for (const StiffKindDef& k : StiffKinds()) {
            if (k.source != KindSource::TTable && k.source != KindSource::BFTable) continue;
            for (int row = 0; row <= TableFor(tables, k.source).table->count; ++row) {
                for (float t = 14; t <= 20; t += 0.5f) {
                    ++candidates;
                    const auto [o, c] = Applied(Candidate(k.kind, row, t), DesignVary::Both, mode);
                    if (!o.passes) continue;
                    ++passing;
                    lightest = std::min(lightest, PanelWeight(c));
                }
            }
        }
        EXPECT_EQ(r.candidates, candidates);
        EXPECT_EQ(r.passing, passing);
        ASSERT_FALSE(r.best.empty()) << "mode " << mode;
        ASSERT_EQ(r.best.size(), std::min<size_t>(kDefaultTop, static_cast<size_t>(passing)));
        EXPECT_EQ(r.best[0].weight, lightest);
        for (size_t i = 0; i < r.best.size(); ++i) {
            const auto [o, c] = Applied(r.best[i], DesignVary::Both, mode);
            EXPECT_TRUE(o.passes) << "rank " << i + 1;
            EXPECT_EQ(PanelWeight(c), r.best[i].weight);
            EXPECT_EQ(FactorName(mode, o.governing), r.best[i].governing);
            EXPECT_EQ(o.GoverningValue(), r.best[i].uf);
            EXPECT_EQ(c.stiffprof, r.best[i].profile);
            if (i > 0) {
                EXPECT_LE(r.best[i - 1].weight, r.best[i].weight);
            }
        }
    }
}

TEST_F(DesignSearchTest, AFaultingCandidateIsSkipped) {
    // A flat bar without thickness has no section: its run faults.
    tables.Fb.row[2][1] = 0;
    const DesignSpace space = Space(DesignVary::Stiffener, {KindSource::FbTable}, 0, 0, 1);
    const DesignResult r = SearchDesigns(base, tables, space);
    EXPECT_EQ(r.candidates, tables.Fb.count + 1);
    EXPECT_EQ(r.faulted, 1);
    for (const DesignCandidate& d : r.best) EXPECT_NE(d.row, 2);
    const DesignCandidate faulty = Candidate(kFbTable, 2, 20);
    EXPECT_NE(Applied(faulty, DesignVary::Stiffener, 1).first.fault, "");
}

TEST_F(DesignSearchTest, ApplyChangesExactlyTheVariedInputs) {
    // Dimensions resolved from the stiffener's table row follow the row.
    const std::set<std::string> resolved{"StiffAx", "StiffH", "StiffB", "StiffTw", "StiffTf", "StiffR", "StiffC"};
    const DesignCandidate bulb = Candidate(kBulb, 3, 12.5f);
    const struct {
        DesignVary vary;
        std::set<std::string> changed;
    } cases[] = {
        {DesignVary::Plate, {"t"}},
        {DesignVary::Stiffener, {"StiffKind", "BFRow"}},
        {DesignVary::Both, {"t", "StiffKind", "BFRow"}},
    };
    for (const auto& k : cases) {
        Case c = base;
        ApplyDesign(c, tables, bulb, k.vary);
        const bool stiffener = k.vary != DesignVary::Plate;
        for (const FieldDef& f : CaseFields()) {
            if (f.project.line == 0 && !f.box.widget && f.caseCell < 0) continue;  // not an input
            if (stiffener && resolved.count(f.name)) continue;
            const bool same = IsNumeric(f) ? NumericValue(c, f) == NumericValue(base, f)
                                           : c.*std::get<std::string Case::*>(f.member) ==
                                                 base.*std::get<std::string Case::*>(f.member);
            EXPECT_EQ(same, !k.changed.count(f.name)) << f.name;
        }
        EXPECT_EQ(c.stiffprof.starts_with("BF "), stiffener);
        if (k.vary != DesignVary::Stiffener) {
            EXPECT_EQ(RealValue(c, *FindField("t")).kind(), Real::Kind::Single);
        }
    }
}

TEST_F(DesignSearchTest, KeptInputsStayTheCases) {
    base.t = 14.2f;  // off the 0.5 mm grid: kept as it is
    const DesignResult stiffeners =
        SearchDesigns(base, tables, Space(DesignVary::Stiffener, {KindSource::LTable}, 0, 0, 1));
    for (const DesignCandidate& d : stiffeners.best) {
        EXPECT_EQ(d.t, 14.2f);
        EXPECT_EQ(d.kind, kLTable);
    }
    EXPECT_EQ(stiffeners.candidates, tables.L.count + 1);
    const DesignResult plates = SearchDesigns(base, tables, Space(DesignVary::Plate, {}, 9.8, 30.2, 1));
    EXPECT_EQ(plates.candidates, 41);  // 10, 10.5, ..., 30
    for (const DesignCandidate& d : plates.best) {
        EXPECT_EQ(d.row, -1);
        EXPECT_EQ(d.profile, base.stiffprof);
        EXPECT_EQ(std::fmod(d.t, 0.5f), 0.0f);
    }
}

TEST(DesignSpaces, WhatCannotBeSearched) {
    const std::vector<KindSource> all{KindSource::LTable};
    const struct {
        DesignSpace space;
        const char* message;
    } spaces[] = {
        {{DesignVary::Both, all, 10, 30, 3, 10}, ""},
        {{DesignVary::Plate, {}, 10.1, 10.4, 1, 10},
         "the plate thickness range from 10.1 to 10.4 mm holds no "
         "thickness of the 0.5 mm grid"},
        {{DesignVary::Plate, {}, 0, 0.4, 1, 10},
         "the plate thickness range from 0 to 0.4 mm holds no thickness "
         "of the 0.5 mm grid"},
        {{DesignVary::Stiffener, {}, 0, 0, 1, 10}, "choose at least one profile table for the stiffener"},
        {{DesignVary::Stiffener, all, 30, 10, 1, 10}, ""},  // the thickness is not searched
        {{DesignVary::Both, all, 30, 10, 1, 10},
         "the plate thickness range from 30 to 10 mm must run from a lower "
         "to a higher thickness"},
        {{DesignVary::Both, all, 1, 1e9, 1, 10},
         "the plate thickness range from 1 to 1000000000 mm holds more "
         "than 2000 thicknesses"},
        {{DesignVary::Both, all, 10, NAN, 1, 10}, "the plate thickness range must be two numbers"},
        {{DesignVary::Both, all, 10, 30, 4, 10}, "the check mode must be 1, 2 or 3"},
        {{DesignVary::Both, all, 10, 30, 1, 0}, "the number of panels kept must be 1 to 1000"},
    };
    for (const auto& k : spaces) {
        const Status s = CheckDesignSpace(k.space);
        EXPECT_EQ(s.ok, *k.message == '\0') << k.message;
        EXPECT_EQ(s.message, k.message);
    }
}

}  // namespace
}  // namespace veltar

// The design search: every stiffener of the chosen profile tables and every plate
// thickness of a range tried on a copy of the case, the lightest passing panels kept.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/case.h"
#include "core/status.h"
#include "profiles/kinds.h"
#include "profiles/tables.h"

namespace veltar {

enum class DesignVary : std::uint8_t { Stiffener, Plate, Both };

// Plate thicknesses are tried on this grid (mm), as plates are rolled.
constexpr double kThicknessStep = 0.5;
constexpr int kMaxThicknesses = 2000;
constexpr int kDefaultTop = 10;

// A profile table the stiffeners may come from, with its command-line code and caption.
struct SearchKind {
    KindSource source;
    const char* code;     // "L", "T", "FB", "BF"
    const char* caption;  // of its check box
};
std::span<const SearchKind> SearchKinds();
// The table of a code, null for an unknown one (codes are case-sensitive).
const SearchKind* SearchKindByCode(std::string_view code);

struct DesignSpace {
    DesignVary vary = DesignVary::Both;
    std::vector<KindSource> kinds;  // tables of the stiffener candidates
    double tFrom = 0, tTo = 0;      // plate thickness range (mm)
    int mode = 3;                   // check mode whose checks must pass
    int top = kDefaultTop;          // how many of the lightest passing panels are kept
};

// Both varied, every table, the thickness from half to one and a half times the case's.
DesignSpace DefaultDesignSpace(const Case& c);

// Ok, or a message that names the setting at fault.
Status CheckDesignSpace(const DesignSpace& space);

// The thicknesses on the grid within the range; the case's own when the plate is kept.
std::vector<float> SearchThicknesses(const DesignSpace& space, const Case& c);

struct DesignCandidate {
    i16 kind = 0;           // stiffener kind
    int row = -1;           // table row; -1 when the case's own stiffener is kept
    float t = 0;            // plate thickness (mm)
    std::string profile;    // the stiffener as the main window describes it
    double weight = 0;      // steel of the panel (kg/m2)
    std::string governing;  // the highest usage factor's name
    double uf = 0;          // and its value
};

struct DesignResult {
    std::vector<DesignCandidate> best;  // lightest first
    int candidates = 0;
    int passing = 0;
    int faulted = 0;
    std::vector<std::string> alwaysFailing;  // checks that fail for every candidate that ran
};

// Steel weight of a calculated panel per square metre: the plate and one stiffener
// per mean spacing. The girder is left out, as it is the same for every candidate.
double PanelWeight(const Case& c);

// Tries every candidate of a checked space; `base` stays untouched. A candidate whose
// run faults is counted but never ranked.
DesignResult SearchDesigns(const Case& base, const Tables& tables, const DesignSpace& space);

// Puts the varied inputs of a candidate into the case and resolves its stiffener;
// nothing else of the case changes.
void ApplyDesign(Case& c, const Tables& tables, const DesignCandidate& d, DesignVary vary);

}  // namespace veltar

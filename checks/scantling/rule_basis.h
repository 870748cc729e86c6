// Pieces shared by the scantling and yield checks: the structure type that selects
// the rule paragraph, the von Mises stress, the pass/fail colour and the governing
// section modulus.
#pragma once

#include <string>
#include <string_view>

#include "core/arith.h"
#include "core/case.h"
#include "profiles/tables.h"

namespace veltar::scantling {

// The c-factor tab turns any tab but the first two into upper structure, so every
// BulkheadType other than 0 and 1 is read that way here too.
enum class Structure { Watertight, Tank, Upper };

Structure StructureOf(const Case& c);

// The second option of each structure type (no end attachment, supported at both
// ends by girder, in way of tanks); anything but 1 is the first.
inline bool SecondOption(const Case& c) { return c.EndOption == 1; }

// One text per structure type, e.g. the rule paragraph of a check.
std::string_view ByStructure(Structure s, std::string_view watertight, std::string_view tank, std::string_view upper);

// sqrt(sx^2 + sy^2 - sx*sy + 3*tau^2); an overflow ends the run with `hint`.
double VonMises(const Checked& k, double sx, double sy, double tau, std::string_view hint);

// A governing stress and whether it is held as a 32-bit float, which decides the
// digits its text is rounded from.
struct Governing {
    int point = 1;
    double value = 0;
    bool single = false;
};

// Replaces `g` only when `value` is strictly greater: ties stay with the earlier point.
void TakeIfGreater(Governing& g, int point, double value, bool single = false);

// Appends a governing stress under the mask, in the precision it is held in.
ResultText& NumHeld(ResultText& text, const Governing& g, const NumMask& mask);

// The smaller of the two section moduli (mm3) in cm3, held as a 32-bit float.
float WeffMin(const Checked& k, double wAtPlate, double wAtTop, std::string_view hint);

// Material factor Q of the plate grade (plate and girder material).
float PlateQ(const Case& c, const Tables& tables);

// The rule paragraphs of a check for a watertight bulkhead, a tank bulkhead and upper structure.
struct ByType {
    std::string_view watertight, tank, upper;
};

// A required section modulus `sm` against the smaller actual one: the usage factor,
// and its "UF = SM/Weffmin  = " line when the factor is positive. A zero modulus
// ends the run with `zeroHint`.
double ModulusCheck(const Case& c, const Checked& k, ResultLine& line, double sm, float weffmin,
                    std::string_view zeroHint, const ByType& reference);

}  // namespace veltar::scantling

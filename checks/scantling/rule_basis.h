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
std::string_view ByStructure(Structure s, std::string_view watertight, std::string_view tank,
                             std::string_view upper);

// Palette colour of a usage factor: red above 1.0, green otherwise (1.00 passes).
inline i16 UsageColour(double uf) { return uf > 1.0 ? 4 : 2; }

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

// Text of a governing stress with the mask, in the precision it is held in.
std::string FormatHeld(const Governing& g, std::string_view mask, char sep);

// The smaller of the two section moduli (mm3) in cm3, held as a 32-bit float.
float WeffMin(const Checked& k, double wAtPlate, double wAtTop, std::string_view hint);

// Material factor Q of the plate grade (plate and girder material).
float PlateQ(const Case& c, const Tables& tables);

// "UF = SM/Weffmin  = " line of a required section modulus against the actual one.
void FillModulusLine(ResultLine& line, const Case& c, double sm, float weffmin, double uf,
                     std::string_view reference);

}  // namespace veltar::scantling

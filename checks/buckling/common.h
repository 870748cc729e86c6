// Constants and small helpers shared by the plate, stiffener and girder buckling checks.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "core/arith.h"
#include "core/case.h"
#include "core/numformat.h"

namespace veltar::buckling {

// pi is a 32-bit float in the buckling formulas; its square is formed in double.
inline constexpr float kPi = 3.141593f;
inline constexpr double kPi2 = static_cast<double>(kPi) * static_cast<double>(kPi);
// 12·(1 − ν²) with ν = 0.3, the plate rigidity denominator.
inline constexpr double kPlateRigidity = 12.0 * 0.91;

// Palette index of a usage factor: a factor of exactly 1 still passes.
inline i16 ColourOf(double uf) { return uf > 1.0 ? 4 : 2; }

// Critical stress above the proportional limit (Johnson-Ostenfeld):
// s0·(1 − factor·s0/sE), with factor = Pr·(1 − Pr).
inline double Inelastic(const Checked& k, double s0, double sE, double factor, std::string_view hint) {
    return s0 * (1.0 - k.Div(factor * s0, sE, hint));
}

// Fills the four texts and the colour of a result line.
inline void SetLine(ResultLine& line, std::string title, std::string formula, std::string value,
                    std::string_view reference, i16 colour) {
    line.Title = std::move(title);
    line.Formula = std::move(formula);
    line.Value = std::move(value);
    line.Reference = reference;
    line.Colour = colour;
}

// Builds a result text from numbers, each formatted with the case's decimal separator.
class Text {
public:
    // Formula texts run to about a hundred characters: one allocation, not four.
    explicit Text(const Case& c) : sep_(SepOf(c.DecSep)) { out_.reserve(128); }

    Text& operator<<(std::string_view s) {
        out_ += s;
        return *this;
    }
    template <typename T>
    Text& Num(T x, std::string_view mask) {
        out_ += Format(x, mask, sep_);
        return *this;
    }
    // Hands the text over; the builder is spent afterwards.
    std::string str() { return std::move(out_); }

private:
    char sep_;
    std::string out_;
};

}  // namespace veltar::buckling

// A case field that keeps the precision of its last assignment.
// Defaults are whole numbers, typed values 32-bit floats, computed values doubles;
// the project file writes each in its own precision and the masks round each at
// its own number of significant digits, so the precision is part of the value.
#pragma once

#include <cstdint>

namespace veltar {

class Real {
public:
    enum class Kind : std::uint8_t { Whole, Single, Double };

    constexpr Real() = default;
    constexpr Real(int v) : v_(v), kind_(Kind::Whole) {}
    constexpr Real(float v) : v_(v), kind_(Kind::Single) {}
    constexpr Real(double v) : v_(v), kind_(Kind::Double) {}

    constexpr operator double() const { return v_; }
    constexpr Kind kind() const { return kind_; }

    // Negation keeps the stored precision, as the "+/-" button and the old-file
    // pressure reversal do.
    constexpr Real operator-() const {
        Real r = *this;
        r.v_ = -v_;
        return r;
    }

private:
    double v_ = 0.0;
    Kind kind_ = Kind::Whole;
};

}  // namespace veltar

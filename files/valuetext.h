// One value per project-file line: numbers in invariant form (a point whatever the
// locale) and texts between double quotes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace veltar {

struct LineNumber {
    enum class Fault : std::uint8_t { None, NotANumber, OutOfRange };
    double value = 0;
    Fault fault = Fault::None;
};

// The double nearest the decimal; blanks around it are allowed, nothing else.
LineNumber ReadDoubleText(std::string_view text);

// The 32-bit float nearest the decimal, returned as a double; a value too small for
// a float reads as zero, one too large for it is out of range.
LineNumber ReadSingleText(std::string_view text);

// The text without the pair of double quotes around it; a line without them is
// taken as it stands, blanks around it removed.
std::string_view UnquoteText(std::string_view line);

// A text between double quotes. A quote or a line break inside it could not be read
// back from a one-value line, so they become an apostrophe and a blank.
std::string QuoteText(std::string_view text);

}  // namespace veltar

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

// The text as a one-value line can hold it: a quote would end it early and a line
// break would split the line, so they become an apostrophe and a blank. The reader
// applies it too, so that a text it accepts is saved as it was read.
std::string StorableText(std::string_view text);

// StorableText between double quotes.
std::string QuoteText(std::string_view text);

// A number in the file's form: the plain text of its precision (7 significant digits
// for a float, 15 for a double) where that reads back as the same value, otherwise the
// shortest text that does (up to 9 or 17 digits), so that no finite value is lost.
std::string NumberText(float x);
std::string NumberText(double x);

}  // namespace veltar

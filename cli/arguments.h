// Values of command-line options, read with the one decimal grammar of the program.
#pragma once

#include <string_view>

namespace veltar::cli {

// A decimal number ("12", "-0.5", "2.06e5"); false for anything else.
bool ReadNumberArg(std::string_view text, double& value);

// A whole number from `min` to `max`; false for anything else.
bool ReadWholeArg(std::string_view text, int min, int max, int& value);

}  // namespace veltar::cli

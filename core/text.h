// Small text helpers shared by the readers of every file format.
#pragma once

#include <string_view>

namespace veltar {

// `s` without the characters of `blanks` at either end.
inline std::string_view Trim(std::string_view s, std::string_view blanks = " \t") {
    const auto first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

}  // namespace veltar

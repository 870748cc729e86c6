// The numeric input boxes of the main window: field, masks, limit and message.
// One table drives parsing, writing back, range warnings and ShowCase.
#pragma once

#include <span>
#include <string_view>

#include "core/case.h"

namespace veltar {

struct BoxDef {
    std::string_view name;        // object name of the box
    Real (*get)(const Case&);
    void (*set)(Case&, float);    // stores a typed value
    std::string_view entryMask;   // written back after the user's entry
    std::string_view showMask;    // written by ShowCase
    bool (*broken)(double);       // the value breaks the box's limit (null: no limit)
    std::string_view message;     // the limit warning, blanks included
};

// In the order ShowCase writes them.
std::span<const BoxDef> NumericBoxes();

// The box of that name, or null.
const BoxDef* FindBox(std::string_view name);

}  // namespace veltar

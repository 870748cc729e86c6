// The numeric input boxes of the main window: the fields of the field table that
// have one, with their masks, limits and messages. One table drives parsing, writing
// back, range warnings and ShowCase.
#pragma once

#include <span>
#include <string_view>

#include "core/fieldtable.h"

namespace veltar {

// In the order of the field table.
std::span<const FieldDef* const> NumericBoxes();

// The field of the box of that object name, or null.
const FieldDef* FindBox(std::string_view widget);

}  // namespace veltar

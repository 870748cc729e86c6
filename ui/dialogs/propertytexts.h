// The property labels of a profile dialog: caption, object name and text of each,
// the profile's own frame first, then the frame with the plate strip. A value that
// could not be formed (a faulted section or run) is a blank, never a stale number.
#pragma once

#include <string>
#include <vector>

#include "core/case.h"
#include "ui/dialogs/dialogtable.h"

namespace veltar {

struct PropertyLine {
    const char* caption;
    const char* name;
    std::string text;
};

struct PropertyLines {
    std::vector<PropertyLine> profile;  // table dimensions, then the bare section
    std::vector<PropertyLine> plating;
};

PropertyLines PropertyTexts(const Case& c, const DialogDef& def);

}  // namespace veltar

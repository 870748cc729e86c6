// The project file: one case, 48 lines of single values, written and read back in
// each field's own precision.
#pragma once

#include <string>

#include "core/case.h"
#include "core/status.h"
#include "profiles/tables.h"

namespace veltar {

// Applies the extension rule to `path` in place (".kvt" -> ".kvrt", else ".hlm" ->
// ".kvrt"), then replaces the file as a whole: a failed save leaves the file that
// was there untouched. On success FileName = path.
Status WriteProjectFile(Case& c, std::string& path);

// What the project file of `c` would hold, so two cases differ for the file exactly
// when these texts do. A value that can't be written ends the text with the reason.
std::string ProjectFileText(const Case& c);

// Reads a current or older-version file, finds the table rows of the stiffener
// again and fills the dimension memory of the profile and girder dialogs. The case
// changes only when the whole file converted; errors name the file and the line.
// On success FileName = path.
Status ReadProjectFile(Case& c, const Tables& tables, const std::string& path);

}  // namespace veltar

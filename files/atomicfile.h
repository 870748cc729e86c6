// Replacing a file as a whole: the new content goes to a temporary file beside the
// target, which is then renamed over it, so a failed save never truncates the old file.
#pragma once

#include <string>
#include <string_view>

#include "core/status.h"

namespace veltar {

// On failure the message is the reason alone (e.g. "Permission denied"); the caller
// names the file in its own words. Follows a symbolic link to the file it names and
// keeps the link; refuses a file the user made read-only.
Status ReplaceFileContent(const std::string& path, std::string_view content);

}  // namespace veltar

// Replacing a file as a whole: the new content goes to a temporary file beside the
// target, which is then renamed over it, so a failed save never truncates the old file.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/status.h"

namespace veltar {

// On failure the message is the reason alone (e.g. "Permission denied"); the caller
// names the file in its own words. Follows a symbolic link to the file it names and
// keeps the link; refuses a file the user made read-only.
Status ReplaceFileContent(const std::string& path, std::string_view content);

// The same for content written in pieces, so that it never needs to be in memory
// whole: the pieces go to the temporary file and Commit renames it over the target.
// Dropped before Commit (or after a failure), the replacement removes its temporary
// file and leaves the target as it was. Messages as ReplaceFileContent's.
class FileReplacement {
public:
    FileReplacement() = default;
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    ~FileReplacement();

    Status Open(const std::string& path);
    Status Write(std::string_view piece);
    Status Commit();

private:
    void Discard();

    std::filesystem::path target_;
    std::filesystem::path temp_;
    std::FILE* file_ = nullptr;
};

}  // namespace veltar

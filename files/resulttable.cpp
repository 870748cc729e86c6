// Writing the result table: it replaces the target as a whole, so a failed write
// leaves any earlier table intact.
#include "files/resulttable.h"

#include <filesystem>

#include "files/atomicfile.h"

namespace veltar {

std::string ResultPath(const std::string& casePath) {
    return std::filesystem::path(casePath).replace_extension(".velto").string();
}

Status SaveResultTable(const std::string& path, const std::string& text) {
    Status s = ReplaceFileContent(path, text);
    if (!s) return Status::Error("can't save file - " + path + " (" + s.message + ")");
    return s;
}

}  // namespace veltar

// Writing the result table: it replaces the target as a whole, so a failed write
// leaves any earlier table intact.
#include "files/resulttable.h"

#include <filesystem>

#include "files/atomicfile.h"

namespace veltar {

std::string ResultPath(const std::string& casePath) {
    return std::filesystem::path(casePath).replace_extension(".velto").string();
}

Status CheckResultPath(const std::string& casePath, const std::string& resultPath) {
    // The same file whatever the names; a result file that does not exist yet is none.
    std::error_code ec;
    if (!std::filesystem::equivalent(casePath, resultPath, ec)) return Status::Ok();
    return Status::Error("the result table " + resultPath + " would replace the case table " + casePath);
}

Status SaveResultTable(const std::string& path, const std::string& text) {
    Status s = ReplaceFileContent(path, text);
    if (!s) return Status::Error("can't save file - " + path + " (" + s.message + ")");
    return s;
}

}  // namespace veltar

// report in a build without the window libraries: the command is absent and says so.
#include <cstdio>

#include "cli/common.h"
#include "cli/report_command.h"

namespace veltar::cli {

int RunReport(int, char**) {
    std::fputs("veltar-cli: report is not available: this veltar-cli was built without Qt (VELTAR_GUI=OFF)\n", stderr);
    return kExitFileError;
}

}  // namespace veltar::cli

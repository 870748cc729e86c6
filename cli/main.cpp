// veltar-cli: the headless tool on the calculation engine.
#include <cstdio>
#include <cstring>

#include "cli/batch_command.h"
#include "cli/calc_command.h"
#include "cli/common.h"
#include "cli/report_command.h"

namespace {

constexpr const char* kUsage =
    "usage: veltar-cli <command> [options]\n"
    "  calc [FILE.velta] [--data DIR] [--mode 1|2|3] [--deform] [--json]\n"
    "        calculate the default case or a project file; print the result list or JSON\n"
    "  save OUT.velta [--from IN.velta] [--data DIR]\n"
    "        write the default case, or IN opened and recalculated (older formats too), to OUT\n"
    "  batch FILE.velti [-o OUT.velto] [--data DIR]\n"
    "        run every case of a case table and write its result table\n"
    "  report [FILE.velta] --mode 1|2|3 [--deform] -o OUT.pdf [--data DIR]\n"
    "        write the printed report of the default case or a project file as a PDF\n"
    "  --help | --version\n"
    "        print this text or the version\n"
    "Exit codes: 0 done, 1 wrong usage, 2 a file could not be read or written.\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace veltar::cli;
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
    const char* command = argv[1];
    if (std::strcmp(command, "calc") == 0) return RunCalc(argc - 2, argv + 2);
    if (std::strcmp(command, "save") == 0) return RunSave(argc - 2, argv + 2);
    if (std::strcmp(command, "batch") == 0) return RunBatch(argc - 2, argv + 2);
    if (std::strcmp(command, "report") == 0) return RunReport(argc - 2, argv + 2);
    if (std::strcmp(command, "--help") == 0 || std::strcmp(command, "help") == 0) {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    if (std::strcmp(command, "--version") == 0) {
        std::puts("veltar-cli " VELTAR_VERSION);
        return kExitOk;
    }
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

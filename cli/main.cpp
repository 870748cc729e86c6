// veltar-cli: the headless tool on the calculation engine.
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/args.h"
#include "cli/batch_command.h"
#include "cli/calc_command.h"
#include "cli/common.h"
#include "cli/design_command.h"
#include "cli/report_command.h"
#include "cli/sweep_command.h"

namespace {

constexpr const char* kUsage =
    "usage: veltar-cli <command> [options]\n"
    "  calc [FILE.velta] [--data DIR] [--mode 1|2|3] [--deform] [--json]\n"
    "        calculate the default case or a project file; print the result list or JSON\n"
    "        (--mode 1 buckling, 2 scantling/yield, 3 both; 3 by default)\n"
    "  save OUT.velta [--from IN.velta] [--data DIR]\n"
    "        write the default case, or IN opened and recalculated (older formats too), to OUT\n"
    "  batch FILE.velti|- [-o OUT|-] [--format velto|csv|jsonl] [--jobs N] [--data DIR]\n"
    "        run every case of a case table and write its result table (- standard input or output)\n"
    "        (veltar-cli batch --help: where the case-table format is described)\n"
    "  report [FILE.velta] --mode 1|2|3 [--deform] -o OUT.pdf [--data DIR]\n"
    "        write the printed report of the default case or a project file as a PDF\n"
    "        (--mode 1 buckling, 2 scantling/yield, 3 both)\n"
    "  sweep [FILE.velta] --param NAME [--from A] [--to B] [--steps N] [--mode 1|2|3] [--format csv|jsonl]\n"
    "        run one input over a range: every usage factor per step, the passing values on stderr\n"
    "  design [FILE.velta] --vary stiffener|plate|both [--kinds L,T,FB,BF] [--t-from A --t-to B] [--top N]\n"
    "         [--mode 1|2|3] [--json]\n"
    "        the lightest table stiffeners and plate thicknesses that pass every check\n"
    "  --help | --version\n"
    "        print this text or the version; <command> --help prints the command's usage\n"
    "Exit codes: 0 done, 1 wrong usage, 2 a file could not be read or written.\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace veltar::cli;
    if (argc < 2) return UsageError("no command given", kUsage);
    const char* command = argv[1];
    if (std::strcmp(command, "calc") == 0) return RunCalc(argc - 2, argv + 2);
    if (std::strcmp(command, "save") == 0) return RunSave(argc - 2, argv + 2);
    if (std::strcmp(command, "batch") == 0) return RunBatch(argc - 2, argv + 2);
    if (std::strcmp(command, "report") == 0) return RunReport(argc - 2, argv + 2);
    if (std::strcmp(command, "sweep") == 0) return RunSweepCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "design") == 0) return RunDesignCommand(argc - 2, argv + 2);
    if (std::strcmp(command, "--help") == 0 || std::strcmp(command, "help") == 0) {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    if (std::strcmp(command, "--version") == 0) {
        std::puts("veltar-cli " VELTAR_VERSION);
        return kExitOk;
    }
    return UsageError(std::string(command).starts_with("-") ? "unknown option " + std::string(command)
                                                            : "unknown command " + std::string(command),
                      kUsage);
}

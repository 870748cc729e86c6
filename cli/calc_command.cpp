// calc: load the default case or a project file as File/Open does, run the
// calculation, print the result list or the JSON contract. save: write the default case,
// or a project file opened and recalculated as the window does, to a project file.
#include "cli/calc_command.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/args.h"
#include "cli/common.h"
#include "cli/json_output.h"
#include "cli/list_output.h"
#include "core/excerpt.h"
#include "files/projectfile.h"

namespace veltar::cli {
namespace {

constexpr const char* kCalcUsage =
    "usage: veltar-cli calc [FILE.velta] [--data DIR] [--mode 1|2|3] [--deform] [--json]\n"
    "  --mode  the checks listed: 1 buckling, 2 scantling/yield, 3 both (the default)\n"
    "  --deform  adds the stiffener deformation check (mode 1)\n"
    "  --json  every field, result line, row and warning as one JSON object\n"
    "  --data  the folder of the profile and material tables\n";

constexpr const char* kSaveUsage =
    "usage: veltar-cli save OUT.velta [--from IN.velta] [--data DIR]\n"
    "  writes the default case, or IN opened and recalculated as the window does\n"
    "  (older formats too), to OUT\n";

struct CalcOptions {
    std::string file;
    std::string dataDir;
    int mode = 3;
    bool deform = false;
    bool json = false;
};

// The reason the words cannot be run, or an empty text.
std::string ParseCalcOptions(int argc, char** argv, CalcOptions& o) {
    std::string mode;
    std::string problem = ReadArgs(argc, argv, {{"--json", &o.json}, {"--deform", &o.deform}},
                                   {{"--data", &o.dataDir}, {"--mode", &mode}}, o.file);
    if (!problem.empty() || mode.empty()) return problem;
    o.mode = ModeOf(mode);
    return o.mode == 0 ? BadMode(mode) : std::string();
}

// The line above the list: which case it is. The texts come from the file: a terminal
// must not take them for commands.
std::string Heading(const Case& c) {
    return "File: " + Printable(c.FileName) + "   Project: " + Printable(c.Project) +
           "   Identification: " + Printable(c.Ident) + "\n";
}

}  // namespace

int RunCalc(int argc, char** argv) {
    if (AsksForHelp(argc, argv)) {
        std::fputs(kCalcUsage, stdout);
        return kExitOk;
    }
    CalcOptions o;
    if (const std::string problem = ParseCalcOptions(argc, argv, o); !problem.empty())
        return UsageError(problem, kCalcUsage);
    Tables tables;
    if (Status s = LoadTables(o.dataDir, tables); !s) return FileError(s.message);
    Case c;
    std::vector<std::string> warnings;
    if (Status s = CalculatedCase(o.file, tables, o.mode, o.deform, c, warnings); !s) return FileError(s.message);
    if (o.json) {
        std::cout << CaseJson(c, warnings);
        return kExitOk;
    }
    for (const std::string& w : warnings) std::fprintf(stderr, "warning:%s\n", Printable(w).c_str());
    std::cout << Heading(c) << ListText(c, isatty(STDOUT_FILENO) != 0);
    return kExitOk;
}

int RunSave(int argc, char** argv) {
    if (AsksForHelp(argc, argv)) {
        std::fputs(kSaveUsage, stdout);
        return kExitOk;
    }
    std::string dataDir, file, from;
    std::string problem = ReadArgs(argc, argv, {}, {{"--data", &dataDir}, {"--from", &from}}, file);
    if (problem.empty() && file.empty()) problem = "no project file named";
    if (!problem.empty()) return UsageError(problem, kSaveUsage);
    Tables tables;
    if (Status s = LoadTables(dataDir, tables); !s) return FileError(s.message);
    Case c;
    std::vector<std::string> warnings;
    if (from.empty())
        StartupCase(c, tables);
    else if (Status s = CalculatedCase(from, tables, 3, false, c, warnings); !s)
        return FileError(s.message);
    for (const std::string& w : warnings) std::fprintf(stderr, "warning:%s\n", Printable(w).c_str());
    const std::string asked = file;
    if (Status s = WriteProjectFile(c, file); !s) return FileError(s.message);
    if (file != asked) std::printf("saved as %s\n", Printable(file).c_str());
    return kExitOk;
}

}  // namespace veltar::cli

// calc: load the default case or a project file as File/Open does, run the
// calculation, print the result list or the JSON contract. save: write the default case,
// or a project file opened and recalculated as the window does, to a project file.
#include "cli/calc_command.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/common.h"
#include "cli/json_output.h"
#include "cli/list_output.h"
#include "core/excerpt.h"
#include "files/projectfile.h"

namespace veltar::cli {
namespace {

struct CalcOptions {
    std::string file;
    std::string dataDir;
    int mode = 3;
    bool deform = false;
    bool json = false;
};

bool ParseCalcOptions(int argc, char** argv, CalcOptions& o) {
    for (int i = 0; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--json") {
            o.json = true;
        } else if (a == "--deform") {
            o.deform = true;
        } else if (a == "--data" && i + 1 < argc) {
            o.dataDir = argv[++i];
        } else if (a == "--mode" && i + 1 < argc) {
            const std::string m = argv[++i];
            if (m != "1" && m != "2" && m != "3") return false;
            o.mode = m[0] - '0';
        } else if (!a.empty() && a[0] != '-' && o.file.empty()) {
            o.file = a;
        } else {
            return false;
        }
    }
    return true;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "veltar-cli: %s\n", Printable(message).c_str());
    return kExitFileError;
}

}  // namespace

int RunCalc(int argc, char** argv) {
    CalcOptions o;
    if (!ParseCalcOptions(argc, argv, o)) {
        std::fprintf(stderr, "usage: veltar-cli calc [FILE.velta] [--data DIR] [--mode 1|2|3] [--deform] [--json]\n");
        return kExitUsage;
    }
    Tables tables;
    if (Status s = LoadTables(o.dataDir, tables); !s) return Fail(s.message);
    Case c;
    std::vector<std::string> warnings;
    if (Status s = CalculatedCase(o.file, tables, o.mode, o.deform, c, warnings); !s) return Fail(s.message);
    if (o.json) {
        std::cout << CaseJson(c, warnings);
        return kExitOk;
    }
    for (const std::string& w : warnings) std::fprintf(stderr, "warning:%s\n", Printable(w).c_str());
    std::cout << ListText(c, isatty(STDOUT_FILENO) != 0);
    return kExitOk;
}

int RunSave(int argc, char** argv) {
    std::string dataDir, file, from;
    bool usage = false;
    for (int i = 0; i < argc && !usage; ++i) {
        const std::string a = argv[i];
        if (a == "--data" && i + 1 < argc)
            dataDir = argv[++i];
        else if (a == "--from" && i + 1 < argc)
            from = argv[++i];
        else if (file.empty() && !a.empty() && a[0] != '-')
            file = a;
        else
            usage = true;
    }
    if (usage || file.empty()) {
        std::fprintf(stderr, "usage: veltar-cli save OUT.velta [--from IN.velta] [--data DIR]\n");
        return kExitUsage;
    }
    Tables tables;
    if (Status s = LoadTables(dataDir, tables); !s) return Fail(s.message);
    Case c;
    std::vector<std::string> warnings;
    if (from.empty())
        StartupCase(c, tables);
    else if (Status s = CalculatedCase(from, tables, 3, false, c, warnings); !s)
        return Fail(s.message);
    const std::string asked = file;
    if (Status s = WriteProjectFile(c, file); !s) return Fail(s.message);
    if (file != asked) std::printf("saved as %s\n", Printable(file).c_str());
    return kExitOk;
}

}  // namespace veltar::cli

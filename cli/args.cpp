// The commands read their words alike, so a mistake is worded alike in each.
#include "cli/args.h"

#include <cstdio>
#include <string_view>

#include "cli/common.h"

namespace veltar::cli {

std::string ReadArgs(int argc, char** argv, std::initializer_list<FlagArg> flags,
                     std::initializer_list<ValueArg> values, std::string& file) {
    for (int i = 0; i < argc; ++i) {
        const std::string_view a = argv[i];
        bool known = false;
        for (const FlagArg& f : flags)
            if (a == f.name) {
                *f.set = true;
                known = true;
            }
        for (const ValueArg& v : values) {
            if (a != v.name) continue;
            if (i + 1 >= argc) return std::string(a) + " needs a value";
            *v.value = argv[++i];
            known = true;
        }
        if (known) continue;
        if (a.size() > 1 && a[0] == '-') return "unknown option " + std::string(a);
        if (!file.empty()) return "a second file " + std::string(a) + " (only one is read)";
        if (a.empty()) return "an empty file name";
        file = a;
    }
    return {};
}

bool AsksForHelp(int argc, char** argv) {
    for (int i = 0; i < argc; ++i)
        if (std::string_view(argv[i]) == "--help" || std::string_view(argv[i]) == "-h") return true;
    return false;
}

int ModeOf(const std::string& text) {
    if (text == "1") return 1;
    if (text == "2") return 2;
    if (text == "3") return 3;
    return 0;
}

std::string BadMode(const std::string& text) {
    return "bad --mode value \"" + text + "\" (1 buckling, 2 scantling/yield, 3 both)";
}

int UsageError(const std::string& problem, const char* usage) {
    std::fprintf(stderr, "veltar-cli: %s\n", problem.c_str());
    std::fputs(usage, stderr);
    return kExitUsage;
}

}  // namespace veltar::cli

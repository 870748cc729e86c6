// The commands read their words alike, so a mistake is worded alike in each.
#include "cli/args.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "cli/common.h"
#include "core/parse.h"

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

namespace {

std::string_view WithoutPlus(std::string_view s) { return !s.empty() && s[0] == '+' ? s.substr(1) : s; }

}  // namespace

bool ReadNumberArg(std::string_view text, double& value) {
    if (!IsDecimal(text)) return false;
    const std::string_view s = WithoutPlus(text);
    double v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec != std::errc() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

bool ReadWholeArg(std::string_view text, int min, int max, int& value) {
    const std::string_view s = WithoutPlus(text);
    int v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || res.ec != std::errc() || res.ptr != s.data() + s.size() || v < min || v > max) return false;
    value = v;
    return true;
}

}  // namespace veltar::cli

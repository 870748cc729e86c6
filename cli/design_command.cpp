// design: the lightest stiffener from the profile tables and/or plate thickness that
// passes every check of the mode, for the default case or a project file. The table
// goes to stdout, the count of candidates and the time taken to stderr.
#include "cli/design_command.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "cli/args.h"
#include "cli/common.h"
#include "cli/jsontext.h"
#include "run/designsearch.h"

namespace veltar::cli {
namespace {

constexpr const char* kDesignUsage =
    "usage: veltar-cli design [FILE.velta] --vary stiffener|plate|both [--kinds L,T,FB,BF] [--t-from A --t-to B]\n"
    "                         [--top N] [--mode 1|2|3] [--json] [--data DIR]\n";

struct DesignArgs {
    std::string file, dataDir, vary, kinds = "L,T,FB,BF";
    std::optional<double> tFrom, tTo;
    int top = kDefaultTop;
    int mode = 3;
    bool json = false;
};

std::string ParseDesignArgs(int argc, char** argv, DesignArgs& a) {
    std::string tFrom, tTo, top, mode;
    if (std::string problem = ReadArgs(argc, argv, {{"--json", &a.json}},
                                       {{"--vary", &a.vary},
                                        {"--kinds", &a.kinds},
                                        {"--t-from", &tFrom},
                                        {"--t-to", &tTo},
                                        {"--top", &top},
                                        {"--mode", &mode},
                                        {"--data", &a.dataDir}},
                                       a.file);
        !problem.empty())
        return problem;
    for (const auto& [name, text, out] :
         {std::tuple("--t-from", &tFrom, &a.tFrom), std::tuple("--t-to", &tTo, &a.tTo)}) {
        double v = 0;
        if (text->empty()) continue;
        if (!ReadNumberArg(*text, v)) return std::string(name) + ": \"" + *text + "\" is not a number";
        *out = v;
    }
    if (!top.empty() && !ReadWholeArg(top, 1, 1000, a.top))
        return "--top: \"" + top + "\" is not a whole number from 1 to 1000";
    if (!mode.empty() && (a.mode = ModeOf(mode)) == 0) return BadMode(mode);
    return a.vary.empty() ? "--vary stiffener|plate|both is missing" : "";
}

std::string ReadVary(const std::string& text, DesignVary& vary) {
    if (text == "stiffener")
        vary = DesignVary::Stiffener;
    else if (text == "plate")
        vary = DesignVary::Plate;
    else if (text == "both")
        vary = DesignVary::Both;
    else
        return "--vary: \"" + text + "\" is not stiffener, plate or both";
    return "";
}

std::string ReadKinds(const std::string& text, std::vector<KindSource>& kinds) {
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find(',', start), text.size());
        const std::string code = text.substr(start, end - start);
        const SearchKind* kind = SearchKindByCode(code);
        if (!kind) return "--kinds: \"" + code + "\" is not a profile table (L, T, FB, BF)";
        kinds.push_back(kind->source);
        start = end + 1;
    }
    return "";
}

void WriteTable(const DesignResult& r, std::ostream& out) {
    char line[160];
    std::snprintf(line, sizeof line, "%4s  %-28s %8s %16s  %-9s %6s\n", "rank", "stiffener", "t (mm)", "weight (kg/m2)",
                  "governing", "UF");
    out << line;
    for (size_t i = 0; i < r.best.size(); ++i) {
        const DesignCandidate& d = r.best[i];
        std::snprintf(line, sizeof line, "%4zu  %-28s %8.1f %16.2f  %-9s %6.2f\n", i + 1, d.profile.c_str(),
                      static_cast<double>(d.t), d.weight, d.governing.c_str(), d.uf);
        out << line;
    }
}

void WriteJson(const DesignResult& r, std::ostream& out) {
    std::string json = "{\n  \"candidates\": " + std::to_string(r.candidates) +
                       ",\n  \"passing\": " + std::to_string(r.passing) +
                       ",\n  \"faulted\": " + std::to_string(r.faulted) + ",\n  \"best\": [";
    for (size_t i = 0; i < r.best.size(); ++i) {
        const DesignCandidate& d = r.best[i];
        json += (i == 0 ? "\n    {" : ",\n    {");
        json += "\"rank\": " + std::to_string(i + 1) + ", \"kind\": " + std::to_string(d.kind) +
                ", \"row\": " + std::to_string(d.row) + ", \"profile\": ";
        JsonString(json, d.profile);
        json += ", \"t\": ";
        JsonNumber(json, d.t);
        json += ", \"weight\": ";
        JsonNumber(json, d.weight);
        json += ", \"governing\": ";
        JsonString(json, d.governing);
        json += ", \"uf\": ";
        JsonNumber(json, d.uf);
        json += "}";
    }
    out << json << "\n  ]\n}\n";
}

}  // namespace

int RunDesignCommand(int argc, char** argv) {
    DesignArgs a;
    if (const std::string problem = ParseDesignArgs(argc, argv, a); !problem.empty())
        return UsageError(problem, kDesignUsage);
    DesignSpace space;
    if (const std::string problem = ReadVary(a.vary, space.vary); !problem.empty())
        return UsageError(problem, kDesignUsage);
    if (const std::string problem = ReadKinds(a.kinds, space.kinds); !problem.empty())
        return UsageError(problem, kDesignUsage);
    Tables tables;
    if (Status s = LoadTables(a.dataDir, tables); !s) return FileError(s.message);
    Case c;
    std::vector<std::string> warnings;
    if (Status s = CalculatedCase(a.file, tables, a.mode, false, c, warnings); !s) return FileError(s.message);
    const DesignSpace defaults = DefaultDesignSpace(c);
    space.tFrom = a.tFrom.value_or(defaults.tFrom);
    space.tTo = a.tTo.value_or(defaults.tTo);
    space.mode = a.mode;
    space.top = a.top;
    if (Status s = CheckDesignSpace(space); !s) return UsageError(s.message, kDesignUsage);
    const auto start = std::chrono::steady_clock::now();
    const DesignResult r = SearchDesigns(c, tables, space);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (a.json)
        WriteJson(r, std::cout);
    else
        WriteTable(r, std::cout);
    std::fprintf(stderr, "%d candidates, %d pass, %d faulted, searched in %.3f s\n", r.candidates, r.passing, r.faulted,
                 took.count());
    if (r.passing == 0 && !r.alwaysFailing.empty()) {
        std::string names;
        for (const std::string& n : r.alwaysFailing) names += (names.empty() ? "" : ", ") + n;
        std::fprintf(stderr, "failing for every candidate: %s\n", names.c_str());
    }
    return kExitOk;
}

}  // namespace veltar::cli

// sweep: one input of the default case or a project file run over a range; one row per
// step with every usage factor of the check mode, and the passing values on stderr.
#include "cli/sweep_command.h"

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/args.h"
#include "cli/common.h"
#include "cli/jsontext.h"
#include "run/sweep.h"

namespace veltar::cli {
namespace {

constexpr const char* kSweepUsage =
    "usage: veltar-cli sweep [FILE.velta] --param NAME [--from A] [--to B] [--steps N] [--mode 1|2|3]\n"
    "                        [--format csv|jsonl] [--data DIR]\n";

struct SweepArgs {
    std::string file, dataDir, param;
    std::optional<double> from, to;
    std::optional<int> steps;
    int mode = 3;
    bool jsonl = false;
};

// An optional number option: its text read with the program's decimal grammar.
std::string OptionalNumber(const char* name, const std::string& text, std::optional<double>& out) {
    double v = 0;
    if (text.empty()) return {};
    if (!ReadNumberArg(text, v)) return std::string(name) + ": \"" + text + "\" is not a number";
    out = v;
    return {};
}

// An empty text when the arguments are sound, otherwise what is wrong with them.
std::string ParseSweepArgs(int argc, char** argv, SweepArgs& a) {
    std::string from, to, steps, mode, format;
    if (std::string problem = ReadArgs(argc, argv, {},
                                       {{"--param", &a.param},
                                        {"--from", &from},
                                        {"--to", &to},
                                        {"--steps", &steps},
                                        {"--mode", &mode},
                                        {"--format", &format},
                                        {"--data", &a.dataDir}},
                                       a.file);
        !problem.empty())
        return problem;
    for (const std::string& problem : {OptionalNumber("--from", from, a.from), OptionalNumber("--to", to, a.to)})
        if (!problem.empty()) return problem;
    if (!steps.empty()) {
        int whole = 0;
        if (!ReadWholeArg(steps, 1, kMaxSweepSteps, whole))
            return "--steps: \"" + steps + "\" is not a whole number from 1 to " + std::to_string(kMaxSweepSteps);
        a.steps = whole;
    }
    if (!mode.empty() && (a.mode = ModeOf(mode)) == 0) return BadMode(mode);
    if (!format.empty() && format != "csv" && format != "jsonl")
        return "--format: \"" + format + "\" is not csv or jsonl";
    a.jsonl = format == "jsonl";
    return a.param.empty() ? "--param NAME is missing" : "";
}

std::string SweepableNames() {
    std::string names;
    for (const FieldDef* f : SweepableFields()) names += (names.empty() ? "" : ", ") + std::string(f->name);
    return names;
}

std::string JsonLine(const SweepResult& r, const SweepStep& s) {
    std::string line = "{";
    JsonString(line, r.range.field->name);
    line += ": ";
    line += StepValueText(s.value);
    const auto names = ModeFactors(r.mode);
    for (size_t i = 0; i < names.size(); ++i) {
        const FactorReading& f = s.outcome.factors[i];
        line += ", ";
        JsonString(line, names[i]);
        line += ": ";
        if (f.state == ReadingState::Value)
            JsonNumber(line, InFieldPrecision(*FindField(names[i]), f.value));
        else
            line += f.state == ReadingState::Unbounded ? "\"NOK\"" : "null";
    }
    line += std::string(", \"passes\": ") + (s.outcome.passes ? "true" : "false") + ", \"governing\": ";
    JsonString(line, FactorName(r.mode, s.outcome.governing));
    line += ", \"nok\": [";
    for (size_t i = 0; i < s.outcome.nokChecks.size(); ++i) {
        if (i > 0) line += ", ";
        JsonString(line, s.outcome.nokChecks[i]);
    }
    line += "], \"fault\": ";
    if (s.outcome.fault.empty())
        line += "null";
    else
        JsonString(line, s.outcome.fault);
    return line + "}\n";
}

}  // namespace

int RunSweepCommand(int argc, char** argv) {
    SweepArgs a;
    if (const std::string problem = ParseSweepArgs(argc, argv, a); !problem.empty())
        return UsageError(problem, kSweepUsage);
    const FieldDef* field = FindSweepable(a.param);
    if (!field)
        return UsageError("--param: \"" + a.param + "\" is not an input a sweep can vary (" + SweepableNames() + ")",
                          kSweepUsage);
    Tables tables;
    if (Status s = LoadTables(a.dataDir, tables); !s) return FileError(s.message);
    Case c;
    std::vector<std::string> warnings;
    if (Status s = CalculatedCase(a.file, tables, a.mode, false, c, warnings); !s) return FileError(s.message);
    SweepRange range = DefaultSweepRange(c, *field);
    range.from = a.from.value_or(range.from);
    range.to = a.to.value_or(range.to);
    range.steps = a.steps.value_or(range.steps);
    if (Status s = CheckSweepRange(range); !s) return UsageError(s.message, kSweepUsage);
    const SweepResult r = RunSweep(c, tables, range, a.mode);
    if (a.jsonl)
        for (const SweepStep& s : r.steps) std::cout << JsonLine(r, s);
    else
        std::cout << SweepCsv(r);
    std::fprintf(stderr, "%s\n", PassingText(r).c_str());
    return kExitOk;
}

}  // namespace veltar::cli

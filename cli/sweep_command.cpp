// sweep: one input of the default case or a project file run over a range; one row per
// step with every usage factor of the check mode, and the passing values on stderr.
#include "cli/sweep_command.h"

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
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

// An empty text when the arguments are sound, otherwise what is wrong with them.
std::string ParseSweepArgs(int argc, char** argv, SweepArgs& a) {
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        const std::string value = hasValue ? argv[i + 1] : "";
        double number = 0;
        int whole = 0;
        if (arg == "--param" && hasValue) {
            a.param = value;
        } else if ((arg == "--from" || arg == "--to") && hasValue) {
            if (!ReadNumberArg(value, number)) return arg + ": \"" + value + "\" is not a number";
            (arg == "--from" ? a.from : a.to) = number;
        } else if (arg == "--steps" && hasValue) {
            if (!ReadWholeArg(value, 1, kMaxSweepSteps, whole))
                return "--steps: \"" + value + "\" is not a whole number from 1 to " + std::to_string(kMaxSweepSteps);
            a.steps = whole;
        } else if (arg == "--mode" && hasValue) {
            if (!ReadModeArg(value, a.mode)) return "--mode: \"" + value + "\" is not 1, 2 or 3";
        } else if (arg == "--format" && hasValue) {
            if (value != "csv" && value != "jsonl") return "--format: \"" + value + "\" is not csv or jsonl";
            a.jsonl = value == "jsonl";
        } else if (arg == "--data" && hasValue) {
            a.dataDir = value;
        } else if (!arg.empty() && arg[0] != '-' && a.file.empty()) {
            a.file = arg;
            continue;
        } else {
            return "unexpected argument \"" + arg + "\"";
        }
        ++i;
    }
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
        if (f.state == FactorState::Value)
            JsonNumber(line, f.value);
        else
            line += f.state == FactorState::Unbounded ? "\"NOK\"" : "null";
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

int FileFailure(const std::string& message) {
    std::fprintf(stderr, "veltar-cli: %s\n", message.c_str());
    return kExitFileError;
}

int Usage(const std::string& problem) {
    std::fprintf(stderr, "veltar-cli: %s\n%s", problem.c_str(), kSweepUsage);
    return kExitUsage;
}

}  // namespace

int RunSweepCommand(int argc, char** argv) {
    SweepArgs a;
    if (const std::string problem = ParseSweepArgs(argc, argv, a); !problem.empty()) return Usage(problem);
    const FieldDef* field = FindSweepable(a.param);
    if (!field)
        return Usage("--param: \"" + a.param + "\" is not an input a sweep can vary (" + SweepableNames() + ")");
    Tables tables;
    if (Status s = LoadTables(a.dataDir, tables); !s) return FileFailure(s.message);
    Case c;
    std::vector<std::string> warnings;
    if (Status s = CalculatedCase(a.file, tables, a.mode, false, c, warnings); !s) return FileFailure(s.message);
    SweepRange range = DefaultSweepRange(c, *field);
    range.from = a.from.value_or(range.from);
    range.to = a.to.value_or(range.to);
    range.steps = a.steps.value_or(range.steps);
    if (Status s = CheckSweepRange(range); !s) return Usage(s.message);
    const SweepResult r = RunSweep(c, tables, range, a.mode);
    if (a.jsonl)
        for (const SweepStep& s : r.steps) std::cout << JsonLine(r, s);
    else
        std::cout << SweepCsv(r);
    std::fprintf(stderr, "%s\n", PassingText(r).c_str());
    return kExitOk;
}

}  // namespace veltar::cli

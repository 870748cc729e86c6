// Argument reading shared by the commands: flags, options with a value and one
// file name, each mistake named before the usage is printed.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace veltar::cli {

struct FlagArg {
    const char* name;  // "--json"
    bool* set;
};

struct ValueArg {
    const char* name;  // "--data"
    std::string* value;
};

// Reads `argv` (the words after the command): flags, options followed by their
// value and at most one word without a leading "-" into `file`. Returns what was
// wrong ("unknown option --foo", "--data needs a value", "a second file b.velta")
// or an empty text.
std::string ReadArgs(int argc, char** argv, std::initializer_list<FlagArg> flags,
                     std::initializer_list<ValueArg> values, std::string& file);

// True when one of the words asks for the command's help.
bool AsksForHelp(int argc, char** argv);

// A decimal number ("12", "-0.5", "2.06e5") read with the program's one decimal
// grammar, a point whatever the locale says; false for anything else.
bool ReadNumberArg(std::string_view text, double& value);

// A whole number from `min` to `max`; false for anything else.
bool ReadWholeArg(std::string_view text, int min, int max, int& value);

// The check mode of a --mode value, or 0 when the text is none of 1, 2, 3.
int ModeOf(const std::string& text);

// "bad --mode value "4" (1 buckling, 2 scantling/yield, 3 both)"
std::string BadMode(const std::string& text);

// Prints "veltar-cli: <problem>" and then the usage to stderr; the usage exit code.
int UsageError(const std::string& problem, const char* usage);

}  // namespace veltar::cli

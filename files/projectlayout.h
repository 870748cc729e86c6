// The lines of a project file: the case field each one holds (its type decides how
// the value is written and read) and whether files of older versions carry it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>

#include "core/case.h"

namespace veltar {

constexpr int kProjectVersion = 180;
constexpr int kProjectLineCount = 48;     // current format, version line included
constexpr int kOldProjectLineCount = 38;  // versions below 180

// Bounds that keep reading an untrusted file cheap; every file the program writes
// stays inside them, because the writer refuses longer texts.
constexpr size_t kMaxProjectLineBytes = 4096;
constexpr size_t kMaxProjectFileBytes = 64 * 1024;

// Whole numbers that index a table or an option group must stay inside it.
enum class WholeRange : std::uint8_t {
    Any, Grade, TableRow, StiffKind, GirdKind, LoadCond, BulkheadType, EndOption
};

// Text, whole number, 32-bit float, or a number that keeps its own precision.
using ProjectField = std::variant<std::string Case::*, i16 Case::*, float Case::*, Real Case::*>;

struct ProjectLine {
    int line;           // line number in a current file
    const char* label;  // how messages name the value
    ProjectField field;
    bool inOldFiles;
    WholeRange range = WholeRange::Any;
};

// Lines 2 to 48 in file order; line 1 is the format version.
std::span<const ProjectLine> ProjectLines();

}  // namespace veltar

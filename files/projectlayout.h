// The layout of a project file: the format version, its bounds, and the fields of
// the field table that it holds, in line order.
#pragma once

#include <cstddef>
#include <span>

#include "core/fieldtable.h"

namespace veltar {

constexpr int kProjectVersion = 180;
constexpr int kProjectLineCount = 48;     // current format, version line included
constexpr int kOldProjectLineCount = 38;  // versions below 180

// Bounds that keep reading an untrusted file cheap; every file the program writes
// stays inside them, because the writer refuses longer texts.
constexpr size_t kMaxProjectLineBytes = 4096;
constexpr size_t kMaxProjectTextBytes = kMaxProjectLineBytes - 2;  // a text and its quotes
constexpr size_t kMaxProjectFileBytes = 64 * 1024;

// The fields of lines 2 to 48 in file order; line 1 is the format version.
std::span<const FieldDef* const> ProjectLines();

// Whether a file of format `version` holds the line of `f`.
inline bool InVersion(const FieldDef& f, double version) { return version >= f.project.since; }

}  // namespace veltar

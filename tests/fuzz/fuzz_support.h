// What the fuzz targets share: the check that stops a run on a broken property, a
// scratch folder of the process's own, the shipped tables and whole-file helpers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "profiles/tables.h"

namespace veltar::fuzz {

// Prints what failed and aborts, so that libFuzzer keeps the input as a finding.
void Require(bool holds, std::string_view what);

// A folder for this process alone (on a memory file system where there is one, as
// every input is written and read back), removed when the process ends.
const std::string& ScratchDir();

// The tables shipped with the program, read once.
const Tables& ShippedTables();

std::string_view AsText(const std::uint8_t* data, std::size_t size);
void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);

// Whether a text shows a value that is not a number ("NaN", "Inf", "-Inf" as the
// masks write them).
bool ShowsNonFinite(std::string_view text);

}  // namespace veltar::fuzz

// The data tables beside the program: the four profile tables and the material
// grades, and the folder they are found in.
#pragma once

#include <string>

#include "core/status.h"
#include "profiles/tables.h"

namespace veltar {

// Reads bfprof.dat, lprof.dat, tprof.dat, fprof.dat and ABSmat.dat from `dir`.
// On failure `tables` is unchanged and the message names the file and the line.
Status ReadTables(const std::string& dir, Tables& tables);

// The folder holding the data tables: beside the executable (the build tree), else
// ../share/veltar (an installed tree in any prefix); empty when neither holds them.
std::string FindDataDir(const std::string& exeDir);

// Reads the tables from the folder FindDataDir finds; when there is none, the message
// names both places looked in.
Status ReadProgramTables(const std::string& exeDir, Tables& tables);

}  // namespace veltar

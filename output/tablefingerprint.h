// A short fingerprint of the data tables a result was calculated with, printed on
// every report page so that a printed result can be traced to its tables.
#pragma once

#include <QString>

#include <string>

namespace veltar {

// First 12 hex digits of the SHA-256 over lprof.dat, tprof.dat, fprof.dat,
// bfprof.dat and ABSmat.dat of `dataDir`, read in that order; empty when a table
// cannot be read.
QString TableFingerprint(const std::string& dataDir);

}  // namespace veltar

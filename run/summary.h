// One-line summaries of a run for a status line: the governing check of the listed
// checks, and inputs that are allowed but unlikely to be meant.
#pragma once

#include <string>

#include "core/case.h"

namespace veltar {

// "Governing: UFst 5.48 (3/9.1) — fails": the listed check with the largest usage
// factor, its value as listed, its rule paragraph and its verdict; checks listed as
// "NOK" (no finite factor) follow as "; NOK: UFb (3/5.1)". Empty when the run
// stopped on a fault or nothing with a usage factor is listed.
std::string GoverningText(const Case& c);

// "Check the inputs: Fup 300 below Fyp 355; s1 4000 longer than L1 3000": a tensile
// strength below its yield stress, a stiffener spacing longer than a stiffener
// span. Empty when there is none.
std::string PlausibilityText(const Case& c);

}  // namespace veltar

// The fault text that ends a calculation step, or empty text when the step completes.
#pragma once

#include <string>

#include "core/arith.h"

namespace veltar {

template <typename Step>
std::string FaultOf(Step&& step) {
    try {
        step();
    } catch (const CalcFault& fault) {
        return fault.text;
    }
    return {};
}

}  // namespace veltar

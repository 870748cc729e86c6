// Outcome of an operation that can fail on user input: ok, or a message for the user
// that names the file, line or field at fault.
#pragma once

#include <string>
#include <utility>

namespace veltar {

struct [[nodiscard]] Status {
    bool ok = true;
    std::string message;

    static Status Ok() { return {}; }
    static Status Error(std::string text) { return {false, std::move(text)}; }
    explicit operator bool() const { return ok; }
};

}  // namespace veltar

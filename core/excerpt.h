// Text from a file or a command line shown in a message. Messages reach a terminal
// (veltar-cli) and message boxes; a byte of the file must never act there, so
// control bytes and bytes that are no UTF-8 are shown escaped.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace veltar {

// How many bytes of an offending line a message quotes.
constexpr std::size_t kExcerptBytes = 40;

// `text` with every control byte (C0, DEL, the C1 controls however they are written)
// and every byte outside a valid UTF-8 sequence written as \xNN; other text as it is.
std::string Printable(std::string_view text);

// The first `maxBytes` of `text` (never half a UTF-8 character), printable, between
// double quotes, with "..." inside the quotes when it was cut.
std::string Excerpt(std::string_view text, std::size_t maxBytes = kExcerptBytes);

}  // namespace veltar

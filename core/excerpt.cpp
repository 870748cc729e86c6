// Escaping for messages. UTF-8 is decoded strictly (no overlong forms, no surrogates),
// so that no sequence a terminal might read as a control survives unescaped.
#include "core/excerpt.h"

namespace veltar {
namespace {

// The length of the valid UTF-8 sequence at `s[i]` (1 for ASCII), 0 when there is none;
// its code point in `cp`.
std::size_t SequenceAt(std::string_view s, std::size_t i, char32_t& cp) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
        cp = b;
        return 1;
    }
    std::size_t n = 0;
    char32_t min = 0;
    if ((b & 0xE0) == 0xC0) {
        n = 2, min = 0x80, cp = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        n = 3, min = 0x800, cp = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        n = 4, min = 0x10000, cp = b & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

bool IsControl(char32_t cp) { return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F); }

void PutEscaped(std::string& out, std::string_view bytes) {
    constexpr char kHex[] = "0123456789abcdef";
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out += "\\x";
        out += kHex[b >> 4];
        out += kHex[b & 0x0F];
    }
}

// The end of the longest run of whole characters (or single invalid bytes) within
// the first `maxBytes` of `s`.
std::size_t CutAt(std::string_view s, std::size_t maxBytes) {
    std::size_t i = 0;
    while (i < s.size()) {
        char32_t cp = 0;
        const std::size_t n = SequenceAt(s, i, cp);
        const std::size_t step = n == 0 ? 1 : n;
        if (i + step > maxBytes) break;
        i += step;
    }
    return i;
}

}  // namespace

std::string Printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const std::size_t n = SequenceAt(text, i, cp);
        if (n == 0 || IsControl(cp))
            PutEscaped(out, text.substr(i, n == 0 ? 1 : n));
        else
            out.append(text, i, n);
        i += n == 0 ? 1 : n;
    }
    return out;
}

std::string Excerpt(std::string_view text, std::size_t maxBytes) {
    const std::size_t cut = CutAt(text, maxBytes);
    return "\"" + Printable(text.substr(0, cut)) + (cut < text.size() ? "...\"" : "\"");
}

}  // namespace veltar

// Plain-text rendering of the result list for the terminal.
#include "cli/list_output.h"

#include <algorithm>

namespace veltar::cli {
namespace {

constexpr const char* kBold = "\x1b[1m";
constexpr const char* kGreen = "\x1b[1;32m";
constexpr const char* kRed = "\x1b[1;31m";
constexpr const char* kReset = "\x1b[0m";

const char* ValueColour(int colour) {
    if (colour == 2) return kGreen;
    if (colour == 4) return kRed;
    return kBold;
}

// Display width of UTF-8 text (the texts are ASCII apart from the odd symbol).
size_t Width(const std::string& s) {
    return static_cast<size_t>(std::count_if(s.begin(), s.end(), [](char ch) { return (ch & 0xC0) != 0x80; }));
}

void Pad(std::string& out, size_t from, size_t to) {
    if (to > from) out.append(to - from, ' ');
}

}  // namespace

std::string ListText(const Case& c, bool colour) {
    size_t textWidth = 0;
    for (const ListRow& r : c.Rows)
        if (r.style == RowStyle::Result) textWidth = std::max(textWidth, Width(r.text));
    constexpr size_t kValueWidth = 8;
    std::string out;
    for (const ListRow& r : c.Rows) {
        const bool heading = r.style == RowStyle::Heading;
        const bool error = r.style == RowStyle::Error;
        if (colour && (heading || error)) out += error ? kRed : kBold;
        out += r.text;
        if (colour && (heading || error)) out += kReset;
        if (r.style == RowStyle::Result) {
            Pad(out, Width(r.text), textWidth + 2);
            const size_t w = Width(r.value);
            const size_t left = w < kValueWidth ? (kValueWidth - w) / 2 : 0;
            out.append(left, ' ');
            if (colour) out += ValueColour(r.colour);
            out += r.value;
            if (colour) out += kReset;
            Pad(out, left + w, kValueWidth + 2);
            out += r.reference;
        }
        out += '\n';
    }
    if (!c.FaultText.empty()) {
        if (colour) out += kRed;
        out += "Calculation stopped: " + c.FaultText;
        if (colour) out += kReset;
        out += '\n';
    }
    return out;
}

}  // namespace veltar::cli

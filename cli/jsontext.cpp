// JSON value texts shared by the commands that print JSON.
#include "cli/jsontext.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace veltar::cli {

void JsonNumber(std::string& out, Real x) {
    if (!std::isfinite(double(x))) {
        out += "null";
        return;
    }
    char buf[32];
    const auto res = x.kind() == Real::Kind::Single ? std::to_chars(buf, buf + sizeof buf, float(double(x)))
                                                    : std::to_chars(buf, buf + sizeof buf, double(x));
    out.append(buf, res.ptr);
}

void JsonString(std::string& out, std::string_view s) {
    out += '"';
    for (unsigned char ch : s) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += static_cast<char>(ch);
        } else if (ch < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", ch);
            out += buf;
        } else {
            out += static_cast<char>(ch);
        }
    }
    out += '"';
}

}  // namespace veltar::cli

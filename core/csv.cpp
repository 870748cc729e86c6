#include "core/csv.h"

namespace veltar {

void AppendCsvCell(std::string& out, std::string_view text, bool freeText) {
    const bool formula =
        freeText && !text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos;
    const bool quoted = text.find_first_of(",\"\r\n") != std::string_view::npos;
    if (quoted) out += '"';
    if (formula) out += '\'';
    for (char ch : text) {
        if (ch == '"') out += '"';
        out += ch;
    }
    if (quoted) out += '"';
}

}  // namespace veltar

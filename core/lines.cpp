// Reading a line through the stream buffer a byte at a time: tables have thousands of
// lines and no line is read twice.
#include "core/lines.h"

namespace veltar {

namespace {
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
}  // namespace

LineReader::Result LineReader::Next(std::string& line) {
    using Traits = std::char_traits<char>;
    line.clear();
    int ch = in_.sbumpc();
    if (Traits::eq_int_type(ch, Traits::eof())) return Result::End;
    bool bomPossible = ++number_ == 1;
    for (; !Traits::eq_int_type(ch, Traits::eof()) && ch != '\n'; ch = in_.sbumpc()) {
        // The mark is dropped as soon as it is complete, so it never counts as text.
        if (bomPossible && line.size() == kUtf8Bom.size()) {
            if (line == kUtf8Bom) line.clear();
            bomPossible = false;
        }
        if (line.size() == max_) return Result::TooLong;
        line.push_back(Traits::to_char_type(ch));
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (bomPossible && line.starts_with(kUtf8Bom)) line.erase(0, kUtf8Bom.size());
    return Result::Line;
}

}  // namespace veltar

// The one line reader of every text file the program reads: project files, case
// tables and data tables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <streambuf>
#include <string>
#include <string_view>

namespace veltar {

// Lines read one at a time from a stream buffer: LF or CR LF ends a line, a UTF-8
// byte-order mark that an editor or a spreadsheet put before the first line is
// dropped, and a line longer than the limit is refused as soon as it passes it, so
// that a file without line ends never comes into memory whole.
class LineReader {
public:
    enum class Result : std::uint8_t { Line, End, TooLong };

    LineReader(std::streambuf& in, std::size_t maxLength) : in_(in), max_(maxLength) {}

    // The next line without its end into `line`.
    Result Next(std::string& line);

    // The number of the line read last, from 1.
    int Number() const { return number_; }

private:
    std::streambuf& in_;
    std::size_t max_;
    int number_ = 0;
};

// A read-only stream buffer over text already in memory.
class TextBuffer : public std::streambuf {
public:
    explicit TextBuffer(std::string_view text) {
        // The buffer is only ever read; the get area needs non-const pointers.
        char* begin = const_cast<char*>(text.data());
        setg(begin, begin, begin + text.size());
    }
};

}  // namespace veltar

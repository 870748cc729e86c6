// Splitting the data tables into records and fields. Everything read from a file is
// untrusted: line length, line count and quoting are checked before use.
#include "files/record_reader.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/text.h"

namespace veltar {

namespace {

constexpr std::string_view kBlanks = " \t";

}  // namespace

RecordReader::RecordReader(const std::string& dir, std::string fileName) : fileName_(std::move(fileName)) {
    const std::filesystem::path path = std::filesystem::path(dir) / fileName_;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec) || !file_.open(path, std::ios::in | std::ios::binary))
        status_ = FileError("can't open " + path.string());
}

Status RecordReader::LineError(std::string_view what) const {
    return Status::Error(fileName_ + ", line " + std::to_string(line_) + ": " + std::string(what));
}

Status RecordReader::FileError(std::string_view what) const {
    return Status::Error(fileName_ + ": " + std::string(what));
}

bool RecordReader::Next() {
    if (!status_) return false;
    while (ReadLine()) {
        if (Trim(text_).empty()) continue;
        return Split();
    }
    return false;
}

// Reads one line into text_; false at the end of the file or on an error.
bool RecordReader::ReadLine() {
    const LineReader::Result got = lines_.Next(text_);
    if (got == LineReader::Result::End) return false;
    line_ = lines_.Number();
    if (got == LineReader::Result::TooLong) {
        status_ = LineError("longer than " + std::to_string(kMaxLineLength) + " characters");
        return false;
    }
    if (line_ > kMaxLines) {
        status_ = LineError("more than " + std::to_string(kMaxLines) + " lines");
        return false;
    }
    return true;
}

// Fields are separated by commas; a quoted field may hold commas, but no quote.
bool RecordReader::Split() {
    nFields_ = 0;
    for (std::size_t pos = 0;; ++pos) {  // ++pos: past the comma
        const std::size_t start = text_.find_first_not_of(kBlanks, pos);
        const bool quoted = start != std::string::npos && text_[start] == '"';
        pos = quoted ? SplitQuoted(start) : SplitPlain(pos);
        if (!status_) return false;
        if (pos == std::string::npos) return true;
    }
}

// The field opening at the quote `start`; returns the position of the comma after
// it, npos at the end of the line.
std::size_t RecordReader::SplitQuoted(std::size_t start) {
    const std::string_view s = text_;
    const std::size_t close = s.find('"', start + 1);
    if (close == std::string_view::npos) {
        status_ = LineError("a quote is not closed");
        return close;
    }
    AddField({s.substr(start + 1, close - start - 1), true});
    const std::size_t next = s.find_first_not_of(kBlanks, close + 1);
    if (next != std::string_view::npos && s[next] != ',') status_ = LineError("text after a closing quote");
    return next;
}

std::size_t RecordReader::SplitPlain(std::size_t pos) {
    const std::string_view s = text_;
    const std::size_t end = std::min(s.find(',', pos), s.size());
    const std::string_view text = Trim(s.substr(pos, end - pos));
    if (text.find('"') != std::string_view::npos) status_ = LineError("a quote inside a field");
    AddField({text, false});
    return end < s.size() ? end : std::string_view::npos;
}

void RecordReader::AddField(Field f) {
    if (nFields_ < kMaxFields) fields_[static_cast<std::size_t>(nFields_)] = f;
    ++nFields_;
}

}  // namespace veltar

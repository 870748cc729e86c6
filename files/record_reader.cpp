// Splitting the data tables into records and fields. Everything read from a file is
// untrusted: line length, line count and quoting are checked before use.
#include "files/record_reader.h"

#include <algorithm>
#include <filesystem>

namespace veltar {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

}  // namespace

RecordReader::RecordReader(const std::string& dir, std::string fileName)
    : fileName_(std::move(fileName)) {
    const std::filesystem::path path = std::filesystem::path(dir) / fileName_;
    file_.reset(std::fopen(path.string().c_str(), "rb"));
    if (!file_) status_ = FileError("can't open " + path.string());
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

// Reads one line without its LF or CRLF ending into text_; false at the end of the
// file or on an error. Reading stops as soon as a line is too long, so a huge line
// never comes into memory.
bool RecordReader::ReadLine() {
    text_.clear();
    int ch = std::getc(file_.get());
    if (ch == EOF) {
        if (std::ferror(file_.get())) status_ = FileError("read error");
        return false;
    }
    if (++line_ > kMaxLines) {
        status_ = LineError("more than " + std::to_string(kMaxLines) + " lines");
        return false;
    }
    for (; ch != EOF && ch != '\n'; ch = std::getc(file_.get())) {
        if (text_.size() == kMaxLineLength) {
            status_ = LineError("longer than " + std::to_string(kMaxLineLength) + " characters");
            return false;
        }
        text_.push_back(static_cast<char>(ch));
    }
    if (std::ferror(file_.get())) {
        status_ = FileError("read error");
        return false;
    }
    if (!text_.empty() && text_.back() == '\r') text_.pop_back();
    if (line_ == 1 && text_.starts_with(kUtf8Bom)) text_.erase(0, kUtf8Bom.size());
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

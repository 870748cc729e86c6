// Reader of the comma-separated data tables: one record a line, blank lines skipped,
// lines and files of bounded length, the line number kept for the messages.
#pragma once

#include <array>
#include <fstream>
#include <string>
#include <string_view>

#include "core/lines.h"
#include "core/status.h"

namespace veltar {

struct Field {
    std::string_view text;  // without its quotes and the blanks around it
    bool quoted = false;
};

class RecordReader {
public:
    // Far beyond any real record; a longer line is a damaged or foreign file.
    static constexpr std::size_t kMaxLineLength = 512;
    // 61 records with room for blank lines; bounds the time spent on a foreign file.
    static constexpr int kMaxLines = 1000;
    static constexpr int kMaxFields = 8;

    // Opens dir/fileName; status() tells whether that worked.
    RecordReader(const std::string& dir, std::string fileName);

    // Moves to the next record; false at the end of the file or on an error, which
    // status() then holds.
    bool Next();

    int Line() const { return line_; }
    int FieldCount() const { return nFields_; }  // counted beyond kMaxFields, kept up to it
    const Field& At(int i) const { return fields_[static_cast<std::size_t>(i)]; }
    const Status& status() const { return status_; }

    // "<file>, line <n>: <what>"
    Status LineError(std::string_view what) const;
    // "<file>: <what>"
    Status FileError(std::string_view what) const;

private:
    bool ReadLine();
    bool Split();
    std::size_t SplitQuoted(std::size_t start);
    std::size_t SplitPlain(std::size_t pos);
    void AddField(Field f);

    std::filebuf file_;
    LineReader lines_{file_, kMaxLineLength};
    std::string fileName_;
    std::string text_;
    int line_ = 0;
    std::array<Field, kMaxFields> fields_{};
    int nFields_ = 0;
    Status status_;
};

}  // namespace veltar

// Result lines and the result list as data: what each check leaves behind, and the
// rows the window renders, the CLI prints and the tests compare. The helpers here are
// the one way the buckling and the scantling checks fill lines and append rows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/numformat.h"

namespace veltar {

// Output of one check: name, formula with numbers, usage factor text, limit and rule.
struct ResultLine {
    std::string Title;
    std::string Formula;
    std::string Value;
    std::string Reference;
    std::int16_t Colour = 0;  // 16-colour palette: 0 black, 2 green (pass), 4 red (fail)

    // Empties the four texts; the colour stays, as every check's reset does.
    void ClearTexts() {
        Title.clear();
        Formula.clear();
        Value.clear();
        Reference.clear();
    }
};

// Palette colour of a usage factor: red above 1.0, green otherwise (1.00 passes).
inline std::int16_t UsageColour(double uf) { return uf > 1.0 ? 4 : 2; }

// Fills the title, the reference and the colour of a line whose formula and value
// were written in place.
inline void SetLine(ResultLine& line, std::string_view title, std::string_view reference, std::int16_t colour) {
    line.Title.assign(title);
    line.Reference.assign(reference);
    line.Colour = colour;
}

// Builds a result text in a buffer that keeps its room from run to run (a line's own
// text), so a run allocates nothing once the texts have grown to their length.
class ResultText {
public:
    ResultText(std::string& out, char sep) : out_(out), sep_(sep) { out_.clear(); }

    ResultText& operator<<(std::string_view s) {
        out_ += s;
        return *this;
    }
    template <typename T>
    ResultText& Num(T x, const NumMask& mask) {
        AppendFormat(out_, x, mask, sep_);
        return *this;
    }

private:
    std::string& out_;
    char sep_;
};

enum class RowStyle { Note, Heading, Result, Error };

struct ListRow {
    RowStyle style = RowStyle::Note;
    std::string text;       // column "Control": a note, a heading, or Title followed by Formula
    std::string value;      // column "Interaction Ratio" (result rows)
    std::string reference;  // column "Reference " (result rows)
    int colour = 0;         // result: palette index of the value (0, 2, 4); error: 255 (RGB red)
};

using ResultRows = std::vector<ListRow>;

// Writes the rows of a result list over those of the last run, keeping their texts'
// room; Finish drops the rows the last run had beyond this one's.
class RowWriter {
public:
    explicit RowWriter(ResultRows& rows) : rows_(rows) {}

    void Note(std::string_view text) { Next(RowStyle::Note, 0).text.assign(text); }
    void Heading(std::string_view text) { Next(RowStyle::Heading, 0).text.assign(text); }
    void Error(std::string_view text, int colour) { Next(RowStyle::Error, colour).text.assign(text); }
    // A note built from numbers.
    ResultText NoteText(char sep) { return ResultText(Next(RowStyle::Note, 0).text, sep); }
    void Result(const ResultLine& line) {
        ListRow& row = Next(RowStyle::Result, line.Colour);
        row.text.assign(line.Title).append(line.Formula);
        row.value.assign(line.Value);
        row.reference.assign(line.Reference);
    }
    // A line without a title was not written by its check and is not listed.
    void ResultIfTitled(const ResultLine& line) {
        if (!line.Title.empty()) Result(line);
    }
    void Finish() { rows_.resize(n_); }

private:
    ListRow& Next(RowStyle style, int colour) {
        if (n_ == rows_.size()) rows_.emplace_back();
        ListRow& row = rows_[n_++];
        row.style = style;
        row.colour = colour;
        row.value.clear();
        row.reference.clear();
        return row;
    }

    ResultRows& rows_;
    size_t n_ = 0;
};

}  // namespace veltar

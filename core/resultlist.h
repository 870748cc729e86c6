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

// Fills the four texts and the colour of a result line.
inline void SetLine(ResultLine& line, std::string title, std::string formula, std::string value,
                    std::string_view reference, std::int16_t colour) {
    line.Title = std::move(title);
    line.Formula = std::move(formula);
    line.Value = std::move(value);
    line.Reference = reference;
    line.Colour = colour;
}

// Builds a result text from numbers, each formatted with the case's decimal separator.
class ResultText {
public:
    // Formula texts run to about a hundred characters: one allocation, not four.
    explicit ResultText(char sep) : sep_(sep) { out_.reserve(128); }

    ResultText& operator<<(std::string_view s) {
        out_ += s;
        return *this;
    }
    template <typename T>
    ResultText& Num(T x, std::string_view mask) {
        out_ += Format(x, mask, sep_);
        return *this;
    }
    // Hands the text over; the builder is spent afterwards.
    std::string str() { return std::move(out_); }

private:
    char sep_;
    std::string out_;
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

inline void AddNote(ResultRows& rows, std::string text) {
    rows.push_back({RowStyle::Note, std::move(text), {}, {}, 0});
}

inline void AddHeading(ResultRows& rows, std::string text) {
    rows.push_back({RowStyle::Heading, std::move(text), {}, {}, 0});
}

inline void AddResult(ResultRows& rows, const ResultLine& line) {
    rows.push_back({RowStyle::Result, line.Title + line.Formula, line.Value, line.Reference, line.Colour});
}

// A line without a title was not written by its check and is not listed.
inline void AddResultIfTitled(ResultRows& rows, const ResultLine& line) {
    if (!line.Title.empty()) AddResult(rows, line);
}

}  // namespace veltar

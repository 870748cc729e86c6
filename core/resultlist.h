// The result list as data: the rows the window renders, the CLI prints and the
// tests compare. Rows are appended in list order by the buckling and the
// scantling row builders.
#pragma once

#include <string>

namespace veltar {

enum class RowStyle { Note, Heading, Result, Error };

struct ListRow {
    RowStyle style = RowStyle::Note;
    std::string text;       // column "Control": a note, a heading, or Title followed by Formula
    std::string value;      // column "Interaction Ratio" (result rows)
    std::string reference;  // column "Reference " (result rows)
    int colour = 0;         // result: palette index of the value (0, 2, 4); error: 255 (RGB red)
};

}  // namespace veltar

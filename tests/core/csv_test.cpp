// CSV cells: what a spreadsheet or a script must read back as the text written.
#include <gtest/gtest.h>

#include "core/csv.h"

namespace veltar {
namespace {

TEST(CsvCell, QuotesWhatWouldSplitTheCellAndGuardsFormulasInFreeText) {
    const struct {
        const char* text;
        bool freeText;
        const char* cell;
    } cases[] = {
        {"F40-A", true, "F40-A"},
        {"a,b", false, "\"a,b\""},
        {"say \"x\"", false, "\"say \"\"x\"\"\""},
        {"two\r\nlines", false, "\"two\r\nlines\""},
        {"=1+1", true, "'=1+1"},
        {"@SUM(A1)", true, "'@SUM(A1)"},
        {"-100", false, "-100"},
        {"-x", true, "'-x"},
        {"=a,b", true, "\"'=a,b\""},
        {"", true, ""},
    };
    for (const auto& k : cases) {
        std::string out = "x,";
        AppendCsvCell(out, k.text, k.freeText);
        EXPECT_EQ(out, std::string("x,") + k.cell) << k.text;
    }
}

}  // namespace
}  // namespace veltar

// The field table: every field of the case record described once, with its
// precision (the member's type), unit and meaning, its project-file line, its
// case-table cell, its result-table column, its JSON listing and its input box.
// The readers and writers of every format and the window's box bindings loop over
// this table, so a new input is one row here beside its member in the record.
#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/case.h"

namespace veltar {

// A text, a 16-bit whole number, a 32-bit float, a number that keeps the precision of
// its last assignment, or a double.
using FieldMember = std::variant<std::string Case::*, i16 Case::*, float Case::*, Real Case::*, double Case::*>;

// Whole numbers that index a table or an option group must stay inside it.
enum class WholeRange : std::uint8_t { Any, Grade, TableRow, StiffKind, GirdKind, LoadCond, BulkheadType, EndOption };

// Where a field stands in a project file: its line in a file of the current format
// (0: not stored) and the first format version that holds the line.
struct ProjectSlot {
    int line = 0;
    int since = 0;
    WholeRange range = WholeRange::Any;
};

// How a result-table cell shows its field.
enum class ResultForm : std::uint8_t {
    Text,         // as stored
    Plain,        // plain number text in the field's own precision
    Masked,       // the mask
    RunMasked,    // a value of the run: the mask, "ERR" when the run faulted
    Factor,       // a usage factor: the mask, "NOK" for an unbounded one, "ERR" when faulted
    StiffFactor,  // a stiffener buckling factor: as Factor, "N/A" when the check does not apply
};

struct ResultColumn {
    int column = -1;  // from 0; -1: not a column of its own
    const char* caption = "";
    ResultForm form = ResultForm::Text;
    const char* mask = "";
};

// The main-window box of an input: its masks, the limit whose breach is warned about
// (inclusive bounds; the message names it) and where Enter and the arrow keys go.
struct BoxSpec {
    const char* widget = nullptr;  // object name; null: no box in the main window
    const char* entryMask = "";    // written back after the user's entry
    const char* showMask = "";     // written when the case is shown
    double min = -std::numeric_limits<double>::infinity();
    double max = std::numeric_limits<double>::infinity();
    const char* message = "";
    const char* enter = "";  // empty: Enter is decided by the window's state or does nothing
    const char* up = "";
    const char* down = "";
    const char* left = "";
    const char* right = "";

    bool Breaks(double v) const { return v < min || v > max; }
    bool HasLimit() const { return *message != '\0'; }
};

struct FieldDef {
    const char* name;  // the member's name: the JSON key, the case-table and message name
    FieldMember member;
    const char* unit = "";
    const char* meaning = "";  // for tooltips and documentation
    const char* label = "";    // how project-file messages name the value
    bool json = false;         // listed by the JSON output
    ProjectSlot project{};
    int caseCell = -1;  // cell of a case-table row, from 0; -1: none
    ResultColumn result{};
    BoxSpec box{};

    // Builders for the rows of the table.
    FieldDef File(int line, const char* fileLabel, int since = 0, WholeRange range = WholeRange::Any) const {
        FieldDef f = *this;
        f.project = {line, since, range};
        f.label = fileLabel;
        return f;
    }
    FieldDef Cell(int cell) const {
        FieldDef f = *this;
        f.caseCell = cell;
        return f;
    }
    FieldDef Column(int column, const char* caption, ResultForm form, const char* mask = "") const {
        FieldDef f = *this;
        f.result = {column, caption, form, mask};
        return f;
    }
    FieldDef Box(BoxSpec b) const {
        FieldDef f = *this;
        f.box = b;
        return f;
    }
    FieldDef Unlisted() const {
        FieldDef f = *this;
        f.json = false;
        return f;
    }
};

// Every field, in the order the JSON output lists them.
std::span<const FieldDef> CaseFields();

// The row of that name, or null.
const FieldDef* FindField(std::string_view name);

// The row whose project-file line is `line`; null for none.
const FieldDef* ProjectField(int line);

bool IsNumeric(const FieldDef& f);

// A numeric field's value as a double (0 for a text).
double NumericValue(const Case& c, const FieldDef& f);

// A numeric field's value with its precision: a float field as a single, a double
// as a double, a 16-bit field as a whole number.
Real RealValue(const Case& c, const FieldDef& f);

// A value of the field's kind in its precision: a float field's value as a single,
// any other as a double (a value taken from the field and widened reads back the same).
Real InFieldPrecision(const FieldDef& f, double v);

// Stores a typed 32-bit value into a float or real field; other fields are left alone.
void StoreTyped(Case& c, const FieldDef& f, float v);

}  // namespace veltar

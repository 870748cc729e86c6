// The project-file lines, gathered from the field table once, so that the reader and
// the writer can never disagree about their order.
#include "files/projectlayout.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace veltar {
namespace {

std::vector<const FieldDef*> GatherLines() {
    std::vector<const FieldDef*> lines;
    for (const FieldDef& f : CaseFields())
        if (f.project.line > 0) lines.push_back(&f);
    std::sort(lines.begin(), lines.end(),
              [](const FieldDef* a, const FieldDef* b) { return a->project.line < b->project.line; });
    // Lines 2 to 48, each once: a gap or a double would shift every later value.
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i]->project.line != static_cast<int>(i) + 2)
            throw std::logic_error("field table: project-file line " + std::to_string(i + 2) + " is not held once");
    if (lines.size() != kProjectLineCount - 1) throw std::logic_error("field table: the project file has 48 lines");
    return lines;
}

}  // namespace

std::span<const FieldDef* const> ProjectLines() {
    static const std::vector<const FieldDef*> lines = GatherLines();
    return lines;
}

}  // namespace veltar

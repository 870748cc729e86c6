// The numeric boxes gathered from the field table once.
#include "ui/boxdefs.h"

#include <vector>

namespace veltar {
namespace {

std::vector<const FieldDef*> Gather() {
    std::vector<const FieldDef*> boxes;
    for (const FieldDef& f : CaseFields())
        if (f.box.widget && IsNumeric(f)) boxes.push_back(&f);
    return boxes;
}

}  // namespace

std::span<const FieldDef* const> NumericBoxes() {
    static const std::vector<const FieldDef*> boxes = Gather();
    return boxes;
}

const FieldDef* FindBox(std::string_view widget) {
    for (const FieldDef* f : NumericBoxes())
        if (widget == f->box.widget) return f;
    return nullptr;
}

}  // namespace veltar

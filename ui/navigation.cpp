// The Enter chain runs through the window from the project name round to the
// pressures (each box names its next in the field table); the grade lists and the
// unit length join it only when they matter.
#include "ui/navigation.h"

#include "core/fieldtable.h"

namespace veltar {
namespace {

const BoxSpec* BoxOf(std::string_view widget) {
    for (const FieldDef& f : CaseFields())
        if (f.box.widget && widget == f.box.widget) return &f.box;
    return nullptr;
}

}  // namespace

std::string_view NextOnEnter(std::string_view from, const EnterContext& ctx) {
    if (from == "cbofyp") return ctx.plateGradeUserDefined ? "ifyp" : "cbofys";
    if (from == "cbofys") return ctx.stiffGradeUserDefined ? "ifys" : "ie";
    if (from == "ie") return ctx.watertight ? "iunit_length" : "il1";
    const BoxSpec* box = BoxOf(from);
    return box ? box->enter : std::string_view();
}

std::string_view NextOnArrow(std::string_view from, Arrow key) {
    const BoxSpec* box = BoxOf(from);
    if (!box) return {};
    switch (key) {
        case Arrow::Up: return box->up;
        case Arrow::Down: return box->down;
        case Arrow::Left: return box->left;
        case Arrow::Right: return box->right;
    }
    return {};
}

}  // namespace veltar

// The Enter chain runs through the window from the project name round to the
// pressures; the grade lists and the unit length join it only when they matter.
#include "ui/navigation.h"

#include <array>
#include <utility>

namespace veltar {
namespace {

using Step = std::pair<std::string_view, std::string_view>;

constexpr std::array<Step, 24> kEnterChain{{
    {"iproj", "iident"}, {"iident", "cbofyp"}, {"ifyp", "ifup"}, {"ifup", "cbofys"},
    {"ifys", "ifus"}, {"ifus", "ie"}, {"iunit_length", "il1"}, {"il1", "il2"},
    {"il2", "iLg"}, {"iLg", "it"}, {"it", "is1"}, {"is1", "is2"},
    {"is2", "iLgs"}, {"iLgs", "iLt"}, {"iLt", "isigx1"}, {"isigx1", "isigx2"},
    {"isigx2", "isigy1"}, {"isigy1", "isigy3"}, {"isigy3", "itau1"}, {"itau1", "ip1"},
    {"ip1", "ips"}, {"ips", "iproj"}, {"ifs", "iufa"}, {"iufa", "cbofyp"},
}};

struct ArrowRow {
    std::string_view box, up, down, left, right;
};

constexpr std::array<ArrowRow, 15> kArrows{{
    {"il1", "ip1", "il2", "", ""},
    {"il2", "il1", "iLg", "", ""},
    {"iLg", "il2", "it", "", ""},
    {"it", "iLg", "is1", "", ""},
    {"is1", "it", "is2", "", ""},
    {"is2", "is1", "iLgs", "", ""},
    {"iLgs", "is2", "iLt", "", ""},
    {"iLt", "iLgs", "isigx1", "", ""},
    {"itau1", "isigy1", "ip1", "", ""},
    {"ip1", "itau1", "ips", "", ""},
    {"ips", "ip1", "iproj", "", ""},
    {"isigx1", "iLt", "isigy1", "is2", "isigx2"},
    {"isigx2", "itau1", "isigy3", "isigx1", "isigy1"},
    {"isigy1", "isigx1", "itau1", "isigx2", "isigy3"},
    {"isigy3", "isigx2", "ip1", "isigy1", "itau1"},
}};

}  // namespace

std::string_view NextOnEnter(std::string_view from, const EnterContext& ctx) {
    if (from == "cbofyp") return ctx.plateGradeUserDefined ? "ifyp" : "cbofys";
    if (from == "cbofys") return ctx.stiffGradeUserDefined ? "ifys" : "ie";
    if (from == "ie") return ctx.watertight ? "iunit_length" : "il1";
    for (const auto& [box, next] : kEnterChain)
        if (box == from) return next;
    return {};
}

std::string_view NextOnArrow(std::string_view from, Arrow key) {
    for (const ArrowRow& r : kArrows) {
        if (r.box != from) continue;
        switch (key) {
            case Arrow::Up: return r.up;
            case Arrow::Down: return r.down;
            case Arrow::Left: return r.left;
            case Arrow::Right: return r.right;
        }
    }
    return {};
}

}  // namespace veltar

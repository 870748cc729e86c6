// c-factor captions of the structure-type tabs.
#include "checks/scantling/rule_basis.h"
#include "checks/scantling/scantling.h"
#include "core/numformat.h"

namespace veltar {
namespace {

// "c = 0.90 / 1.50  stiff/gird  " followed by the rule paragraphs; "&&" is kept
// because the caption control shows it as one ampersand.
std::string StiffGirderText(const Case& c, std::string_view rule) {
    const char sep = SepOf(c.DecSep);
    return "c = " + Format(c.c, "#0.00", sep) + " / " + Format(c.cg, "#0.00", sep) + "  stiff/gird  " +
           std::string(rule);
}

}  // namespace

void CFactorText(Case& c) {
    switch (scantling::StructureOf(c)) {
        case scantling::Structure::Watertight:
            c.ctext0 = "c = " + Format(c.c, "#0.00", SepOf(c.DecSep)) + "  " + " ABS (3-2-2/7.5)";
            return;
        case scantling::Structure::Tank: c.ctext1 = StiffGirderText(c, " ABS (3-2-2/9.5&&9.9)"); return;
        case scantling::Structure::Upper: break;
    }
    c.ctext2 = StiffGirderText(c, " ABS (3-2-4/3.5&&3.7)");
}

}  // namespace veltar

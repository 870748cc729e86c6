// c-factor captions of the structure-type tabs.
#include "checks/scantling/rule_basis.h"
#include "checks/scantling/scantling.h"
#include "core/numformat.h"

namespace veltar {
namespace {

// "c = 0.90 / 1.50  stiff/gird  " followed by the rule paragraphs; "&&" is kept
// because the caption control shows it as one ampersand.
void StiffGirderText(Case& c, std::string& out, std::string_view rule) {
    auto t = TextInto(c, out);
    t << "c = ";
    t.Num(c.c, "#0.00") << " / ";
    t.Num(c.cg, "#0.00") << "  stiff/gird  " << rule;
}

}  // namespace

void CFactorText(Case& c) {
    switch (scantling::StructureOf(c)) {
        case scantling::Structure::Watertight:
            (TextInto(c, c.ctext0) << "c = ").Num(c.c, "#0.00") << "  "
                                                                << " ABS (3-2-2/7.5)";
            return;
        case scantling::Structure::Tank: StiffGirderText(c, c.ctext1, " ABS (3-2-2/9.5&&9.9)"); return;
        case scantling::Structure::Upper: break;
    }
    StiffGirderText(c, c.ctext2, " ABS (3-2-4/3.5&&3.7)");
}

}  // namespace veltar

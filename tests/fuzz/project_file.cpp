// The project file as the window uses it: open, recalculate, calculate, save, open
// the saved file again. Whatever opens must save, the saved file must open with every
// value as it was saved, and a value read from a file must survive any later save.
#include <cmath>
#include <string>

#include "files/projectfile.h"
#include "files/projectlayout.h"
#include "fuzz_support.h"
#include "run/calculate.h"
#include "run/reopen.h"

namespace veltar::fuzz {
namespace {

// A value read back equals the saved one in the precision it was saved in: a float
// comes back as the decimal that was written for it.
struct SameValue {
    const Case& a;
    const Case& b;

    bool operator()(std::string Case::*m) const { return a.*m == b.*m; }
    bool operator()(i16 Case::*m) const { return a.*m == b.*m; }
    bool operator()(float Case::*m) const { return a.*m == b.*m; }
    bool operator()(double Case::*m) const { return a.*m == b.*m; }
    bool operator()(Real Case::*m) const {
        if ((a.*m).kind() == Real::Kind::Single)
            return static_cast<float>(static_cast<double>(a.*m)) == static_cast<float>(static_cast<double>(b.*m));
        return static_cast<double>(a.*m) == static_cast<double>(b.*m);
    }
};

// The start-up case a file is opened into, prepared once.
Case Opened() {
    static const Case startup = [] {
        Case c;
        NewCase(c);
        PrepareStartupCase(c, ShippedTables());
        return c;
    }();
    return startup;
}

Case Reopened(const std::string& path) {
    Case c = Opened();
    const Status s = ReadProjectFile(c, ShippedTables(), path);
    Require(s.ok, "a saved file opens: " + s.message);
    return c;
}

void RequireNothingNonFinite(const Case& c) {
    for (const ListRow& r : c.Rows)
        Require(!ShowsNonFinite(r.text) && !ShowsNonFinite(r.value) && !ShowsNonFinite(r.reference),
                "a result row shows no NaN or infinity: " + r.text + " " + r.value);
    Require(!ShowsNonFinite(c.stiffprof), "the profile description shows no NaN or infinity");
}

}  // namespace
}  // namespace veltar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace veltar;
    using namespace veltar::fuzz;
    const Tables& tables = ShippedTables();
    const std::string in = ScratchDir() + "/in.velta";
    WriteBytes(in, AsText(data, size));
    Case c = Opened();
    if (!ReadProjectFile(c, tables, in)) return 0;
    RecalculateOpened(c, tables);
    c.CheckMode = 3;
    IgnoredWarnings quiet;
    Calculate(c, tables, quiet);
    RequireNothingNonFinite(c);

    std::string saved = ScratchDir() + "/saved.velta";
    const Status s = WriteProjectFile(c, saved);
    Require(s.ok, "a file that opens saves: " + s.message);
    Case back = Reopened(saved);
    for (const FieldDef* line : ProjectLines())
        Require(std::visit(SameValue{c, back}, line->member), std::string("saved and opened alike: ") + line->name);

    // Every value of `back` came from the reader: saved and opened again, none changes.
    std::string again = ScratchDir() + "/again.velta";
    Require(WriteProjectFile(back, again).ok, "an opened saved file saves");
    const Case last = Reopened(again);
    for (const FieldDef* line : ProjectLines())
        Require(std::visit(SameValue{back, last}, line->member), std::string("read values stay: ") + line->name);
    return 0;
}

// The data tables: the first byte picks one of the five files, the rest replaces it
// beside the four shipped ones. Tables that read must give the start-up case its
// grades and sections (the calculation on odd values is the project-file target's).
#include <array>
#include <string>

#include "files/datatables.h"
#include "fuzz_support.h"
#include "run/calculate.h"

namespace veltar::fuzz {
namespace {

constexpr std::array<const char*, 5> kFiles = {"bfprof.dat", "lprof.dat", "tprof.dat", "fprof.dat", "ABSmat.dat"};

// The shipped files copied into the scratch folder once.
const std::array<std::string, 5>& Shipped() {
    static const std::array<std::string, 5> files = [] {
        std::array<std::string, 5> text;
        for (size_t i = 0; i < kFiles.size(); ++i) {
            text[i] = ReadBytes(std::string(VELTAR_DATA_DIR) + "/" + kFiles[i]);
            WriteBytes(ScratchDir() + "/" + kFiles[i], text[i]);
        }
        return text;
    }();
    return files;
}

}  // namespace
}  // namespace veltar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace veltar;
    using namespace veltar::fuzz;
    if (size == 0) return 0;
    const size_t pick = data[0] % kFiles.size();
    const std::string path = ScratchDir() + "/" + kFiles[pick];
    const std::string& original = Shipped()[pick];
    WriteBytes(path, AsText(data + 1, size - 1));
    Tables tables;
    const Status s = ReadTables(ScratchDir(), tables);
    WriteBytes(path, original);
    if (!s) return 0;
    Require(tables.Mat.count >= 0 && tables.Mat.count < kMaxMaterialRows, "the grade count fits the table");
    Case c;
    NewCase(c);
    PrepareStartupCase(c, tables);
    return 0;
}

// The data tables: the first byte picks one of the five files, the rest replaces it
// beside the other four. Tables that read must give the start-up case its
// grades and sections (the calculation on odd values is the project-file target's).
#include <array>
#include <string>

#include "files/datatables.h"
#include "fuzz_support.h"
#include "run/calculate.h"

namespace veltar::fuzz {
namespace {

constexpr std::array<const char*, 5> kFiles = {"bfprof.dat", "lprof.dat", "tprof.dat", "fprof.dat", "ABSmat.dat"};
// The fewest records of each file that a new case needs (its default rows and grade):
// the files beside the fuzzed one are cut to these, so that each input costs little
// beyond the reading of its own file.
constexpr std::array<int, 5> kFewestRecords = {17, 1, 1, 14, 4};

std::string FirstLines(const std::string& text, int n) {
    size_t end = 0;
    for (int i = 0; i < n && end != std::string::npos; ++i) end = text.find('\n', end == 0 ? 0 : end + 1);
    return end == std::string::npos ? text : text.substr(0, end + 1);
}

// The shortened shipped files, written into the scratch folder once.
const std::array<std::string, 5>& Companions() {
    static const std::array<std::string, 5> files = [] {
        std::array<std::string, 5> text;
        for (size_t i = 0; i < kFiles.size(); ++i) {
            text[i] = FirstLines(ReadBytes(std::string(VELTAR_DATA_DIR) + "/" + kFiles[i]), kFewestRecords[i]);
            WriteBytes(ScratchDir() + "/" + kFiles[i], text[i]);
        }
        Tables tables;
        const Status s = ReadTables(ScratchDir(), tables);
        Require(s.ok, "the shortened tables read: " + s.message);
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
    const std::string& original = Companions()[pick];
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

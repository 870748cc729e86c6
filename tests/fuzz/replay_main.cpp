// Without libFuzzer a target runs over the files it is given (folders read in name
// order), so that the seed corpus and the regression inputs run with the tests.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Inputs(int argc, char** argv) {
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        if (!fs::is_directory(argv[i])) {
            files.emplace_back(argv[i]);
            continue;
        }
        std::vector<fs::path> inFolder;
        for (const auto& entry : fs::directory_iterator(argv[i]))
            if (entry.is_regular_file()) inFolder.push_back(entry.path());
        std::sort(inFolder.begin(), inFolder.end());
        files.insert(files.end(), inFolder.begin(), inFolder.end());
    }
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<fs::path> files = Inputs(argc, argv);
    if (files.empty()) {
        std::fprintf(stderr, "%s: no inputs\n", argv[0]);
        return 1;
    }
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        if (!in.good() && !in.eof()) {
            std::fprintf(stderr, "%s: can't read %s\n", argv[0], file.c_str());
            return 1;
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs\n", files.size());
    return 0;
}

// Shared pieces of the fuzz targets. The scratch folder lives in /dev/shm when it
// exists: a save ends in fsync, which costs nothing there.
#include "fuzz_support.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/datatables.h"

namespace veltar::fuzz {
namespace {

namespace fs = std::filesystem;

class Scratch {
public:
    Scratch() {
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "veltar-fuzz-XXXXXX").string();
        Require(::mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
        dir_ = pattern;
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    const std::string& Dir() const { return dir_; }

private:
    std::string dir_;
};

}  // namespace

void Require(bool holds, std::string_view what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

const std::string& ScratchDir() {
    static const Scratch scratch;
    return scratch.Dir();
}

const Tables& ShippedTables() {
    static const Tables tables = [] {
        Tables t;
        const Status s = ReadTables(VELTAR_DATA_DIR, t);
        Require(s.ok, s.message);
        return t;
    }();
    return tables;
}

std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    Require(static_cast<bool>(out), "the scratch file can be written");
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool ShowsNonFinite(std::string_view text) {
    if (text.find("NaN") != std::string_view::npos) return true;
    for (size_t at = text.find("Inf"); at != std::string_view::npos; at = text.find("Inf", at + 1))
        if (at + 3 == text.size() || !std::isalpha(static_cast<unsigned char>(text[at + 3]))) return true;
    return false;
}

}  // namespace veltar::fuzz

// Typed numbers in both locales and project-file numbers. A typed value is finite and
// the same in both locales where the comma locale reads one; a project-file number
// that reads is written so that it reads back as the very same value.
#include <cmath>
#include <string>

#include "core/parse.h"
#include "files/valuetext.h"
#include "fuzz_support.h"

namespace veltar::fuzz {
namespace {

void TypedNumber(std::string_view text) {
    const std::optional<float> point = ParseNumber(text, 0);
    const std::optional<float> comma = ParseNumber(text, 1);
    Require(!point || std::isfinite(*point), "a typed number is finite (point locale)");
    Require(!comma || std::isfinite(*comma), "a typed number is finite (comma locale)");
    // The comma locale reads a whole number only, which the point locale reads alike.
    if (comma) Require(point && *point == *comma, "both locales read a number alike");
    Require(DecimalPrefix(text) <= text.size(), "a number prefix lies within the text");
}

template <typename Read, typename Write>
void FileNumber(std::string_view text, Read read, Write write) {
    const LineNumber n = read(text);
    if (n.fault != LineNumber::Fault::None) return;
    Require(std::isfinite(n.value), "a project-file number is finite");
    const std::string written = write(n.value);
    const LineNumber back = read(written);
    Require(back.fault == LineNumber::Fault::None && back.value == n.value,
            "a number read from a project file is written back exactly: " + written);
}

}  // namespace
}  // namespace veltar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace veltar;
    using namespace veltar::fuzz;
    const std::string_view text = AsText(data, size);
    TypedNumber(text);
    FileNumber(text, ReadDoubleText, [](double x) { return NumberText(x); });
    FileNumber(text, ReadSingleText, [](double x) { return NumberText(static_cast<float>(x)); });
    return 0;
}

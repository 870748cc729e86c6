// The masks on any value: the input is a double (8 bytes, little-endian), the index of
// a mask, the separator (even '.', odd ',') and the precision (even double, odd the
// nearest float). Every value gets a text; a finite value's text reads back within
// half a unit of its last digit, widened by the 15 or 7 significant digits the value
// is first rounded to.
#include <array>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <string>

#include "core/numformat.h"
#include "fuzz_support.h"

namespace veltar::fuzz {
namespace {

// Every mask the program formats with.
constexpr std::array<const char*, 20> kMasks = {"0",    "00",   "0.0",   "0.00",    "0.000",    "#0",     "#00",
                                                "#000", "#0.0", "#0.00", "##0",     "##0.0",    "##0.00", "##0.000",
                                                "###",  "0.0#", "#0 ",   "0.00E+0", "0.000E+0", "00.0E+0"};

// The float nearest a double; beyond the float range an infinity, as the hardware gives.
float NearestFloat(double x) {
    if (std::fabs(x) > static_cast<double>(FLT_MAX)) return x > 0 ? INFINITY : -INFINITY;
    return static_cast<float>(x);
}

// The value a text shows and the unit of its last digit; false when it is no number.
bool ReadShown(std::string text, char sep, double& value, double& unit) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    if (text.empty() || text == "-") {  // "###" writes nothing for a zero
        value = 0, unit = 1;
        return true;
    }
    const size_t at = text.find(sep);
    if (at != std::string::npos) text[at] = '.';
    const size_t e = text.find('E');
    const size_t end = e == std::string::npos ? text.size() : e;
    const int decimals = at == std::string::npos ? 0 : static_cast<int>(end - at - 1);
    const int exponent = e == std::string::npos ? 0 : std::stoi(text.substr(e + 1));
    char* stop = nullptr;
    value = std::strtod(text.c_str(), &stop);
    unit = std::pow(10.0, exponent - decimals);
    return stop == text.c_str() + text.size();
}

template <typename T>
void Check(T x, const char* mask, char sep, double significant) {
    const std::string text = Format(x, mask, sep);
    if (!std::isfinite(x)) {
        Require(text.starts_with(std::isnan(x) ? "NaN"
                                 : x > 0       ? "Inf"
                                               : "-Inf"),
                std::string("a value that is not finite has its text: ") + text);
        return;
    }
    double shown = 0, unit = 0;
    Require(ReadShown(text, sep, shown, unit), "a masked text is a number: " + text);
    const double ax = std::fabs(static_cast<double>(x));
    const double lead = ax > 0 ? std::pow(10.0, std::floor(std::log10(ax))) : 0;
    const double bound = unit / 2 + lead * 5 * std::pow(10.0, -significant) + ax * 1e-15;
    Require(std::fabs(shown - static_cast<double>(x)) <= bound * (1 + 1e-9),
            std::string("the text reads back within the mask's precision: ") + text + " with " + mask);
}

}  // namespace
}  // namespace veltar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace veltar::fuzz;
    if (size < 11) return 0;
    double x = 0;
    std::memcpy(&x, data, sizeof x);
    const char* mask = kMasks[data[8] % kMasks.size()];
    const char sep = data[9] % 2 == 0 ? '.' : ',';
    if (data[10] % 2 == 0)
        Check(x, mask, sep, 15);
    else
        Check(NearestFloat(x), mask, sep, 7);
    return 0;
}

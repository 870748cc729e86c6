// The case mix: profiles from a fixed list, loads spread by a small generator so that
// the same count always gives the same table.
#include "bench/case_mix.h"

#include <cstdint>
#include <cstdio>

namespace veltar::bench {
namespace {

struct Profile {
    const char* code;
    const char* dims;
};
constexpr Profile kStiffeners[] = {{"LR", "200x90x9x14"},   {"LR", "300x90x11x16"}, {"LW", "250x90x10x12"},
                                   {"TG", "300x100x11x16"}, {"FB", "180x12"},       {"BF", "200x9"},
                                   {"BF", "240x10"},        {"IG", "400x150x12x20"}};
constexpr Profile kGirders[] = {{"TG", "800x200x10x20"}, {"LG", "1000x250x12x25"}, {"TG", "600x150x10x16"}};

// Uniform values in [lo, hi) from a linear congruential sequence.
class Spread {
public:
    double Next(double lo, double hi) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return lo + (hi - lo) * static_cast<double>(state_ >> 11) / 9007199254740992.0;
    }

private:
    std::uint64_t state_ = 40;
};

std::string CaseRowText(int i, Spread& r) {
    const Profile& st = kStiffeners[i % 8];
    const Profile& gd = kGirders[i % 3];
    char line[512];
    std::snprintf(line, sizeof line,
                  "Mix\tC%05d\t%d\t1.43\t0.6\t%d\t%d\t%d\t%d\t206000\t%d\t%.0f\t%d\t%s\t%s\t%s\t%s\t"
                  "%.0f\t%.0f\t%.0f\t%.0f\t%.0f\t%.1f\t%.0f\t%.0f\t%.1f\t%.1f\t%.1f\t%.1f\t%.1f\t%.3f\t%.3f\r\n",
                  i, (i / 6) % 3, i % 2 ? 355 : 235, i % 2 ? 490 : 400, i % 4 ? 355 : 315, i % 4 ? 490 : 440, i % 3,
                  r.Next(20, 120), (i / 3) % 2, st.code, st.dims, gd.code, gd.dims, r.Next(2000, 4000),
                  r.Next(2000, 4000), r.Next(6000, 12000), r.Next(4000, 8000), r.Next(1500, 3500), r.Next(10, 25),
                  r.Next(550, 900), r.Next(550, 900), r.Next(-200, 40), r.Next(-200, 40), r.Next(-80, 20),
                  r.Next(-80, 20), r.Next(0, 60), r.Next(-0.1, 0.1), r.Next(-0.1, 0.1));
    return line;
}

}  // namespace

std::string CaseMixTable(int cases) {
    Spread r;
    std::string text;
    for (int i = 0; i < cases; ++i) {
        if (i % 100 == 0) text += "% cases from " + std::to_string(i + 1) + "\r\n";
        text += CaseRowText(i, r);
    }
    return text + "End\r\n";
}

}  // namespace veltar::bench

// Number masks and plain number text, on std::to_chars (no iostreams: a run formats
// about a hundred numbers).
#include "core/numformat.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace veltar {
namespace {

// The significant decimal digits of |x| (no trailing zeros) and the exponent of the
// first one: |x| = 0.d1d2d3... * 10^(exp + 1).
struct Digits {
    char d[24];
    int n = 0;
    int exp = 0;
};

// Whether the shortest round-trip digits of `ax`, when there are no more than
// `significant` of them, are also its rounding to that many digits. For a double that
// holds wherever it is normal (15 digits survive a round trip). For a float it holds
// where a float step is smaller than a unit of the 7th digit: from 0.001 to 8e6 it is.
bool ShortestIsRounding(double ax) { return ax >= 1e-300; }
bool ShortestIsRounding(float ax) { return ax >= 0.001f && ax <= 8.0e6f; }

// Whether the digits after the first `keep` read exactly 5, 50, 500, ...
bool TieAfter(const Digits& g, int keep) {
    if (keep >= g.n || g.d[keep] != '5') return false;
    for (int i = keep + 1; i < g.n; ++i)
        if (g.d[i] != '0') return false;
    return true;
}

bool RoundTo(Digits& g, int keep);

// Digits of "d.ddde+XX" as std::to_chars writes them in scientific form.
Digits ParseScientific(const char* p, const char* end) {
    Digits out;
    const char* e = static_cast<const char*>(std::memchr(p, 'e', static_cast<size_t>(end - p)));
    out.d[0] = p[0];
    out.n = 1;
    if (e - p > 2) {
        std::memcpy(out.d + 1, p + 2, static_cast<size_t>(e - p - 2));
        out.n += static_cast<int>(e - p - 2);
    }
    int exp = 0;
    for (const char* q = e + 2; q < end; ++q) exp = exp * 10 + (*q - '0');
    out.exp = e[1] == '-' ? -exp : exp;
    while (out.n > 1 && out.d[out.n - 1] == '0') --out.n;
    if (out.n == 1 && out.d[0] == '0') out.n = 0;
    return out;
}

// The value's decimal digits rounded to `significant` digits. The shortest round-trip
// form is far cheaper than a fixed precision: a longer one rounds to the same digits
// unless it ends exactly on a half (no decimal of one digit more lies between it and the
// value, or it would be the shortest), so only that case and the short forms outside
// the safe range take the exact path.
// Whole numbers below 1e15 are exact in both precisions: their digits are the integer's.
bool WholeDigits(double ax, Digits& g) {
    if (!(ax < 1e15) || ax != static_cast<double>(static_cast<std::uint64_t>(ax))) return false;
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<std::uint64_t>(ax));
    const int len = static_cast<int>(res.ptr - buf);
    g.exp = len - 1;
    g.n = 0;
    for (int i = 0; i < len; ++i) g.d[g.n++] = buf[i];
    while (g.n > 0 && g.d[g.n - 1] == '0') --g.n;
    return true;
}

template <typename T>
Digits DecimalDigits(T ax, int significant) {
    if (Digits whole; ax < static_cast<T>(1e7) && WholeDigits(static_cast<double>(ax), whole)) return whole;
    char buf[48];
    char* end = buf + sizeof buf;
    auto res = std::to_chars(buf, end, ax, std::chars_format::scientific);
    Digits g = ParseScientific(buf, res.ptr);
    if (g.n > significant ? !TieAfter(g, significant) : ShortestIsRounding(ax)) {
        RoundTo(g, significant);
        return g;
    }
    res = std::to_chars(buf, end, ax, std::chars_format::scientific, significant - 1);
    return ParseScientific(buf, res.ptr);
}

// Keeps `keep` leading digits, rounding half away from zero on the digit after them.
// Returns false when nothing is left (the value rounds to zero).
bool RoundTo(Digits& g, int keep) {
    if (keep >= g.n) return g.n > 0;
    bool up = keep >= 0 && g.d[keep] >= '5';
    if (keep < 0) up = false;
    g.n = keep < 0 ? 0 : keep;
    if (!up) {
        while (g.n > 0 && g.d[g.n - 1] == '0') --g.n;
        return g.n > 0;
    }
    int i = g.n - 1;
    while (i >= 0 && g.d[i] == '9') --i;
    if (i < 0) {  // 99.95 -> 100.0: one more leading digit
        g.d[0] = '1';
        g.n = 1;
        ++g.exp;
        return true;
    }
    ++g.d[i];
    g.n = i + 1;
    return true;
}

// Text of one number, built in place and appended once. Room for the 309 integer
// digits of the largest double with a mask's decimals and exponent.
struct NumberText {
    char c[400];
    int n = 0;
    void Put(char ch) { c[n++] = ch; }
};

void PutExponent(NumberText& t, int e, const NumMask& k) {
    t.Put('E');
    if (e < 0)
        t.Put('-');
    else if (k.expSignAlways)
        t.Put('+');
    char buf[8];
    auto res = std::to_chars(buf, buf + sizeof buf, std::abs(e));
    for (int pad = k.expZeros - static_cast<int>(res.ptr - buf); pad > 0; --pad) t.Put('0');
    for (const char* p = buf; p < res.ptr; ++p) t.Put(*p);
}

void PutFixed(NumberText& t, Digits g, const NumMask& k, char sep) {
    RoundTo(g, g.exp + 1 + k.decPlaces);
    // Integer digits: positions exp, exp-1, ..., 0 of the rounded value.
    const int intDigits = g.n > 0 ? std::max(g.exp + 1, 0) : 0;
    for (int pad = k.intZeros - intDigits; pad > 0; --pad) t.Put('0');
    for (int pos = 0; pos < intDigits; ++pos) t.Put(pos < g.n ? g.d[pos] : '0');
    if (!k.point) return;
    t.Put(sep);
    int last = t.n;  // end of the decimals that must stay
    for (int j = 1; j <= k.decPlaces; ++j) {
        const int pos = g.exp + j;  // digit index of 10^-j
        const char digit = (g.n > 0 && pos >= 0 && pos < g.n) ? g.d[pos] : '0';
        t.Put(digit);
        if (j <= k.decZeros || digit != '0') last = t.n;
    }
    t.n = last;
}

void PutScientific(NumberText& t, Digits g, const NumMask& k, char sep) {
    const int places = std::max(k.intPlaces, 1);
    int e = 0;
    if (RoundTo(g, places + k.decPlaces)) e = g.exp - (places - 1);
    for (int pos = 0; pos < places; ++pos) t.Put(pos < g.n ? g.d[pos] : '0');
    if (k.point) {
        t.Put(sep);
        for (int j = 0; j < k.decPlaces; ++j) t.Put((places + j) < g.n ? g.d[places + j] : '0');
    }
    PutExponent(t, e, k);
}

// std::ilogb of a positive value, read from its bits: a library call per number
// would cost as much as the rest of the fast path.
int BinaryExponent(double x) {
    const int biased = static_cast<int>((std::bit_cast<std::uint64_t>(x) >> 52) & 0x7ff);
    return biased == 0 ? std::ilogb(x) : biased - 1023;
}

// Fixed masks of up to three decimals straight from the binary value, where rounding
// to significant digits first cannot change the result. That rounding moves the value
// by at most half a unit of its last significant digit, which matters only within that
// distance of a half; the margin below is ten times wider (and a hundred times the
// error of forming |x|·10^d in double). Values that close to a half, and very large
// ones, take the decimal path.
template <typename T>
bool PutFixedDirect(NumberText& t, T ax, const NumMask& k, char sep, int significant) {
    static constexpr double kScale[] = {1.0, 10.0, 100.0, 1000.0};
    if (k.exponent || k.decPlaces > 3 || !(ax < static_cast<T>(1e11))) return false;
    const double y = static_cast<double>(ax) * kScale[k.decPlaces];
    const auto whole = static_cast<std::uint64_t>(y);           // y >= 0: truncation is the floor
    const double off = (y - static_cast<double>(whole)) - 0.5;  // exact below 2^52
    // A generous bound on the decimal exponent (from the binary one): a larger one only
    // widens the margin.
    const int e = ax > 0 ? (BinaryExponent(static_cast<double>(ax)) + 1) * 30103 / 100000 + 2 : 0;
    const int cut = e - significant + 1 + k.decPlaces;  // the margin is 10^cut
    static constexpr double kMargin[] = {1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,  1e-8,  1e-9,  1e-10,
                                         1e-11, 1e-12, 1e-13, 1e-14, 1e-15, 1e-16, 1e-17, 1e-18, 1e-19, 1e-20};
    if (cut >= 0) return false;
    // Below 1e-20 the value is far too small to come near a half of the last decimal.
    const double margin = -cut <= 20 ? kMargin[-cut - 1] : 0.0;
    if (std::fabs(off) <= margin) return false;
    const std::uint64_t n = whole + (off > 0 ? 1 : 0);
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, n);
    const int len = static_cast<int>(res.ptr - buf);
    const int intLen = n == 0 ? 0 : std::max(len - k.decPlaces, 0);
    for (int pad = k.intZeros - intLen; pad > 0; --pad) t.Put('0');
    for (int i = 0; i < intLen; ++i) t.Put(buf[i]);
    if (!k.point) return true;
    t.Put(sep);
    int last = t.n;  // end of the decimals that must stay
    for (int j = 1; j <= k.decPlaces; ++j) {
        const int pos = len - k.decPlaces + j - 1;  // index in buf of the j-th decimal
        const char digit = pos >= 0 ? buf[pos] : '0';
        t.Put(digit);
        if (j <= k.decZeros || digit != '0') last = t.n;
    }
    t.n = last;
    return true;
}

// No digits describe these; the checks report a fault before one reaches a result,
// so the text only has to be defined and plain.
template <typename T>
const char* NonFiniteText(T x) {
    if (std::isnan(x)) return "NaN";
    return x > 0 ? "Inf" : "-Inf";
}

template <typename T>
void AppendMasked(std::string& out, T x, const NumMask& k, char sep, int significant) {
    if (!std::isfinite(x)) {
        out += NonFiniteText(x);
        out += k.suffix;
        return;
    }
    NumberText t;
    if (std::signbit(x) && x != 0) t.Put('-');
    if (PutFixedDirect(t, std::fabs(x), k, sep, significant)) {
        out.append(t.c, static_cast<size_t>(t.n));
        out += k.suffix;
        return;
    }
    const Digits g = DecimalDigits(std::fabs(x), significant);
    if (k.exponent)
        PutScientific(t, g, k, sep);
    else
        PutFixed(t, g, k, sep);
    out.append(t.c, static_cast<size_t>(t.n));
    out += k.suffix;
}

template <typename T>
std::string Plain(T x, char sep, int significant) {
    std::string out;
    if (x == 0) return "0";
    if (!std::isfinite(x)) return NonFiniteText(x);
    if (std::signbit(x)) out += '-';
    const Digits g = DecimalDigits(std::fabs(x), significant);
    if (g.exp <= -5 || g.exp >= significant) {
        out += g.d[0];
        if (g.n > 1) {
            out += sep;
            out.append(g.d + 1, g.d + g.n);
        }
        NumMask k;
        k.expSignAlways = true;
        k.expZeros = 2;
        NumberText t;
        PutExponent(t, g.exp, k);
        out.append(t.c, static_cast<size_t>(t.n));
        return out;
    }
    if (g.exp < 0) {
        out += '0';
        out += sep;
        for (int z = -1; z > g.exp; --z) out += '0';
        out.append(g.d, g.d + g.n);
        return out;
    }
    for (int pos = 0; pos <= g.exp; ++pos) out += pos < g.n ? g.d[pos] : '0';
    if (g.n > g.exp + 1) {
        out += sep;
        out.append(g.d + g.exp + 1, g.d + g.n);
    }
    return out;
}

}  // namespace

void AppendFormat(std::string& out, double x, const NumMask& mask, char sep) { AppendMasked(out, x, mask, sep, 15); }

void AppendFormat(std::string& out, float x, const NumMask& mask, char sep) { AppendMasked(out, x, mask, sep, 7); }

void AppendFormat(std::string& out, Real x, const NumMask& mask, char sep) {
    if (x.kind() == Real::Kind::Single)
        AppendFormat(out, static_cast<float>(static_cast<double>(x)), mask, sep);
    else
        AppendFormat(out, static_cast<double>(x), mask, sep);
}

std::string Format(double x, std::string_view mask, char sep) {
    std::string out;
    AppendFormat(out, x, NumMask::Read(mask), sep);
    return out;
}

std::string Format(float x, std::string_view mask, char sep) {
    std::string out;
    AppendFormat(out, x, NumMask::Read(mask), sep);
    return out;
}

std::string Format(Real x, std::string_view mask, char sep) {
    if (x.kind() == Real::Kind::Single) return Format(static_cast<float>(static_cast<double>(x)), mask, sep);
    return Format(static_cast<double>(x), mask, sep);
}

std::string Format(int x, std::string_view mask, char sep) { return Format(static_cast<double>(x), mask, sep); }

std::string PlainText(float x, char sep) { return Plain(x, sep, 7); }

std::string PlainText(double x, char sep) { return Plain(x, sep, 15); }

std::string PlainText(Real x, char sep) {
    if (x.kind() == Real::Kind::Single) return PlainText(static_cast<float>(static_cast<double>(x)), sep);
    return PlainText(static_cast<double>(x), sep);
}

}  // namespace veltar

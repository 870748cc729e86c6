// A project file that opens must save and open again unchanged: numbers at the edges
// of their precision and range, texts the writer would change, and random files of
// every field type.
#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>

#include "files/datatables.h"
#include "files/projectfile.h"
#include "files/projectlayout.h"
#include "files/valuetext.h"
#include "profiles/sections.h"

namespace veltar {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const std::string& path) {
    return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
}

TEST(NumberText, KeepsTheShortFormAndAddsDigitsOnlyWhereItWouldNotReadBack) {
    const std::pair<double, const char*> doubles[] = {
        {612.5, "612.5"},
        {0.03, "0.03"},
        {-1.234567e7, "-12345670"},
        {1e-5, "1E-05"},
        {DBL_MAX, "1.7976931348623157E+308"},  // 15 digits overflow
        {-DBL_MAX, "-1.7976931348623157E+308"},
        {0.1 + 0.2, "0.30000000000000004"},
        {1.0 / 3.0, "0.3333333333333333"},
        {9007199254740992.0, "9007199254740992"},  // 2^53, plain where it has at most 17 digits
        {1e17 + 16, "1.0000000000000002E+17"},
        {DBL_MIN, "2.2250738585072014E-308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},  // reads back at 15 digits
    };
    for (const auto& [x, text] : doubles) {
        EXPECT_EQ(NumberText(x), text);
        EXPECT_EQ(ReadDoubleText(NumberText(x)).value, x) << text;
    }
    const std::pair<float, const char*> floats[] = {
        {612.5f, "612.5"},          {0.1f, "0.1"},
        {FLT_MAX, "3.4028235E+38"},  // 7 digits read back as a smaller float
        {1.00000012f, "1.0000001"}, {16777216.0f, "16777216"},
        {FLT_MIN, "1.1754944E-38"}, {std::numeric_limits<float>::denorm_min(), "1.401298E-45"},
    };
    for (const auto& [x, text] : floats) {
        EXPECT_EQ(NumberText(x), text);
        EXPECT_EQ(static_cast<float>(ReadSingleText(NumberText(x)).value), x) << text;
    }
}

// Any finite bit pattern comes back exactly; a form that read back at 7 or 15 digits
// keeps it, so every file that saved right before saves alike now.
TEST(NumberText, EveryFiniteValueReadsBackExactly) {
    std::mt19937_64 random(20240611);
    int longer = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t bits = random();
        double d;
        float f;
        std::memcpy(&d, &bits, sizeof d);
        const auto low = static_cast<std::uint32_t>(bits);
        std::memcpy(&f, &low, sizeof f);
        if (std::isfinite(d)) {
            const LineNumber back = ReadDoubleText(NumberText(d));
            ASSERT_TRUE(back.fault == LineNumber::Fault::None && back.value == d) << NumberText(d);
            const LineNumber plain = ReadDoubleText(PlainText(d));
            if (plain.fault == LineNumber::Fault::None && plain.value == d)
                ASSERT_EQ(NumberText(d), PlainText(d));
            else
                ++longer;
        }
        if (std::isfinite(f)) {
            const LineNumber back = ReadSingleText(NumberText(f));
            ASSERT_TRUE(back.fault == LineNumber::Fault::None && static_cast<float>(back.value) == f) << NumberText(f);
        }
    }
    EXPECT_GT(longer, 0) << "random doubles need more than 15 digits now and then";
}

class RoundTrip : public ::testing::Test {
protected:
    RoundTrip() { fs::remove_all(dir_), fs::create_directories(dir_); }
    ~RoundTrip() override { fs::remove_all(dir_); }
    void SetUp() override { ASSERT_TRUE(ReadTables(VELTAR_DATA_DIR, tables_).ok); }
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    // Opens `text`, saves the case, opens the saved file; the two cases must agree
    // on every line and saving the second must give the same bytes.
    void ExpectSurvives(const std::string& text) {
        std::ofstream(PathOf("in.velta"), std::ios::binary) << text;
        Case first, second;
        const Status opened = ReadProjectFile(first, tables_, PathOf("in.velta"));
        ASSERT_TRUE(opened.ok) << opened.message << "\n" << text;
        std::string saved = PathOf("saved.velta"), again = PathOf("again.velta");
        const Status written = WriteProjectFile(first, saved);
        ASSERT_TRUE(written.ok) << written.message;
        const Status reopened = ReadProjectFile(second, tables_, saved);
        ASSERT_TRUE(reopened.ok) << reopened.message;
        for (const FieldDef* line : ProjectLines())
            EXPECT_TRUE(std::visit([&](auto m) { return first.*m == second.*m; }, line->member))
                << line->name << " changed, file:\n"
                << ReadAll(saved);
        ASSERT_TRUE(WriteProjectFile(second, again).ok);
        EXPECT_EQ(ReadAll(again), ReadAll(saved));
    }

    fs::path dir_ =
        ::testing::TempDir() + "veltar_roundtrip_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    Tables tables_;
};

TEST_F(RoundTrip, ALargestDoubleSavesAndOpensAgain) {
    Case c;
    ASSERT_TRUE(
        ReadProjectFile(c, tables_, std::string(VELTAR_FIXTURES) + "/regressions/value-near-double-max.velta").ok);
    EXPECT_EQ(double(c.GirdH), DBL_MAX);
    std::string saved = PathOf("saved.velta");
    ASSERT_TRUE(WriteProjectFile(c, saved).ok);
    Case back;
    const Status s = ReadProjectFile(back, tables_, saved);
    ASSERT_TRUE(s.ok) << s.message;
    EXPECT_EQ(double(back.GirdH), DBL_MAX);
}

// L 250x90x12x12 and 250x90x12x16 share the compared H, B and tw: the saved row must
// come back, not the later one.
TEST_F(RoundTrip, ATableProfileOpensAsTheRowItWasSavedWith) {
    for (const i16 row : {i16(23), i16(24), i16(27), i16(28)}) {
        Case c;
        c.StiffKind = kLTable, c.LRow = row;
        SetStiffenerProfile(c, tables_, c.StiffKind);
        std::string saved = PathOf("saved.velta");
        ASSERT_TRUE(WriteProjectFile(c, saved).ok);
        Case back;
        ASSERT_TRUE(ReadProjectFile(back, tables_, saved).ok);
        EXPECT_EQ(back.LRow, row);
        SetStiffenerProfile(back, tables_, back.StiffKind);
        EXPECT_EQ(double(back.StiffTf), double(c.StiffTf)) << "row " << row;
    }
}

// A quote or a line break inside a text, or a text too long to write back.
TEST_F(RoundTrip, TextsAreReadAsTheyWillBeWritten) {
    std::vector<std::string> lines;
    Case defaults;
    std::string base = PathOf("base.velta");
    ASSERT_TRUE(WriteProjectFile(defaults, base).ok);
    const std::string text = ReadAll(base);
    const auto withProject = [&](const std::string& line) {
        const size_t from = text.find("\r\n") + 2;
        return text.substr(0, from) + line + text.substr(text.find("\r\n", from));
    };
    const std::pair<std::string, std::string> cases[] = {
        {"\"He said \"no\"\"", "He said 'no'"},
        {"a\rb", "a b"},
        {"\"", "'"},
        {"  bare text  ", "bare text"},
        {"\"" + std::string(kMaxProjectTextBytes, 'x') + "\"", std::string(kMaxProjectTextBytes, 'x')},
    };
    for (const auto& [line, project] : cases) {
        std::ofstream(PathOf("in.velta"), std::ios::binary) << withProject(line);
        Case c;
        ASSERT_TRUE(ReadProjectFile(c, tables_, PathOf("in.velta")).ok) << line;
        EXPECT_EQ(c.Project, project);
        ExpectSurvives(withProject(line));
    }
    std::ofstream(PathOf("in.velta"), std::ios::binary) << withProject(std::string(kMaxProjectTextBytes + 1, 'x'));
    Case c;
    EXPECT_EQ(ReadProjectFile(c, tables_, PathOf("in.velta")).message,
              PathOf("in.velta") + ", line 2: text longer than 4094 characters");
}

// The whole numbers a field may hold in a file that opens.
std::pair<int, int> Allowed(WholeRange range, const Tables& tables) {
    switch (range) {
        case WholeRange::Grade: return {0, tables.Mat.count};
        case WholeRange::TableRow: return {0, kMaxProfileRows - 1};
        case WholeRange::LoadCond: return {0, 2};
        case WholeRange::BulkheadType: return {0, 2};
        case WholeRange::EndOption: return {0, 1};
        default: return {INT16_MIN, INT16_MAX};
    }
}

// Random files of every field type: numbers from random bits and from the edges of
// their range, each in one of the ways an editor or another program may write it.
class RandomFile {
public:
    RandomFile(std::uint64_t seed, const Tables& tables) : random_(seed), tables_(tables) {}

    std::string Text() {
        std::string text = "180\r\n";
        for (const FieldDef* line : ProjectLines())
            text += std::visit([&](auto m) { return Line(m, line->project.range); }, line->member) + "\r\n";
        return text;
    }

private:
    std::string Line(std::string Case::*, WholeRange) {
        std::string s(random_() % 60, ' ');
        for (char& ch : s) ch = static_cast<char>(random_() % 256);
        for (char& ch : s)
            if (ch == '\n') ch = '\t';
        return '"' + s + '"';
    }
    std::string Line(i16 Case::*, WholeRange range) {
        // A table stiffener: a built-up kind keeps its last dimension as a float, which
        // refuses the larger values.
        if (range == WholeRange::StiffKind) return std::to_string(2 * (random_() % 4));
        if (range == WholeRange::GirdKind) return random_() % 2 ? "1" : "3";
        const auto [lo, hi] = Allowed(range, tables_);
        return std::to_string(lo + static_cast<int>(random_() % static_cast<std::uint64_t>(hi - lo + 1)));
    }
    std::string Line(float Case::*, WholeRange) { return Written(Value<float>()); }
    std::string Line(Real Case::*, WholeRange) { return Written(Value<double>()); }
    std::string Line(double Case::*, WholeRange) { return Written(Value<double>()); }

    template <typename T>
    T Value() {
        using L = std::numeric_limits<T>;
        const T edges[] = {L::max(), L::lowest(),     L::min(),    -L::min(), L::denorm_min(), T(0),
                           T(-0.0),  T(0.1) + T(0.2), T(1) / T(3), T(612.5),  T(1e-5)};
        if (random_() % 3 == 0) return edges[random_() % std::size(edges)];
        for (;;) {
            T x;
            const std::uint64_t bits = random_();
            std::memcpy(&x, &bits, sizeof x);
            if (std::isfinite(x)) return x;
        }
    }

    template <typename T>
    std::string Written(T x) {
        char buf[400];
        switch (random_() % 4) {
            case 0: return std::string(buf, std::to_chars(buf, buf + sizeof buf, x).ptr);
            case 1: std::snprintf(buf, sizeof buf, "%.40e", static_cast<double>(x)); return buf;
            case 2: std::snprintf(buf, sizeof buf, " %+.17G ", static_cast<double>(x)); return buf;
            default: std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(x)); return buf;
        }
    }

    std::mt19937_64 random_;
    const Tables& tables_;
};

TEST_F(RoundTrip, RandomFilesOfEveryFieldType) {
    for (std::uint64_t seed = 1; seed <= 100; ++seed) {
        SCOPED_TRACE(seed);
        ExpectSurvives(RandomFile(seed, tables_).Text());
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace veltar

// The recent-file list as the File menu shows it after opens, saves and clicks.
#include <gtest/gtest.h>

#include "files/recent.h"

namespace veltar {
namespace {

using Captions = std::vector<std::string>;

class RecentList : public ::testing::Test {
protected:
    void Open(const std::string& path) {
        AddRecentOnOpen(store_, menu_, path);
        RefreshRecentMenu(menu_, store_);
    }
    void SaveAs(const std::string& path) {
        AddRecentOnSave(store_, path);
        RefreshRecentMenu(menu_, store_);
    }
    std::string Click(int n) {
        const std::string path = RecentItemPath(menu_, n);
        PromoteRecent(store_, path, n);
        RefreshRecentMenu(menu_, store_);
        return path;
    }
    Captions Shown() const {
        Captions shown;
        for (int n = 1; n <= 4; ++n)
            if (menu_.items[n].visible) shown.push_back(menu_.items[n].caption);
        return shown;
    }

    MemorySettings store_;
    RecentMenu menu_;
};

TEST_F(RecentList, EmptyStoreShowsNothingAndAFirstOpenOneItem) {
    RefreshRecentMenu(menu_, store_);
    for (const auto& item : menu_.items) EXPECT_FALSE(item.visible);
    Open("/p/A.velta");
    EXPECT_TRUE(menu_.items[0].visible);
    EXPECT_EQ(Shown(), (Captions{"1. /p/A.velta"}));
    EXPECT_EQ(store_.Keys(), (Captions{"RecentFile1"})) << "no key before it holds a path";
}

TEST_F(RecentList, OpeningMovesAFileToTheTopAndKeepsFour) {
    for (const char* f : {"A", "B", "C", "D", "E"}) Open(f);
    EXPECT_EQ(Shown(), (Captions{"1. E", "2. D", "3. C", "4. B"}));
    Open("C");
    EXPECT_EQ(Shown(), (Captions{"1. C", "2. E", "3. D", "4. B"}));
    Open("B");
    EXPECT_EQ(Shown(), (Captions{"1. B", "2. C", "3. E", "4. D"}));
    Open("B");
    EXPECT_EQ(Shown(), (Captions{"1. B", "2. C", "3. E", "4. D"}));
    Open("c");  // case-sensitive
    EXPECT_EQ(Shown(), (Captions{"1. c", "2. B", "3. C", "4. E"}));
}

TEST_F(RecentList, SavingAsPutsThePathOnTopEvenWhenListed) {
    for (const char* f : {"A", "B", "C", "D", "E", "C"}) Open(f);
    SaveAs("F");
    EXPECT_EQ(Shown(), (Captions{"1. F", "2. C", "3. E", "4. D"}));
    SaveAs("C");
    EXPECT_EQ(Shown(), (Captions{"1. C", "2. F", "3. C", "4. E"}));
}

TEST_F(RecentList, ClickingAnItemOpensItsPathAndMovesItUp) {
    for (const char* f : {"/j/D", "/j/C", "/j/B", "/j/A"}) Open(f);
    EXPECT_EQ(Click(3), "/j/C");
    EXPECT_EQ(Shown(), (Captions{"1. /j/C", "2. /j/A", "3. /j/B", "4. /j/D"}));
    EXPECT_EQ(Click(4), "/j/D");
    EXPECT_EQ(Shown(), (Captions{"1. /j/D", "2. /j/C", "3. /j/A", "4. /j/B"}));
    EXPECT_EQ(Click(1), "/j/D");
    EXPECT_EQ(Shown(), (Captions{"1. /j/D", "2. /j/C", "3. /j/A", "4. /j/B"}));
}

TEST(RecentFolder, IsThePathUpToTheLastSlashBeforeItsLastFourCharacters) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u/jobs/a.velta", "/home/u/jobs/"},
        {"/a.velta", "/"},
        {"/jobs/abc", "/"},  // a slash among the last four characters is not looked at
        {"a.velta", ""},     // no folder at all
        {"/abc", ""},
        {"", ""},
    };
    for (const auto& [path, folder] : cases) EXPECT_EQ(RecentFolder(path), folder) << path;
}

}  // namespace
}  // namespace veltar

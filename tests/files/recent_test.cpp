// The recent-file list as the File menu shows it after opens, saves and clicks.
#include <gtest/gtest.h>

#include "files/recent.h"

namespace veltar {
namespace {

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
    // The captions of the visible items, in menu order.
    std::vector<std::string> Shown() const {
        std::vector<std::string> shown;
        for (int n = 1; n <= 4; ++n)
            if (menu_.items[n].visible) shown.push_back(menu_.items[n].caption);
        return shown;
    }
    using Captions = std::vector<std::string>;

    MemorySettings store_;
    RecentMenu menu_;
};

TEST_F(RecentList, EmptyStoreShowsNothing) {
    RefreshRecentMenu(menu_, store_);
    for (const auto& item : menu_.items) EXPECT_FALSE(item.visible);
    EXPECT_EQ(menu_.items[2].caption, "oldfile1");
}

TEST_F(RecentList, FirstOpenShowsOneItemUnderTheSeparator) {
    Open("/p/A.velta");
    EXPECT_TRUE(menu_.items[0].visible);
    EXPECT_EQ(Shown(), (Captions{"1. /p/A.velta"}));
    EXPECT_EQ(store_.Keys(), (Captions{"RecentFile1"}));
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
    Open("c");  // comparisons are case-sensitive
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
    for (const char* f : {"D", "C", "B", "A"}) Open(f);
    EXPECT_EQ(Click(3), "C");
    EXPECT_EQ(Shown(), (Captions{"1. C", "2. A", "3. B", "4. D"}));
    EXPECT_EQ(Click(4), "D");
    EXPECT_EQ(Shown(), (Captions{"1. D", "2. C", "3. A", "4. B"}));
    EXPECT_EQ(Click(1), "D");
    EXPECT_EQ(Shown(), (Captions{"1. D", "2. C", "3. A", "4. B"}));
}

TEST(RecentFolder, IsThePathUpToTheLastSlashBeforeItsLastFourCharacters) {
    struct {
        const char* path;
        const char* folder;
    } cases[] = {
        {"/home/u/jobs/a.velta", "/home/u/jobs/"},
        {"/a.velta", "/"},
        {"/jobs/abc", "/"},      // a slash among the last four characters is not looked at
        {"/ab/c", "/"},
        {"a.velta", ""},         // no folder at all
        {"/abc", ""},
        {"", ""},
    };
    for (const auto& k : cases) EXPECT_EQ(RecentFolder(k.path), k.folder) << k.path;
}

TEST(RecentItemPath, DropsTheNumberBeforeThePath) {
    RecentMenu menu;
    menu.items[2].caption = "2. /x/b.velta";
    menu.items[3].caption = "3.";
    EXPECT_EQ(RecentItemPath(menu, 2), "/x/b.velta");
    EXPECT_EQ(RecentItemPath(menu, 3), "");
    EXPECT_EQ(RecentItemPath(menu, 4), "file4");
    EXPECT_EQ(RecentItemPath(menu, 0), "");
    EXPECT_EQ(RecentItemPath(menu, 5), "");
}

}  // namespace
}  // namespace veltar

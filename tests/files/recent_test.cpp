// The recent-file list as the File menu shows it after opens, saves and clicks.
#include <gtest/gtest.h>

#include "files/recent.h"

namespace veltar {
namespace {

using Captions = std::vector<std::string>;

TEST(RecentList, OpensSavesAndClicksReorderTheFourItems) {
    MemorySettings store;
    RecentMenu menu;
    const auto shown = [&] {
        RefreshRecentMenu(menu, store);
        Captions items;
        for (int n = 1; n <= 4; ++n)
            if (menu.items[n].visible) items.push_back(menu.items[n].caption);
        return items;
    };
    AddRecentOnOpen(store, menu, "A");
    EXPECT_EQ(shown(), Captions{"1. A"});
    EXPECT_EQ(store.Keys(), Captions{"RecentFile1"}) << "no key before it holds a path";
    for (char path : std::string("BCDECCc")) AddRecentOnOpen(store, menu, {path}), shown();
    EXPECT_EQ(shown(), (Captions{"1. c", "2. C", "3. E", "4. D"})) << "moved to the top, four kept, case-sensitive";
    PromoteRecent(store, RecentItemPath(menu, 3), 3);
    EXPECT_EQ(shown(), (Captions{"1. E", "2. c", "3. C", "4. D"})) << "a clicked item moves up, the ones below stay";
    AddRecentOnSave(store, "c");
    EXPECT_EQ(shown(), (Captions{"1. c", "2. E", "3. c", "4. C"})) << "a path saved under is not looked for";
}

TEST(RecentFolder, IsThePathUpToTheLastSlashBeforeItsLastFourCharacters) {
    // A slash among the last four characters is not looked at.
    for (const auto& [path, folder] :
         {std::pair{"/u/jobs/a.velta", "/u/jobs/"}, {"/a.velta", "/"}, {"/j/abc", "/"}, {"a.velta", ""}, {"/abc", ""}})
        EXPECT_EQ(RecentFolder(path), folder) << path;
}

}  // namespace
}  // namespace veltar

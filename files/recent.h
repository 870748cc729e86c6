// The four most recent project files: kept in a per-user settings store and shown as
// the last items of the File menu. The window owns the real menu and store; this is
// the list's behaviour, which it shares with the tests.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace veltar {

constexpr const char* kSettingsApplication = "velta";
constexpr const char* kRecentSection = "Recent Files";

// One section of the per-user settings. A key never written reads as "".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string Get(const std::string& key) const = 0;
    virtual void Set(const std::string& key, const std::string& value) = 0;
    // The keys of the section, in the order the store lists them.
    virtual std::vector<std::string> Keys() const = 0;
};

// A store that lives in memory and lists its keys in the order they were created.
class MemorySettings : public SettingsStore {
public:
    std::string Get(const std::string& key) const override;
    void Set(const std::string& key, const std::string& value) override;
    std::vector<std::string> Keys() const override;

private:
    std::vector<std::pair<std::string, std::string>> entries_;
};

struct RecentMenuItem {
    std::string caption;
    bool visible = false;
};

// The five menu elements: a separator, then the items 1 to 4 (captions as designed,
// all hidden until the list is first filled).
struct RecentMenu {
    std::array<RecentMenuItem, 5> items{{{"-"}, {"oldfile1"}, {"oldfile1"}, {"oldfile3"}, {"oldfile4"}}};
};

// Shows the stored paths as "1. <path>" to "4. <path>"; never hides an item.
void RefreshRecentMenu(RecentMenu& menu, const SettingsStore& store);

// Moves a path opened with Open to the top. The path is looked for among the menu's
// items (so the menu must show the store), and only the entries above it move down.
void AddRecentOnOpen(SettingsStore& store, const RecentMenu& menu, const std::string& path);

// Puts a path saved under a new name on top; the fourth entry drops out.
void AddRecentOnSave(SettingsStore& store, const std::string& path);

// Moves the path of the clicked item `n` (1 to 4) to the top.
void PromoteRecent(SettingsStore& store, const std::string& path, int n);

// The path an item stands for: its caption without the "n. " before it.
std::string RecentItemPath(const RecentMenu& menu, int n);

// The folder of a path with its trailing '/', found from four characters before the
// end backwards; "" when there is no '/' there.
std::string RecentFolder(const std::string& path);

}  // namespace veltar

// The recent-file list. Entries only ever move down by one and the fourth drops out;
// keys are never deleted, so a store once filled keeps four keys.
#include "files/recent.h"

#include <algorithm>

namespace veltar {
namespace {

constexpr int kRecentCount = 4;

std::string Key(int k) { return "RecentFile" + std::to_string(k); }

// Entries `from` .. 1 each move one place down, the one below `from` being overwritten.
void MoveDown(SettingsStore& store, int from) {
    for (int k = from; k >= 1; --k) store.Set(Key(k + 1), store.Get(Key(k)));
}

// Every filled entry moves one place down; the fourth drops out. Empty entries are
// not copied, so no key is created before it has a path to hold.
void ShiftFilledDown(SettingsStore& store) {
    for (int k = kRecentCount - 1; k >= 1; --k)
        if (!store.Get(Key(k)).empty()) store.Set(Key(k + 1), store.Get(Key(k)));
}

}  // namespace

std::string MemorySettings::Get(const std::string& key) const {
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == key; });
    return it == entries_.end() ? std::string() : it->second;
}

void MemorySettings::Set(const std::string& key, const std::string& value) {
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == key; });
    if (it == entries_.end())
        entries_.emplace_back(key, value);
    else
        it->second = value;
}

std::vector<std::string> MemorySettings::Keys() const {
    std::vector<std::string> keys;
    for (const auto& e : entries_) keys.push_back(e.first);
    return keys;
}

void RefreshRecentMenu(RecentMenu& menu, const SettingsStore& store) {
    if (store.Get(Key(1)).empty()) return;
    const std::vector<std::string> keys = store.Keys();
    // A section holding more than four keys shows only the first four.
    const int shown = std::min(static_cast<int>(keys.size()), kRecentCount);
    for (int i = 0; i < shown; ++i) {
        menu.items[0].visible = true;
        menu.items[i + 1].caption = std::to_string(i + 1) + ". " + store.Get(keys[i]);
        menu.items[i + 1].visible = true;
    }
}

void AddRecentOnOpen(SettingsStore& store, const RecentMenu& menu, const std::string& path) {
    int found = 0;
    for (int n = 1; n <= kRecentCount && found == 0; ++n)
        if (RecentItemPath(menu, n) == path) found = n;
    // Found at n: the entries above it move down onto it.
    if (found == 0)
        ShiftFilledDown(store);
    else
        MoveDown(store, found - 1);
    store.Set(Key(1), path);
}

void AddRecentOnSave(SettingsStore& store, const std::string& path) {
    ShiftFilledDown(store);
    store.Set(Key(1), path);
}

void PromoteRecent(SettingsStore& store, const std::string& path, int n) {
    if (n >= 2 && n <= kRecentCount) MoveDown(store, n - 1);
    store.Set(Key(1), path);
}

std::string RecentItemPath(const RecentMenu& menu, int n) {
    if (n < 1 || n > kRecentCount) return {};
    const std::string& caption = menu.items[n].caption;
    return caption.size() < 3 ? std::string() : caption.substr(3);
}

std::string RecentFolder(const std::string& path) {
    if (path.size() <= 4) return {};
    const size_t slash = path.find_last_of('/', path.size() - 5);
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace veltar

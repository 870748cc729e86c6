// File menu commands: New, Open, Save, Save As and the recent files, and the
// question before an edited case is replaced or dropped.
#pragma once

#include <QObject>
#include <QSettings>
#include <QString>

#include "files/recent.h"
#include "ui/menus.h"

namespace veltar {

class MainWindow;

class FileActions : public QObject {
    Q_OBJECT
public:
    FileActions(MainWindow& window, SettingsStore& store, const MainMenus& menus);

    void New();
    void Open();
    // Save and Save As are false when nothing was written (cancelled or failed).
    bool Save();
    bool SaveAs();
    void OpenRecent(int n);
    // Reads a file and shows it calculated; false (after a message) when it could not be read.
    bool OpenFile(const QString& path);
    // The recent items of the File menu from the settings store.
    void RefreshRecentMenu();

    // Whether the case differs from what was last opened or saved, by what its
    // project file would hold.
    bool HasUnsavedChanges() const;
    // Before an edited case is replaced or dropped: "Save changes to ...?". True when
    // the caller may go on (saved, discarded, or nothing to save).
    bool ConfirmDiscard();
    // The case as it stands now counts as saved.
    void MarkUnchanged();
    // A case loaded from elsewhere (a case-table row) is a new case, not the project
    // file last opened, so that Save cannot write it over that file.
    void ShowAsNewCase();

private:
    bool Write(std::string path);
    void SetAppPathToFolderOf(const QString& path);

    MainWindow& window_;
    SettingsStore& store_;
    MainMenus menus_;
    RecentMenu recent_;
    std::string savedText_;  // the project file of the case as last opened or saved
};

// The settings store on QSettings, in the section of the recent files.
class QtSettingsStore : public SettingsStore {
public:
    // `settings` must outlive the store.
    explicit QtSettingsStore(QSettings& settings) : settings_(settings) {}
    std::string Get(const std::string& key) const override;
    void Set(const std::string& key, const std::string& value) override;
    std::vector<std::string> Keys() const override;

private:
    QSettings& settings_;
};

}  // namespace veltar

// File menu commands: New, Open, Save, Save As and the recent files.
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
    void Save();
    void SaveAs();
    void OpenRecent(int n);
    // Reads a file and shows it calculated; false (after a message) when it could not be read.
    bool OpenFile(const QString& path);
    // The recent items of the File menu from the settings store.
    void RefreshRecentMenu();

private:
    bool Write(std::string path);
    void SetAppPathToFolderOf(const QString& path);

    MainWindow& window_;
    SettingsStore& store_;
    MainMenus menus_;
    RecentMenu recent_;
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

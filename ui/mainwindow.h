// The main window: the case on screen, recalculated after every accepted change.
#pragma once

#include <QMainWindow>

#include <memory>

#include "core/case.h"
#include "profiles/tables.h"
#include "ui/menus.h"

class QTreeWidget;

namespace veltar {

class FileActions;
class InputController;
class PanelView;
class PrintActions;
class ProfileDialogs;
class SettingsStore;
class StatusLine;
class UserIO;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `io` and `settings` must outlive the window; a null `io` uses the real boxes
    // and dialogs. `exeDir` is the program's folder, where the data tables lie.
    MainWindow(UserIO* io, SettingsStore& settings, const QString& exeDir);
    ~MainWindow() override;

    Case& CaseRecord() { return case_; }
    const Tables& TableSet() const { return tables_; }
    UserIO& IO() { return *io_; }
    InputController& Inputs() { return *inputs_; }
    FileActions& Files() { return *files_; }
    PrintActions& Prints() { return *prints_; }
    ProfileDialogs& Profiles() { return *profiles_; }

    // Calculate and show the results; skipped while the data tables are missing.
    void Recalculate();
    // After New or Open: the case into the controls, then a calculation.
    void ShowCaseAndCalculate();
    // "VELTAR: " and the file name, with "*" while the case has unsaved changes.
    void UpdateCaption();
    bool HasCalculated() const { return calculated_; }
    bool TablesRead() const { return tablesRead_; }

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void StartUp(const QString& exeDir);
    void BuildWindow();
    void SizeForScreen();
    void ShowResults();

    Case case_;
    Tables tables_;
    bool tablesRead_ = false;
    std::unique_ptr<UserIO> ownIO_;
    UserIO* io_;
    MainMenus menus_;
    QWidget* canvas_ = nullptr;
    PanelView* figure_ = nullptr;
    QTreeWidget* list_ = nullptr;
    InputController* inputs_ = nullptr;
    FileActions* files_ = nullptr;
    PrintActions* prints_ = nullptr;
    ProfileDialogs* profiles_ = nullptr;
    std::unique_ptr<StatusLine> status_;
    bool running_ = false;
    bool rerun_ = false;
    bool calculated_ = false;
};

}  // namespace veltar

// The database window `database`: opens a case table, lists its rows, loads the
// case picked (from the drop-down or the grid) into the main window, and writes the
// result table and the grid.
#pragma once

#include <QMainWindow>

#include <optional>
#include <vector>

#include "files/casedb.h"
#include "run/tableresults.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace veltar {

class CaseGrid;
class MainWindow;

class DatabaseWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit DatabaseWindow(MainWindow& main);

    // "&Open Database File": the dialog, then OpenTable.
    void OpenDatabaseFile();
    // Reads the table, runs its cases and shows the first of them in the main window.
    // False when it could not be read (after a message naming the file, line and
    // cell) or the user stopped it; the window and the current case then stay as
    // they were.
    bool OpenTable(const QString& path);
    // "&Save Result to File": the result table beside the case table.
    void SaveResultToFile();
    // "Export CSV...": the grid as comma-separated values.
    void ExportCsv();
    // A row picked in the drop-down or the grid; a case row is loaded into the main
    // window unless the user keeps an edited case.
    void PickRow(int row);

    const CaseDatabase& Database() const { return db_; }
    const CaseGrid& Grid() const { return *grid_; }

private:
    void BuildWindow();
    QWidget* BuildTop();
    QWidget* BuildBottom();
    std::optional<std::vector<CaseOutcome>> RunCases(CaseDatabase& db, const QString& name);
    void ShowTable(const QString& path, CaseDatabase db, std::vector<CaseOutcome> outcomes);
    void WidenForGrid();
    void LoadCase(int row);
    void ShowRow(int row);

    MainWindow& main_;
    CaseDatabase db_;
    QAction* saveResult_ = nullptr;
    QLabel* databasefile_ = nullptr;
    QLabel* outputfile_ = nullptr;
    QComboBox* list_ = nullptr;
    QCheckBox* failingOnly_ = nullptr;
    QPushButton* exportCsv_ = nullptr;
    CaseGrid* grid_ = nullptr;
};

}  // namespace veltar

// The sweep window: one input of the main window's case run over a range, every usage
// factor of the check mode plotted against it, the steps left out of the plot listed
// under it, and the plot and the numbers exported as PNG, SVG and CSV.
#pragma once

#include <QWidget>

#include <functional>

#include "run/sweep.h"

class QChartView;
class QComboBox;
class QHBoxLayout;
class QIODevice;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace veltar {

class MainWindow;

class SweepWindow : public QWidget {
    Q_OBJECT
public:
    explicit SweepWindow(MainWindow& main);

    // Sweeps a copy of the main window's case as it stands now; the case is untouched.
    void Run();
    const SweepResult& Result() const { return result_; }

    // Each asks for a file and writes it; false when cancelled or not written (after a message).
    bool ExportPng();
    bool ExportSvg();
    bool ExportCsv();

protected:
    // Coming back to the window shows the main window's latest case.
    void changeEvent(QEvent* e) override;

private:
    void BuildControls();
    QHBoxLayout* BuildRangeRow();
    void ChooseInput();
    // The range of the controls; with `warn` a range that cannot be swept is told.
    bool ReadRange(SweepRange& range, bool warn);
    void Sweep(bool warn);
    void ShowResult();
    QString AskPath(const QString& what, const QString& suffix);
    bool Save(const QString& path, const std::function<bool(QIODevice&)>& write);

    MainWindow& main_;
    QComboBox* input_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QSpinBox* steps_ = nullptr;
    QChartView* view_ = nullptr;
    QLabel* passing_ = nullptr;
    QLabel* gapsCaption_ = nullptr;
    QListWidget* gaps_ = nullptr;
    SweepResult result_;
};

}  // namespace veltar

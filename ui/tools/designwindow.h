// The design search window: what to vary (the stiffener from the chosen profile
// tables, the plate thickness, or both), the ten lightest panels that pass every check
// of the check mode, and "Apply" to put the chosen one into the main window's case.
#pragma once

#include <QWidget>

#include "run/designsearch.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;

namespace veltar {

class MainWindow;

class DesignWindow : public QWidget {
    Q_OBJECT
public:
    explicit DesignWindow(MainWindow& main);

    // Searches a copy of the main window's case with the window's settings; false
    // (after a message) when the settings cannot be searched.
    bool Search();
    const DesignResult& Result() const { return result_; }
    // Puts the selected panel into the main window's case and recalculates it.
    void Apply();

private:
    void BuildControls();
    void BuildSpace(QVBoxLayout& column);
    QHBoxLayout* BuildCommands();
    bool ReadSpace(DesignSpace& space);
    void ShowResult(double seconds);

    MainWindow& main_;
    QButtonGroup* vary_ = nullptr;
    std::vector<QCheckBox*> kinds_;
    QLineEdit* tFrom_ = nullptr;
    QLineEdit* tTo_ = nullptr;
    QComboBox* mode_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* apply_ = nullptr;
    DesignResult result_;
    DesignVary searched_ = DesignVary::Both;  // what the listed panels vary
};

}  // namespace veltar

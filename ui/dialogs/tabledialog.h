// The stiffener dialogs of the four profile tables: a list of the table's rows.
#pragma once

#include "ui/dialogs/profiledialog.h"

class QComboBox;

namespace veltar {

class TableDialog : public ProfileDialog {
    Q_OBJECT
public:
    TableDialog(MainWindow& main, const DialogDef& def);

protected:
    void MakeCurrent() override;
    void Recompute() override;
    void ShowInputs(bool refill) override;

private:
    void ChooseRow(int row);

    const StiffKindDef& kind_;
    QComboBox* rows_ = nullptr;
};

}  // namespace veltar

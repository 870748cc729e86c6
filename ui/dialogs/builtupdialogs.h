// The built-up dialogs: six stiffener kinds and the two girders, each a set of
// dimension boxes over the shared frames.
#pragma once

#include "ui/dialogs/profiledialog.h"

namespace veltar {

class DimensionBoxes;

class BuiltUpDialog : public ProfileDialog {
    Q_OBJECT
public:
    BuiltUpDialog(MainWindow& main, const DialogDef& def);

protected:
    void ShowInputs(bool refill) override;
    void TakeOnClosing() override;

private:
    DimensionBoxes* boxes_ = nullptr;
};

class BuiltUpStiffenerDialog : public BuiltUpDialog {
    Q_OBJECT
public:
    using BuiltUpDialog::BuiltUpDialog;

protected:
    void MakeCurrent() override;
    void Recompute() override;
};

// The girder dialog makes its kind the case's girder when activated, as a stiffener
// dialog does, so that an open dialog never shows or edits the other girder.
class GirderDialog : public BuiltUpDialog {
    Q_OBJECT
public:
    using BuiltUpDialog::BuiltUpDialog;

protected:
    void MakeCurrent() override;
    void Recompute() override;
};

}  // namespace veltar

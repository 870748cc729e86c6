// Built-up dialogs: the boxes edit the kind's own input set in the case.
#include "ui/dialogs/builtupdialogs.h"

#include "profiles/girder.h"
#include "profiles/sections.h"
#include "ui/dialogs/dimensionboxes.h"

namespace veltar {

BuiltUpDialog::BuiltUpDialog(MainWindow& main, const DialogDef& def) : ProfileDialog(main, def) {
    Build([this, &def](QGridLayout& grid, int& row) {
        boxes_ = new DimensionBoxes(
            *this, grid, row, def, C(), [this](const QString& text) { Warn(text); }, [this] { Changed(); });
    });
}

void BuiltUpDialog::ShowInputs(bool) { boxes_->Show(); }

void BuiltUpDialog::TakeOnClosing() {
    boxes_->TakePending();
    boxes_->CheckOnClosing(Def().closing);
}

void BuiltUpStiffenerDialog::MakeCurrent() {
    C().StiffKind = Def().kind;
    SetStiffenerProfile(C(), T(), Def().kind);
}

void BuiltUpStiffenerDialog::Recompute() { SetStiffenerProfile(C(), T(), C().StiffKind); }

void GirderDialog::MakeCurrent() {
    C().GirdKind = Def().kind;
    GirderSection(C());
}

void GirderDialog::Recompute() { GirderSection(C()); }

}  // namespace veltar

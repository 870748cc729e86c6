// Menu items and picture buttons open the dialogs; the right button over a picture
// button offers the Profile menu through the main window's own pop-up.
#include "ui/dialogs/profiledialogs.h"

#include <QAction>
#include <QIcon>
#include <QToolButton>

#include "ui/control.h"
#include "ui/dialogs/builtupdialogs.h"
#include "ui/dialogs/tabledialog.h"
#include "ui/mainwindow.h"

namespace veltar {
namespace {

QIcon Picture(const std::string& name) {
    return name.empty() ? QIcon() : QIcon(":/pictures/" + QString::fromStdString(name) + ".svg");
}

}  // namespace

ProfileDialogs::ProfileDialogs(MainWindow& main) : QObject(&main), main_(main) {
    setObjectName("profileDialogs");
    WireMenus();
    WireButtons();
}

void ProfileDialogs::WireMenus() {
    for (const DialogDef& def : ProfileDialogDefs()) {
        auto& item = Control<QAction>(main_, def.MenuItem());
        connect(&item, &QAction::triggered, this, [this, &def] {
            (def.IsGirder() ? main_.CaseRecord().GirdKind : main_.CaseRecord().StiffKind) = def.kind;
            Open(def);
        });
    }
}

void ProfileDialogs::WireButtons() {
    connect(&Control<QToolButton>(main_, "cmdpicStiff"), &QToolButton::clicked, this, [this] {
        if (const DialogDef* def = DialogOfStiffKind(main_.CaseRecord().StiffKind)) Open(*def);
    });
    connect(&Control<QToolButton>(main_, "cmdpicGird"), &QToolButton::clicked, this, [this] {
        if (const DialogDef* def = DialogOfGirdKind(main_.CaseRecord().GirdKind)) Open(*def);
    });
}

ProfileDialog* ProfileDialogs::Create(const DialogDef& def) {
    switch (def.family) {
        case DialogFamily::Table: return new TableDialog(main_, def);
        case DialogFamily::BuiltUpStiffener: return new BuiltUpStiffenerDialog(main_, def);
        case DialogFamily::Girder: break;
    }
    return new GirderDialog(main_, def);
}

ProfileDialog* ProfileDialogs::Open(const DialogDef& def) {
    QPointer<ProfileDialog>& dialog = dialogs_[size_t(DialogIndex(def))];
    if (!dialog || dialog->IsClosed()) {
        dialog = Create(def);
        dialog->PlaceOver(main_);
    }
    ShowInFront(*dialog);
    return dialog;
}

ProfileDialog* ProfileDialogs::OpenFromMenu(const QString& name) {
    const DialogDef* def = DialogNamed(name.toStdString());
    if (!def) return nullptr;
    Control<QAction>(main_, def->MenuItem()).trigger();
    return Find(name);
}

ProfileDialog* ProfileDialogs::Find(const QString& name) const {
    const DialogDef* def = DialogNamed(name.toStdString());
    if (!def) return nullptr;
    ProfileDialog* dialog = dialogs_[size_t(DialogIndex(*def))];
    return dialog && !dialog->IsClosed() ? dialog : nullptr;
}

void ProfileDialogs::DiscardAll() {
    for (const QPointer<ProfileDialog>& dialog : dialogs_)
        if (dialog && !dialog->IsClosed()) dialog->Discard();
}

void ProfileDialogs::ShowAfterRun() {
    ShowButtons();
    for (const QPointer<ProfileDialog>& dialog : dialogs_)
        if (dialog && !dialog->IsClosed() && dialog->isVisible() && dialog->IsCurrent()) dialog->Refresh();
}

void ProfileDialogs::ShowButtons() {
    const Case& c = main_.CaseRecord();
    if (c.StiffPicture != stiffPicture_) {
        stiffPicture_ = c.StiffPicture;
        Control<QToolButton>(main_, "cmdpicStiff").setIcon(Picture(stiffPicture_));
    }
    if (c.GirdPicture != girdPicture_) {
        girdPicture_ = c.GirdPicture;
        Control<QToolButton>(main_, "cmdpicGird").setIcon(Picture(girdPicture_));
    }
}

}  // namespace veltar

// The twelve profile dialogs seen from the main window: the Profile menu items, the
// two picture buttons with the small picture of the current kind, opening a dialog
// (loaded on first use, again after it was closed), and the dialogs that follow
// every calculation.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>

#include "ui/dialogs/dialogtable.h"
#include "ui/dialogs/profiledialog.h"

namespace veltar {

class MainWindow;

class ProfileDialogs : public QObject {
    Q_OBJECT
public:
    // Wires the Profile menu items and the buttons cmdpicStiff and cmdpicGird.
    explicit ProfileDialogs(MainWindow& main);

    // Shows the dialog, loading it first when it is not open.
    ProfileDialog* Open(const DialogDef& def);
    // As the dialog's menu item does: the kind first, then the dialog. Null for a
    // name that is no profile dialog.
    ProfileDialog* OpenFromMenu(const QString& name);
    // The open dialog of that name, or null.
    ProfileDialog* Find(const QString& name) const;
    // Closes every dialog without its closing checks, after another case was read.
    void DiscardAll();
    // After a calculation: the buttons' pictures, and the open dialogs of the case's
    // kinds show the new values.
    void ShowAfterRun();

private:
    void WireMenus();
    void WireButtons();
    void ShowButtons();
    ProfileDialog* Create(const DialogDef& def);

    MainWindow& main_;
    std::array<QPointer<ProfileDialog>, 12> dialogs_;
    std::string stiffPicture_, girdPicture_;
};

}  // namespace veltar

// The main window with helpers for its profile dialogs: open one from its menu item
// as the user does, type into its boxes, read its labels.
#pragma once

#include <QLabel>
#include <QPointer>

#include "ui/dialogs/profiledialog.h"
#include "ui/dialogs/profiledialogs.h"
#include "windowfixture.h"

namespace veltar {

struct DialogFixture : WindowFixture {
    // Opened from its menu item; returns once its activation has shown the case.
    ProfileDialog* Dialog(const char* name) {
        QPointer<ProfileDialog> d = window->Profiles().OpenFromMenu(name);
        if (!d) return nullptr;
        (void)QTest::qWaitFor([&d] { return !d || d->HasActivated(); });
        return d;
    }
    // Makes an open dialog the active window again.
    void Activate(QWidget* w) {
        w->activateWindow();
        (void)QTest::qWaitForWindowActive(w);
        QCoreApplication::processEvents();
    }
    // Types into a box of the dialog and leaves it with Enter.
    void TypeIn(QWidget* dialog, const char* box, const QString& text) {
        auto* edit = dialog->findChild<QLineEdit*>(box);
        QVERIFY2(edit, box);
        TypeInto(edit, text);
    }
    // Closes with the OK button, as the user does.
    void ClickOk(QWidget* dialog) {
        QTest::mouseClick(dialog->findChild<QWidget*>("Command1"), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    static QString Label(QWidget* dialog, const char* name) {
        auto* label = dialog->findChild<QLabel*>(name);
        return label ? label->text() : QString("<no label %1>").arg(name);
    }
    static QString BoxText(QWidget* dialog, const char* name) {
        auto* edit = dialog->findChild<QLineEdit*>(name);
        return edit ? edit->text() : QString("<no box %1>").arg(name);
    }
    QString MainLabel(const char* name) {
        return window->findChild<QWidget*>("canvas")->findChild<QLabel*>(name)->text();
    }
};

}  // namespace veltar

// Each opener returns the window once it is ready to be pictured.
#include "ui/windowregistry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QPointer>

#include <functional>

#include "ui/control.h"
#include "ui/database/databasecommands.h"
#include "ui/database/databasewindow.h"
#include "ui/dialogs/profiledialogs.h"
#include "ui/help/aboutwindow.h"
#include "ui/help/helpcommands.h"
#include "ui/help/helpwindow.h"
#include "ui/mainwindow.h"
#include "ui/tools/designwindow.h"
#include "ui/tools/sweepwindow.h"
#include "ui/tools/toolcommands.h"

namespace veltar {
namespace {

// Runs the event loop until `ready` or `limitMs` has passed.
void WaitFor(const std::function<bool()>& ready, int limitMs = 5000) {
    QElapsedTimer waited;
    waited.start();
    while (!ready() && waited.elapsed() < limitMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
}

HelpCommands& Commands(MainWindow& main) { return Control<HelpCommands>(main, "helpCommands"); }

QWidget* OpenHelp(MainWindow& main) {
    HelpWindow* help = Commands(main).Contents();
    if (!help) return nullptr;
    QHelpContentModel* model = help->Engine().contentModel();
    WaitFor([model] { return !model->isCreatingContents() && model->rowCount() > 0; });
    help->ShowContents();                // the tree is there now: expand it
    WaitFor([] { return false; }, 300);  // lets the page lay itself out
    return help;
}

QWidget* OpenAbout(MainWindow& main) { return Commands(main).About(); }

// The window as it stands: with the table of the command line when one was given.
QWidget* OpenDatabase(MainWindow& main) {
    QWidget* window = Control<DatabaseCommands>(main, "databaseCommands").Open();
    WaitFor([window] { return window->isVisible(); });
    return window;
}

// A profile dialog opened from its menu item, once its activation has shown the case.
QWidget* OpenProfileDialog(MainWindow& main, const QString& name) {
    QPointer<ProfileDialog> dialog = main.Profiles().OpenFromMenu(name);
    WaitFor([&dialog] { return !dialog || dialog->HasActivated(); });
    return dialog;
}

ToolCommands& Tools(MainWindow& main) { return *main.findChild<ToolCommands*>("toolCommands"); }

QWidget* OpenSweep(MainWindow& main) {
    SweepWindow* sweep = Tools(main).Sweep();
    WaitFor([] { return false; }, 300);  // lets the chart lay itself out
    return sweep;
}

QWidget* OpenDesign(MainWindow& main) {
    DesignWindow* design = Tools(main).DesignSearch();
    design->Search();
    WaitFor([] { return false; }, 300);
    return design;
}

struct NamedWindow {
    const char* name;
    QWidget* (*open)(MainWindow&);
};

constexpr NamedWindow kWindows[] = {
    {"help", OpenHelp}, {"about", OpenAbout}, {"database", OpenDatabase}, {"sweep", OpenSweep}, {"design", OpenDesign},
};

}  // namespace

QWidget* OpenNamedWindow(const QString& name, MainWindow& main, QString& error) {
    for (const NamedWindow& w : kWindows) {
        if (name != w.name) continue;
        QWidget* window = w.open(main);
        if (!window) error = "the window " + name + " did not open";
        return window;
    }
    if (DialogNamed(name.toStdString())) {
        QWidget* dialog = OpenProfileDialog(main, name);
        if (!dialog) error = "the window " + name + " did not open";
        return dialog;
    }
    error = "no window named " + name + " (" + NamedWindows().join(", ") + ")";
    return nullptr;
}

QStringList NamedWindows() {
    QStringList names;
    for (const NamedWindow& w : kWindows) names << w.name;
    for (const DialogDef& d : ProfileDialogDefs()) names << d.Name();
    return names;
}

}  // namespace veltar

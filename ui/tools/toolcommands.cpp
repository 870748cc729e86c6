// The tool windows are owned by the main window and closed with it.
#include "ui/tools/toolcommands.h"

#include <QAction>

#include "ui/mainwindow.h"
#include "ui/tools/designwindow.h"
#include "ui/tools/sweepwindow.h"

namespace veltar {
namespace {

template <class W>
W* ShowRaised(QPointer<W>& window, MainWindow& main) {
    if (!window) window = new W(main);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace

ToolCommands::ToolCommands(MainWindow& window) : QObject(&window), window_(window) {
    setObjectName("toolCommands");
    auto wire = [this](const char* name, auto slot) {
        if (QAction* action = window_.findChild<QAction*>(name)) {
            action->setEnabled(true);
            connect(action, &QAction::triggered, this, slot);
        }
    };
    wire("mnusweep", [this] { Sweep(); });
    wire("mnudesign", [this] { DesignSearch(); });
}

SweepWindow* ToolCommands::Sweep() { return ShowRaised(sweep_, window_); }

DesignWindow* ToolCommands::DesignSearch() { return ShowRaised(design_, window_); }

}  // namespace veltar

// The tool windows are owned by the main window and closed with it.
#include "ui/tools/toolcommands.h"

#include <QAction>

#include "ui/control.h"
#include "ui/mainwindow.h"
#include "ui/tools/designwindow.h"
#include "ui/tools/sweepwindow.h"

namespace veltar {
namespace {

template <class W>
W* ShowRaised(QPointer<W>& window, MainWindow& main) {
    if (!window) window = new W(main);
    ShowInFront(*window);
    return window;
}

}  // namespace

ToolCommands::ToolCommands(MainWindow& window) : QObject(&window), window_(window) {
    setObjectName("toolCommands");
    WireItem(window_, "mnusweep", this, [this] { Sweep(); });
    WireItem(window_, "mnudesign", this, [this] { DesignSearch(); });
}

SweepWindow* ToolCommands::Sweep() { return ShowRaised(sweep_, window_); }

DesignWindow* ToolCommands::DesignSearch() { return ShowRaised(design_, window_); }

}  // namespace veltar

// The window is made on first use and goes when it is closed, as the other
// windows of the program do; the rows of its table go with it.
#include "ui/database/databasecommands.h"

#include <QAction>

#include "ui/control.h"
#include "ui/database/databasewindow.h"
#include "ui/mainwindow.h"
#include "ui/userio.h"

namespace veltar {

DatabaseCommands::DatabaseCommands(MainWindow& main) : QObject(&main), main_(main) {
    setObjectName("databaseCommands");
    auto& item = Control<QAction>(main_, "mnuDatabase");
    item.setEnabled(main_.TablesRead());
    connect(&item, &QAction::triggered, this, &DatabaseCommands::Open);
}

DatabaseWindow* DatabaseCommands::Open() {
    if (!window_) window_ = new DatabaseWindow(main_);
    ShowInFront(*window_);
    return window_;
}

DatabaseWindow* DatabaseCommands::OpenTable(const QString& path) {
    if (!main_.TablesRead()) {
        main_.IO().Warn("can't open a case table - " + path + " (the profile and material tables were not read)");
        return nullptr;
    }
    const bool wasOpen = !window_.isNull();
    DatabaseWindow* window = Open();
    if (window->OpenTable(path)) return window;
    // At once, not on a later turn of the event loop, so the next Open makes a new one.
    if (!wasOpen) delete window;
    return nullptr;
}

}  // namespace veltar

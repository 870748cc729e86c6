// The Database menu: opens the database window, owned by the main window, and
// opens a case table in it (from the command line too).
#pragma once

#include <QObject>
#include <QPointer>

class QString;

namespace veltar {

class DatabaseWindow;
class MainWindow;

class DatabaseCommands : public QObject {
    Q_OBJECT
public:
    // The menu item works once the data tables are read: every case row needs them.
    explicit DatabaseCommands(MainWindow& main);

    // Shows the window, a new one starting empty; an open one is brought forward.
    DatabaseWindow* Open();
    // Opens the window with the table `path`; null (after a message) when the table
    // could not be read, and the window is then not left open.
    DatabaseWindow* OpenTable(const QString& path);

private:
    MainWindow& main_;
    QPointer<DatabaseWindow> window_;
};

}  // namespace veltar

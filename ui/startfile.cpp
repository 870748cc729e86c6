// The extension decides, in any letter case, as the file manager's file types do.
#include "ui/startfile.h"

#include <QDir>
#include <QFileInfo>

#include "ui/control.h"
#include "ui/database/databasecommands.h"
#include "ui/fileactions.h"
#include "ui/mainwindow.h"

namespace veltar {

bool OpenStartFile(MainWindow& window, const QString& path) {
    const QFileInfo file(path);
    // A relative name means the folder the program was started in, which the
    // dialogs never move; the window shows the whole path.
    const QString full = QDir::toNativeSeparators(file.absoluteFilePath());
    if (file.suffix().compare("velti", Qt::CaseInsensitive) == 0)
        return Control<DatabaseCommands>(window, "databaseCommands").OpenTable(full) != nullptr;
    return window.Files().OpenFile(full);
}

}  // namespace veltar

// The file named when the program starts ("veltar FILE", a double-click in a file
// manager): a case table opens in the database window, any other file as a project.
#pragma once

#include <QString>

namespace veltar {

class MainWindow;

// False, after a message from the reader, when the file could not be read; the
// main window then keeps its case.
bool OpenStartFile(MainWindow& window, const QString& path);

}  // namespace veltar

// The menu bar of the main window: the whole tree with its captions; items whose
// windows are not there yet are present and disabled.
#pragma once

#include <array>

class QAction;
class QMainWindow;
class QMenu;

namespace veltar {

struct MainMenus {
    QMenu* profile = nullptr;  // also the pop-up of the right mouse button
    QAction* newCase = nullptr;
    QAction* open = nullptr;
    QAction* save = nullptr;
    QAction* saveAs = nullptr;
    QAction* exit = nullptr;
    std::array<QAction*, 5> recent{};  // 0: separator above the list, 1..4: the files
};

MainMenus BuildMenus(QMainWindow& window);

}  // namespace veltar

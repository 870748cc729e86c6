// The menu bar of the main window: the whole tree with its captions. An item whose
// job a command object does (help, database, tools) is created disabled and enabled
// by that object when it wires the item, so no item is ever live without its job.
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
    // Report items: File/Print then Print, each buckling, scantling/yield, both.
    std::array<QAction*, 6> print{};
    QAction* savePdf = nullptr;
};

MainMenus BuildMenus(QMainWindow& window);

}  // namespace veltar

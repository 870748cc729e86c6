// Menu tree, captions and object names. "&" marks the access key; trailing blanks
// in captions are kept as they stand.
#include "ui/menus.h"

#include <QMainWindow>
#include <QMenuBar>

#include "profiles/kinds.h"

namespace veltar {
namespace {

QMenu* Submenu(QWidget* parent, const char* name, const QString& caption) {
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(name);
    if (auto* bar = qobject_cast<QMenuBar*>(parent)) bar->addMenu(menu);
    if (auto* upper = qobject_cast<QMenu*>(parent)) upper->addMenu(menu);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* Item(QMenu* menu, const char* name, const QString& caption, bool enabled = true) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setEnabled(enabled);
    return action;
}

QAction* Separator(QMenu* menu, const char* name) {
    QAction* action = menu->addSeparator();
    action->setObjectName(name);
    return action;
}

void PrintItems(QMenu* menu, QAction** items, const char* a, const QString& captionA, const char* b,
                const QString& captionB, const char* both) {
    items[0] = Item(menu, a, captionA);
    items[1] = Item(menu, b, captionB);
    items[2] = Item(menu, both, "Buckling/Scantling/Yield");
}

void BuildFile(QMenuBar* bar, MainMenus& m) {
    QMenu* file = Submenu(bar, "mnufile", "File");
    m.newCase = Item(file, "mnunew", "&New");
    m.open = Item(file, "mnuopen", "&Open");
    m.save = Item(file, "mnusave", "&Save");
    m.saveAs = Item(file, "mnusaveas", "Save &As");
    Separator(file, "mnuline");
    QMenu* print = Submenu(file, "mnuprint1", "Print");
    PrintItems(print, &m.print[0], "mnuprbu1", "Buckling ", "mnuprbu2", "Scantling/Yield", "mnuprSc1");
    m.savePdf = Item(print, "mnusavepdf", "Save as PDF...");
    m.recent[0] = Separator(file, "mnurecentfile0");
    const char* captions[] = {"oldfile1", "oldfile1", "oldfile3", "oldfile4"};
    for (int i = 1; i <= 4; ++i)
        m.recent[i] = Item(file, qPrintable(QString("mnurecentfile%1").arg(i)), captions[i - 1]);
    for (QAction* a : m.recent) a->setVisible(false);
    Separator(file, "spacer");
    m.exit = Item(file, "mnuexit", "&Exit");
}

void BuildProfile(QMenuBar* bar, MainMenus& m) {
    m.profile = Submenu(bar, "mnuProfile", "Profile");
    QMenu* stiff = Submenu(m.profile, "mnustiff", "Stiffener profile");
    for (const StiffKindDef& kind : StiffKinds()) Item(stiff, kind.menuItem, kind.menuCaption);
    QMenu* girder = Submenu(m.profile, "mnuGirder", "Girder profile");
    for (const GirderKindDef& kind : GirderKinds()) Item(girder, kind.menuItem, kind.menuCaption);
}

void BuildOthers(QMenuBar* bar, MainMenus& m) {
    QMenu* db = Submenu(bar, "mnudb", "Database");
    Item(db, "mnuDatabase", "&Open Database", false);
    QMenu* print = Submenu(bar, "mnuprint", "Print");
    PrintItems(print, &m.print[3], "mnuprintbuckling1", "Buckling ", "mnuprintbuckling2", "Scantling/Yield ",
               "mnuprintScantling1");
    QMenu* tools = Submenu(bar, "mnutools", "Tools");
    Item(tools, "mnusweep", "Sweep...", false);
    Item(tools, "mnudesign", "Design search...", false);
    QMenu* help = Submenu(bar, "mnuhelp", "Help");
    Item(help, "mnuhelpcont", "&Contents", false);
    Item(help, "mnuhelpsearch", "&Search for Help On . . . ", false);
    Item(help, "mnuTheory", "Theory Manual", false);
    Item(help, "mnuDatabaseDoc", "Database File", false);
    Separator(help, "line");
    Item(help, "mnuabout", "&About VELTA", false);
}

}  // namespace

MainMenus BuildMenus(QMainWindow& window) {
    MainMenus m;
    QMenuBar* bar = window.menuBar();
    BuildFile(bar, m);
    BuildProfile(bar, m);
    BuildOthers(bar, m);
    return m;
}

}  // namespace veltar

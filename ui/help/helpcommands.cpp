// F1 reaches the topic of the highlighted menu item through an event filter on every
// menu (an open menu takes the keyboard), and that of the focused control through a
// window shortcut.
#include "ui/help/helpcommands.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHelpEngine>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QShortcut>
#include <QUrl>

#include "ui/control.h"
#include "ui/help/aboutwindow.h"
#include "ui/help/helpengine.h"
#include "ui/help/helpwindow.h"
#include "ui/userio.h"

namespace veltar {
namespace {

struct MenuTopic {
    const char* item;
    const char* topic;
};
constexpr MenuTopic kMenuTopics[] = {
    {"mnufile", "170"},   {"mnustiffl", "330"},  {"mnustifflb", "340"}, {"mnustifft", "360"},   {"mnustifftb", "290"},
    {"mnustifff", "310"}, {"mnustifffb", "320"}, {"mnustiffhp", "300"}, {"mnustiffrhs", "390"}, {"mnustiffusp", "400"}};

}  // namespace

QString TopicId(const QString& objectName) {
    for (const MenuTopic& t : kMenuTopics)
        if (objectName == t.item) return t.topic;
    return objectName;
}

HelpCommands::HelpCommands(QMainWindow& window, UserIO& io, const QString& dataDir)
    : QObject(&window), window_(window), io_(io), dataDir_(dataDir) {
    setObjectName("helpCommands");
    ConnectMenu();
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &window_);
    connect(f1, &QShortcut::activated, this, [this] {
        const QWidget* focus = QApplication::focusWidget();
        Topic(focus ? focus->objectName() : QString());
    });
    for (QMenu* menu : window_.findChildren<QMenu*>()) menu->installEventFilter(this);
}

void HelpCommands::ConnectMenu() {
    WireItem(window_, "mnuhelpcont", this, [this] { Contents(); });
    WireItem(window_, "mnuhelpsearch", this, [this] { Search(); });
    WireItem(window_, "mnuTheory", this, [this] { TheoryManual(); });
    WireItem(window_, "mnuDatabaseDoc", this, [this] { DatabaseManual(); });
    WireItem(window_, "mnuabout", this, [this] { About(); });
}

QString HelpCommands::HelpFile() const { return QDir(dataDir_).filePath("veltar.qch"); }

QString HelpCommands::ManualFile(const QString& name) const { return QDir(dataDir_).filePath("Documentation/" + name); }

HelpWindow* HelpCommands::Help() {
    if (help_) return help_;
    QString error;
    auto engine = OpenHelpEngine(HelpFile(), error);
    if (!engine) {
        io_.Warn(error);
        return nullptr;
    }
    help_ = new HelpWindow(std::move(engine), &window_);
    help_->setAttribute(Qt::WA_DeleteOnClose);
    return help_;
}

HelpWindow* HelpCommands::Contents() {
    HelpWindow* help = Help();
    if (help) help->ShowContents();
    return help;
}

HelpWindow* HelpCommands::Search() {
    HelpWindow* help = Help();
    if (help) help->ShowSearch();
    return help;
}

HelpWindow* HelpCommands::Topic(const QString& objectName) {
    HelpWindow* help = Help();
    if (help && !help->ShowTopic(TopicId(objectName))) help->ShowContents();
    return help;
}

AboutWindow* HelpCommands::About() {
    if (!about_) about_ = new AboutWindow(&window_, io_, BuiltInAboutLinks());
    about_->ShowCentred();
    return about_;
}

void HelpCommands::OpenManual(const QString& name) {
    const QString path = ManualFile(name);
    if (!QFileInfo(path).isFile()) {
        io_.Warn("can't find file - " + QDir::toNativeSeparators(path));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        io_.Warn("can't open file - " + QDir::toNativeSeparators(path));
}

void HelpCommands::TheoryManual() { OpenManual("VELTAR Theory Manual.pdf"); }

void HelpCommands::DatabaseManual() { OpenManual("VELTAR Database File.pdf"); }

bool HelpCommands::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(e)->key() != Qt::Key_F1) return false;
    auto* menu = qobject_cast<QMenu*>(watched);
    if (!menu) return false;
    const QAction* active = menu->activeAction();
    const QString name = active ? active->objectName() : menu->objectName();
    menu->close();
    for (QWidget* w = menu->parentWidget(); auto* upper = qobject_cast<QMenu*>(w); w = upper->parentWidget())
        upper->close();
    Topic(name);
    return true;
}

}  // namespace veltar

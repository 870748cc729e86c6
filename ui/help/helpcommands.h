// The Help menu's commands and F1: help contents, search, topics, the two manuals
// and the About window. All files are found beside the data tables, whatever
// folder the last project file came from.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QMainWindow;

namespace veltar {

class AboutWindow;
class HelpWindow;
class UserIO;

class HelpCommands : public QObject {
    Q_OBJECT
public:
    // `dataDir` is the folder of the data tables; the help file lies in it and the
    // manuals in its "Documentation" folder.
    HelpCommands(QMainWindow& window, UserIO& io, const QString& dataDir);

    // Each returns the window it opened, or null after a message naming the missing file.
    HelpWindow* Contents();
    HelpWindow* Search();
    AboutWindow* About();
    // F1: the topic of a control (object name), else the help contents.
    HelpWindow* Topic(const QString& objectName);
    void TheoryManual();
    void DatabaseManual();

    QString HelpFile() const;
    QString ManualFile(const QString& name) const;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void ConnectMenu();
    HelpWindow* Help();
    void OpenManual(const QString& name);

    QMainWindow& window_;
    UserIO& io_;
    QString dataDir_;
    QPointer<HelpWindow> help_;
    QPointer<AboutWindow> about_;
};

// The help topic of a control: the number the help gives a menu item where it has
// one, otherwise the control's own name.
QString TopicId(const QString& objectName);

}  // namespace veltar

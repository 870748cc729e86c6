// The Tools menu: the sweep window and the design search window, each opened once
// and raised again on later use.
#pragma once

#include <QObject>
#include <QPointer>

namespace veltar {

class DesignWindow;
class MainWindow;
class SweepWindow;

class ToolCommands : public QObject {
    Q_OBJECT
public:
    explicit ToolCommands(MainWindow& window);

    SweepWindow* Sweep();
    DesignWindow* DesignSearch();

private:
    MainWindow& window_;
    QPointer<SweepWindow> sweep_;
    QPointer<DesignWindow> design_;
};

}  // namespace veltar

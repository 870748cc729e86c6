// The help window: contents tree, index, full-text search and the page browser
// with back and forward.
#pragma once

#include <QHash>
#include <QUrl>
#include <QWidget>

#include <memory>

class QHelpEngine;
class QTabWidget;
class QTextBrowser;

namespace veltar {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Takes the opened engine; `owner` keeps the window above the main window.
    HelpWindow(std::unique_ptr<QHelpEngine> engine, QWidget* owner);
    ~HelpWindow() override;

    void ShowContents();
    // The search page with an empty query.
    void ShowSearch();
    // The page of a topic identifier; false when the help has no such topic.
    bool ShowTopic(const QString& id);
    void ShowPage(const QUrl& url);

    QHelpEngine& Engine() { return *engine_; }
    QUrl CurrentPage() const;

private:
    void BuildContentsTab();
    void BuildIndexTab();
    void BuildSearchTab();
    QWidget* BuildBrowserSide();
    void ReadTopics();

    std::unique_ptr<QHelpEngine> engine_;
    QTabWidget* tabs_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QHash<QString, QString> topics_;  // identifier -> "page.html#anchor"
    bool indexing_ = false;
};

}  // namespace veltar

// Pages come out of the help file through the engine; relative links between pages
// resolve against the page shown, so they stay inside the help file.
#include "ui/help/helpwindow.h"

#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/control.h"
#include "ui/help/helpengine.h"

namespace veltar {
namespace {

class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(QHelpEngine& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {}

    QVariant loadResource(int type, const QUrl& name) override {
        if (name.scheme() == "qthelp") return engine_.fileData(name);
        return QTextBrowser::loadResource(type, name);
    }

private:
    QHelpEngine& engine_;
};

QToolButton* Button(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    return button;
}

}  // namespace

HelpWindow::HelpWindow(std::unique_ptr<QHelpEngine> engine, QWidget* owner)
    : QWidget(owner, Qt::Window), engine_(std::move(engine)) {
    setObjectName("help");
    setWindowTitle("VELTAR Help");
    auto* splitter = new QSplitter(this);
    tabs_ = new QTabWidget(splitter);
    tabs_->setObjectName("helpTabs");
    splitter->addWidget(tabs_);
    splitter->addWidget(BuildBrowserSide());
    splitter->setStretchFactor(1, 3);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    BuildContentsTab();
    BuildIndexTab();
    BuildSearchTab();
    ReadTopics();
    resize(900, 620);
    // The index is built once per help file; later openings reuse it.
    QHelpSearchEngine* search = engine_->searchEngine();
    connect(search, &QHelpSearchEngine::indexingStarted, this, [this] { indexing_ = true; });
    connect(search, &QHelpSearchEngine::indexingFinished, this, [this] {
        indexing_ = false;
        engine_->setCustomValue("veltarIndexComplete", true);
    });
    search->reindexDocumentation();
}

HelpWindow::~HelpWindow() {
    if (!indexing_) return;
    engine_->searchEngine()->cancelIndexing();
    engine_->setCustomValue("veltarIndexComplete", false);
}

QWidget* HelpWindow::BuildBrowserSide() {
    auto* side = new QWidget(this);
    browser_ = new HelpBrowser(*engine_, side);
    browser_->setObjectName("helpBrowser");
    browser_->setOpenExternalLinks(false);
    auto* back = Button("helpBack", "< Back", side);
    auto* forward = Button("helpForward", "Forward >", side);
    auto* home = Button("helpHome", "Contents", side);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, this, &HelpWindow::ShowContents);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
    auto* bar = new QHBoxLayout;
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addWidget(home);
    bar->addStretch();
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(browser_);
    return side;
}

void HelpWindow::BuildContentsTab() {
    QHelpContentWidget* contents = engine_->contentWidget();
    contents->setObjectName("helpContents");
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::ShowPage);
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, contents,
            [contents] { contents->expandToDepth(0); });
    tabs_->addTab(contents, "Contents");
}

void HelpWindow::BuildIndexTab() {
    auto* page = new QWidget;
    auto* filter = new QLineEdit(page);
    filter->setObjectName("helpIndexFilter");
    filter->setPlaceholderText("Type a word to find in the index");
    QHelpIndexWidget* index = engine_->indexWidget();
    index->setObjectName("helpIndex");
    connect(filter, &QLineEdit::textChanged, index, [index](const QString& text) { index->filterIndices(text); });
    connect(filter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this, [this](const QHelpLink& link) { ShowPage(link.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this, [this](const QList<QHelpLink>& links) {
        if (!links.isEmpty()) ShowPage(links.first().url);
    });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(filter);
    layout->addWidget(index);
    tabs_->addTab(page, "Index");
}

void HelpWindow::BuildSearchTab() {
    QHelpSearchEngine* search = engine_->searchEngine();
    auto* page = new QWidget;
    QHelpSearchQueryWidget* query = search->queryWidget();
    query->setObjectName("helpSearchQuery");
    QHelpSearchResultWidget* results = search->resultWidget();
    results->setObjectName("helpSearchResults");
    connect(query, &QHelpSearchQueryWidget::search, search, [search, query] { search->search(query->searchInput()); });
    connect(results, &QHelpSearchResultWidget::requestShowLink, this, &HelpWindow::ShowPage);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(query);
    layout->addWidget(results);
    tabs_->addTab(page, "Search");
}

// The topic map of the help file: one "identifier page.html#anchor" a line.
void HelpWindow::ReadTopics() {
    const QByteArray map = engine_->fileData(QUrl(QString(kHelpRoot) + "topics.txt"));
    for (const QByteArray& line : map.split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 2) topics_.insert(QString::fromUtf8(parts[0]), QString::fromUtf8(parts[1]));
    }
}

void HelpWindow::ShowPage(const QUrl& url) { browser_->setSource(url); }

QUrl HelpWindow::CurrentPage() const { return browser_->source(); }

void HelpWindow::ShowContents() {
    tabs_->setCurrentIndex(0);
    ShowPage(QUrl(QString(kHelpRoot) + "index.html"));
    ShowInFront(*this);
}

void HelpWindow::ShowSearch() {
    tabs_->setCurrentIndex(2);
    engine_->searchEngine()->queryWidget()->setSearchInput(QString());
    if (!browser_->source().isValid()) ShowPage(QUrl(QString(kHelpRoot) + "index.html"));
    ShowInFront(*this);
    engine_->searchEngine()->queryWidget()->setFocus();
}

bool HelpWindow::ShowTopic(const QString& id) {
    const auto it = topics_.constFind(id);
    if (it == topics_.constEnd()) return false;
    tabs_->setCurrentIndex(0);
    ShowPage(QUrl(QString(kHelpRoot) + *it));
    ShowInFront(*this);
    return true;
}

}  // namespace veltar

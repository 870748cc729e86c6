// Help, manuals and About: the help window opens at its contents, finds words by
// search and opens the topic of a control; missing files are named; the About
// window hides an empty link and reports a failed open.
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QLabel>
#include <QMainWindow>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "ui/help/aboutwindow.h"
#include "ui/help/helpcommands.h"
#include "ui/help/helpwindow.h"
#include "ui/menus.h"
#include "windowfixture.h"

using namespace veltar;

namespace {

HelpCommands& Commands(WindowFixture& f) { return *f.window->findChild<HelpCommands*>("helpCommands"); }

QString Page(HelpWindow& help) { return help.CurrentPage().fileName() + "#" + help.CurrentPage().fragment(); }

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void contentsMenuOpensTheFirstPage();
    void searchFindsTripping();
    void controlsOpenTheirTopics();
    void missingFilesAreNamed();
    void aboutOpensAndAClickCloses();
    void aboutLinks();
};

void HelpTest::contentsMenuOpensTheFirstPage() {
    WindowFixture f;
    f.window->findChild<QAction*>("mnuhelpcont")->trigger();
    auto* help = f.window->findChild<HelpWindow*>("help");
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->findChild<QTabWidget*>("helpTabs")->currentIndex(), 0);
    QCOMPARE(help->CurrentPage(), QUrl("qthelp://veltar.help/doc/index.html"));
    QHelpContentModel* model = help->Engine().contentModel();
    QTRY_VERIFY(!model->isCreatingContents() && model->rowCount() > 0);
}

void HelpTest::searchFindsTripping() {
    WindowFixture f;
    f.window->findChild<QAction*>("mnuhelpsearch")->trigger();
    auto* help = f.window->findChild<HelpWindow*>("help");
    QVERIFY(help);
    QCOMPARE(help->findChild<QTabWidget*>("helpTabs")->currentIndex(), 2);
    QHelpSearchEngine* search = help->Engine().searchEngine();
    QCOMPARE(search->queryWidget()->searchInput(), QString());
    // The window started the indexing; its end is reported through the event loop.
    QSignalSpy indexed(search, &QHelpSearchEngine::indexingFinished);
    QVERIFY(indexed.wait(20000));
    QSignalSpy searched(search, &QHelpSearchEngine::searchingFinished);
    search->search("tripping");
    QVERIFY(searched.wait(20000));
    const int hits = searched.first().first().toInt();
    QVERIFY(hits > 0);
    QStringList pages;
    for (const QHelpSearchResult& r : search->searchResults(0, hits)) pages << r.url().fileName();
    QVERIFY2(pages.contains("input-geometry.html"), qPrintable(pages.join(", ")));
}

// F1 on a control: the numbered topics of the menus, a box's own page, and the
// contents for a control the help does not describe.
void HelpTest::controlsOpenTheirTopics() {
    const std::pair<const char*, const char*> rows[] = {
        {"mnufile", "files.html#"},
        {"mnustiffl", "dialogs-table.html#l-table"},
        {"mnustiffusp", "dialogs-builtup.html#trapezoid"},
        {"iLt", "input-geometry.html#"},
        {"cbofyp", "input-general.html#material"},
        {"mnuDatabase", "database.html#"},
        {"canvas", "index.html#"},
    };
    WindowFixture f;
    for (const auto& [control, page] : rows) {
        HelpWindow* help = Commands(f).Topic(control);
        QVERIFY(help);
        QCOMPARE(Page(*help), QString(page));
    }
}

void HelpTest::missingFilesAreNamed() {
    QTemporaryDir dir;
    QMainWindow window;
    BuildMenus(window);
    RecordingIO io;
    HelpCommands commands(window, io, dir.path());
    QVERIFY(!commands.Contents());
    QCOMPARE(io.warnings.value(0), "can't find file - " + QDir::toNativeSeparators(dir.filePath("veltar.qch")));
    QFile junk(dir.filePath("veltar.qch"));
    QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("not a help file") > 0);
    junk.close();
    QVERIFY(!commands.Search());
    QVERIFY(io.warnings.value(1).startsWith("can't read help file - " + QDir::toNativeSeparators(junk.fileName())));
    commands.TheoryManual();
    commands.DatabaseManual();
    const QString docs = QDir::toNativeSeparators(dir.filePath("Documentation/"));
    QCOMPARE(io.warnings.mid(2), QStringList({"can't find file - " + docs + "VELTAR Theory Manual.pdf",
                                              "can't find file - " + docs + "VELTAR Database File.pdf"}));
}

void HelpTest::aboutOpensAndAClickCloses() {
    WindowFixture f;
    f.window->findChild<QAction*>("mnuabout")->trigger();
    auto* about = f.window->findChild<AboutWindow*>("about");
    QVERIFY(about && about->isVisible());
    QVERIFY(!about->findChild<QLabel*>("Picture1")->pixmap().isNull());
    // A click on any label that is not a link closes the window.
    QTest::mouseClick(about->findChild<QLabel*>("lblTitle"), Qt::LeftButton);
    QTRY_VERIFY(!f.window->findChild<AboutWindow*>("about"));
}

// An empty address hides its link; a link that cannot be opened says so, and the
// window stays.
void HelpTest::aboutLinks() {
    QMainWindow owner;
    RecordingIO io;
    QList<QUrl> asked;
    const auto failing = [&asked](const QUrl& url) { return asked << url, false; };
    const struct {
        AboutLinks links;
        bool mail, web;
    } rows[] = {
        {{"", ""}, false, false},
        {{"ship@example.org", ""}, true, false},
        {{"", "/opt/veltar/Documentation"}, false, true},
    };
    for (const auto& row : rows) {
        auto* about = new AboutWindow(&owner, io, row.links, failing);
        about->ShowCentred();
        QCOMPARE(about->findChild<QLabel*>("ab6")->isVisible(), row.mail);
        QCOMPARE(about->findChild<QLabel*>("ab5")->isVisible(), row.web);
        for (auto* link : {about->findChild<QLabel*>("ab6"), about->findChild<QLabel*>("ab5")})
            if (link->isVisible()) QTest::mouseClick(link, Qt::LeftButton);
        QVERIFY(about->isVisible());
    }
    QCOMPARE(asked, QList<QUrl>({QUrl("mailto:ship@example.org"), QUrl::fromLocalFile("/opt/veltar/Documentation")}));
    QCOMPARE(io.warnings, QStringList(2, " There was an error when trying to open a default browser "));
}

QTEST_MAIN(HelpTest)
#include "help_test.moc"

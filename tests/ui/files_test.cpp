// New, Open, Save, Save As and the recent files through the main window, the
// start-up without tables, the menu tree and the screenshot.
#include <QAction>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QRadioButton>
#include <QTreeWidget>

#include "ui/screenshot.h"
#include "windowfixture.h"

using namespace veltar;

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void saveThenOpenRoundTrip();
    void openedSafetyFormatBeatsCondition();
    void newAfterEditsRestoresDefaults();
    void cancelAndMissingFile();
    void dialogSettings();
    void recentListOfOpens();
    void recentListOfSaveAs();
    void recentItemClick();
    void emptyStoreShowsNoRecentItems();
    void missingTablesKeepWindowUsable();
    void menuCaptions();
    void screenshotIsWritten();

private:
    static void SaveAs(WindowFixture& f, const QString& path);
    static void Open(WindowFixture& f, const QString& path);
    static QStringList Stored(WindowFixture& f);
    static QStringList RecentCaptions(WindowFixture& f);
};

void FilesTest::SaveAs(WindowFixture& f, const QString& path) {
    f.io.nextPath = path;
    f.window->Files().SaveAs();
}

void FilesTest::Open(WindowFixture& f, const QString& path) {
    f.io.nextPath = path;
    f.window->Files().Open();
}

QStringList FilesTest::Stored(WindowFixture& f) {
    QStringList out;
    for (int k = 1; k <= 4; ++k) {
        const QString v = f.settings.value(QString("Recent Files/RecentFile%1").arg(k)).toString();
        if (!v.isEmpty()) out << QFileInfo(v).fileName();
    }
    return out;
}

QStringList FilesTest::RecentCaptions(WindowFixture& f) {
    QStringList out;
    for (int i = 1; i <= 4; ++i) {
        auto* a = f.window->findChild<QAction*>(QString("mnurecentfile%1").arg(i));
        if (a->isVisible()) out << a->text();
    }
    return out;
}

void FilesTest::saveThenOpenRoundTrip() {
    WindowFixture f;
    f.Type("it", "18");
    f.Type("isigx1", "-120.5");
    f.Get("iproj")->setFocus();
    QCoreApplication::processEvents();  // the whole text is selected on entry
    QTest::keyClicks(f.Get("iproj"), "\"Deck\" 3");  // a quote would break the file's line
    QCOMPARE(f.Text("iproj"), QString("Deck 3"));
    QTest::keyClick(f.Get("iproj"), Qt::Key_Return);
    QCOMPARE(f.c().Project, std::string("Deck 3"));
    const QString path = f.Path("panel.velta");
    f.io.nextPath = path;
    f.window->Files().Save();
    QCOMPARE(f.window->windowTitle(), "VELTAR: " + path);
    QCOMPARE(f.c().Project, std::string("Deck 3"));
    QVERIFY(QFile::exists(path));
    f.window->Files().New();
    QCOMPARE(f.Text("it"), QString("20.0"));
    Open(f, path);
    QVERIFY(f.io.warnings.isEmpty());
    QCOMPARE(f.Text("it"), QString("18.0"));
    QCOMPARE(f.Text("isigx1"), QString("-120.5"));
    QCOMPARE(f.Text("iproj"), QString("Deck 3"));
    QCOMPARE(f.window->windowTitle(), "VELTAR: " + path);
    // Save on an opened case writes straight back, without a dialog.
    const size_t dialogs = f.io.dialogs.size();
    f.Type("it", "19");
    f.window->Files().Save();
    QCOMPARE(f.io.dialogs.size(), dialogs);
    f.window->Files().New();
    Open(f, path);
    QCOMPARE(f.Text("it"), QString("19.0"));
}

void FilesTest::openedSafetyFormatBeatsCondition() {
    WindowFixture f;
    f.Get<QRadioButton>("opt_cond_b")->click();
    f.Type("ifs", "1.20");
    SaveAs(f, f.Path("condb.velta"));
    f.window->Files().New();
    QCOMPARE(f.Text("ifs"), QString("1.43"));
    Open(f, f.Path("condb.velta"));
    QVERIFY(f.Get<QRadioButton>("opt_cond_b")->isChecked());
    QCOMPARE(f.Text("ifs"), QString("1.20"));
    QCOMPARE(f.Text("iufa"), QString("0.80"));
    QCOMPARE(f.c().FS, 1.2f);
}

void FilesTest::newAfterEditsRestoresDefaults() {
    WindowFixture f;
    SaveAs(f, f.Path("a.velta"));
    f.Type("it", "7,5");
    f.Get<QRadioButton>("optbuckling2")->click();
    const QStringList recent = Stored(f);
    f.window->Files().New();
    QCOMPARE(f.Text("it"), QString("20.0"));
    QCOMPARE(f.c().FileName, std::string("New File"));
    QCOMPARE(f.window->windowTitle(), QString("VELTAR: New File"));
    QVERIFY(f.Get<QRadioButton>("optbuckling1")->isChecked());
    QVERIFY(f.c().FaultText.empty());
    QVERIFY(f.Get<QTreeWidget>("ListView1")->topLevelItemCount() > 0);
    QCOMPARE(Stored(f), recent);
}

void FilesTest::cancelAndMissingFile() {
    WindowFixture f;
    f.Type("it", "18");
    Open(f, "");
    f.window->Files().SaveAs();
    QVERIFY(f.io.warnings.isEmpty());
    QCOMPARE(f.c().FileName, std::string("New File"));
    const QString missing = f.Path("gone.velta");
    Open(f, missing);
    QCOMPARE(f.io.warnings, QStringList{"can't find file - " + missing});
    QCOMPARE(f.Text("it"), QString("18.0"));
    QCOMPARE(f.window->windowTitle(), QString("VELTAR: New File"));
    QVERIFY(Stored(f).isEmpty());
}

void FilesTest::dialogSettings() {
    WindowFixture f;
    f.c().AppPath = "/some/folder";
    Open(f, "");
    f.window->Files().Save();
    f.window->Files().SaveAs();
    QCOMPARE(f.io.dialogs.size(), size_t(3));
    const FileDialogSettings& open = f.io.dialogs[0];
    QCOMPARE(open.title, QString("velta"));
    QCOMPARE(open.initialName, QString("*.velta"));
    QCOMPARE(open.defaultSuffix, QString("velta"));
    QCOMPARE(open.startFolder, QString("/some/folder"));
    const FileDialogSettings& save = f.io.dialogs[1];
    QCOMPARE(save.title, QString("*.velta"));
    QVERIFY(save.startFolder.isEmpty());
    QVERIFY(!save.confirmOverwrite);
    const FileDialogSettings& saveAs = f.io.dialogs[2];
    QCOMPARE(saveAs.initialName, QString("New File"));
    QCOMPARE(saveAs.startFolder, QString("/some/folder"));
    QVERIFY(saveAs.confirmOverwrite);
}

void FilesTest::recentListOfOpens() {
    WindowFixture f;
    for (const char* name : {"A", "B", "C", "D", "E"}) SaveAs(f, f.Path(QString(name) + ".velta"));
    f.settings.remove("Recent Files");
    for (const char* name : {"A", "B", "C", "D", "E"}) Open(f, f.Path(QString(name) + ".velta"));
    QCOMPARE(Stored(f), QStringList({"E.velta", "D.velta", "C.velta", "B.velta"}));
    Open(f, f.Path("C.velta"));
    QCOMPARE(Stored(f), QStringList({"C.velta", "E.velta", "D.velta", "B.velta"}));
    // Opening the current file again leaves the order alone.
    Open(f, f.Path("C.velta"));
    QCOMPARE(Stored(f), QStringList({"C.velta", "E.velta", "D.velta", "B.velta"}));
    QCOMPARE(RecentCaptions(f).first(), "1. " + f.Path("C.velta"));
}

void FilesTest::recentListOfSaveAs() {
    WindowFixture f;
    for (const char* name : {"C", "E", "D", "F"}) SaveAs(f, f.Path(QString(name) + ".velta"));
    QCOMPARE(Stored(f), QStringList({"F.velta", "D.velta", "E.velta", "C.velta"}));
    SaveAs(f, f.Path("C.velta"));
    SaveAs(f, f.Path("F.velta"));
    // Saving under a name already listed adds it again.
    QCOMPARE(Stored(f), QStringList({"F.velta", "C.velta", "F.velta", "D.velta"}));
}

void FilesTest::recentItemClick() {
    WindowFixture f;
    for (const char* name : {"D", "C", "B", "A"}) SaveAs(f, f.Path(QString(name) + ".velta"));
    f.Type("it", "12");
    f.window->Files().Save();  // A holds t = 12
    QCOMPARE(Stored(f), QStringList({"A.velta", "B.velta", "C.velta", "D.velta"}));
    f.window->findChild<QAction*>("mnurecentfile3")->trigger();
    QCOMPARE(Stored(f), QStringList({"C.velta", "A.velta", "B.velta", "D.velta"}));
    QCOMPARE(f.c().FileName, f.Path("C.velta").toStdString());
    QCOMPARE(f.c().AppPath, (f.dir.path() + "/").toStdString());
    QCOMPARE(f.Text("it"), QString("20.0"));
    f.window->findChild<QAction*>("mnurecentfile1")->trigger();
    QCOMPARE(Stored(f), QStringList({"C.velta", "A.velta", "B.velta", "D.velta"}));
    f.window->findChild<QAction*>("mnurecentfile2")->trigger();
    QCOMPARE(f.Text("it"), QString("12.0"));
    QCOMPARE(Stored(f), QStringList({"A.velta", "C.velta", "B.velta", "D.velta"}));
}

void FilesTest::emptyStoreShowsNoRecentItems() {
    WindowFixture f;
    for (int i = 0; i <= 4; ++i)
        QVERIFY(!f.window->findChild<QAction*>(QString("mnurecentfile%1").arg(i))->isVisible());
    SaveAs(f, f.Path("only.velta"));
    QVERIFY(f.window->findChild<QAction*>("mnurecentfile0")->isVisible());
    QCOMPARE(RecentCaptions(f), QStringList{"1. " + f.Path("only.velta")});
}

void FilesTest::missingTablesKeepWindowUsable() {
    QTemporaryDir empty;
    WindowFixture f(empty.path());
    QCOMPARE(f.io.warnings.size(), 1);
    QVERIFY2(f.io.warnings[0].contains(".dat"), qPrintable(f.io.warnings[0]));
    QCOMPARE(f.Get<QTreeWidget>("ListView1")->topLevelItemCount(), 0);
    f.Type("it", "18");
    QCOMPARE(double(f.c().t), 18.0);
    QCOMPARE(f.io.warnings.size(), 1);
}

void FilesTest::menuCaptions() {
    WindowFixture f;
    const std::pair<const char*, const char*> captions[] = {
        {"mnusaveas", "Save &As"}, {"mnuprbu1", "Buckling "},
        {"mnuprintbuckling2", "Scantling/Yield "}, {"mnuhelpsearch", "&Search for Help On . . . "},
        {"mnuabout", "&About VELTA"}, {"mnugirdL", "L- Girder"}, {"mnugirdT", "T - Girder"}};
    for (const auto& [name, caption] : captions) {
        auto* action = f.window->findChild<QAction*>(name);
        QVERIFY2(action, name);
        QCOMPARE(action->text(), QString(caption));
    }
    for (const char* later : {"mnustiffl", "mnuDatabase", "mnuprSc1", "mnuhelpcont", "mnuTheory"})
        QVERIFY2(!f.window->findChild<QAction*>(later)->isEnabled(), later);
    for (const char* now : {"mnunew", "mnuopen", "mnusave", "mnusaveas", "mnuexit"})
        QVERIFY2(f.window->findChild<QAction*>(now)->isEnabled(), now);
}

void FilesTest::screenshotIsWritten() {
    WindowFixture f;
    const QString out = f.Path("shot.png");
    QVERIFY(SaveScreenshot(*f.window, out, QString()));
    const QImage image(out);
    QCOMPARE(image.size(), f.window->size());
}

QTEST_MAIN(FilesTest)
#include "files_test.moc"

// New, Open, Save, Save As and the recent files through the main window, the
// start-up without tables and the screenshot.
#include <QAction>
#include <QFile>
#include <QImage>
#include <QRadioButton>
#include <QTreeWidget>

#include "ui/screenshot.h"
#include "windowfixture.h"

using namespace veltar;

namespace {

// The recent files as stored in the settings, by file name.
QStringList Stored(WindowFixture& f) {
    QStringList out;
    for (int k = 1; k <= 4; ++k) {
        const QString v = f.settings.value(QString("Recent Files/RecentFile%1").arg(k)).toString();
        if (!v.isEmpty()) out << QFileInfo(v).fileName();
    }
    return out;
}

QAction* Recent(WindowFixture& f, int i) { return f.window->findChild<QAction*>(QString("mnurecentfile%1").arg(i)); }

void SaveAll(WindowFixture& f, const QStringList& names) {
    for (const QString& name : names) f.SaveAs(f.Path(name + ".velta"));
}

}  // namespace

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void saveThenOpenRoundTrip();
    void newAfterEditsRestoresDefaults();
    void cancelAndMissingFile();
    void refusedFilesAreNamedSafely();
    void recentList();
    void missingTablesKeepWindowUsable();
    void screenshotIsWritten();
};

// The boxes come back as saved; the opened safety factor beats condition B's own.
void FilesTest::saveThenOpenRoundTrip() {
    WindowFixture f;
    f.Type("it", "18");
    f.Type("isigx1", "-120.5");
    f.Get<QRadioButton>("opt_cond_b")->click();
    f.Type("ifs", "1.20");
    f.Get("iproj")->setFocus();
    QCoreApplication::processEvents();               // the whole text is selected on entry
    QTest::keyClicks(f.Get("iproj"), "\"Deck\" 3");  // a quote would break the file's line
    QTest::keyClick(f.Get("iproj"), Qt::Key_Return);
    const QString path = f.Path("panel.velta");
    f.io.nextPath = path;
    f.window->Files().Save();
    f.window->Files().New();
    QCOMPARE(f.Text("ifs"), QString("1.43"));
    f.Open(path);
    QVERIFY(f.io.warnings.isEmpty());
    QCOMPARE(f.Text("it"), QString("18.0"));
    QCOMPARE(f.Text("isigx1"), QString("-120.5"));
    QCOMPARE(f.Text("iproj"), QString("Deck 3"));
    QVERIFY(f.Get<QRadioButton>("opt_cond_b")->isChecked());
    QCOMPARE(f.Text("ifs"), QString("1.20"));
    QCOMPARE(f.Text("iufa"), QString("0.80"));
    QCOMPARE(f.c().FS, 1.2f);
    QCOMPARE(f.window->windowTitle(), "VELTAR: " + path);
    // Save on an opened case writes straight back: a dialog would be cancelled here.
    f.io.nextPath.clear();
    f.Type("it", "19");
    f.window->Files().Save();
    f.window->Files().New();
    f.Open(path);
    QCOMPARE(f.Text("it"), QString("19.0"));
}

void FilesTest::newAfterEditsRestoresDefaults() {
    WindowFixture f;
    f.SaveAs(f.Path("a.velta"));
    f.Type("it", "0");  // a fault, cleared by New
    f.Get<QRadioButton>("optbuckling2")->click();
    const QStringList recent = Stored(f);
    f.window->Files().New();
    QCOMPARE(f.Text("it"), QString("20.0"));
    QCOMPARE(f.window->windowTitle(), QString("VELTAR: New File"));
    QVERIFY(f.Get<QRadioButton>("optbuckling1")->isChecked());
    QVERIFY(f.Get<QTreeWidget>("ListView1")->topLevelItemCount() > 0);  // fault cleared
    QCOMPARE(Stored(f), recent);
}

void FilesTest::cancelAndMissingFile() {
    WindowFixture f;
    f.Type("it", "18");
    f.Open("");
    f.window->Files().SaveAs();
    QVERIFY(f.io.warnings.isEmpty());
    const QString missing = f.Path("gone.velta");
    f.Open(missing);
    QCOMPARE(f.io.warnings, QStringList{"can't find file - " + missing});
    QCOMPARE(f.Text("it"), QString("18.0"));
    QCOMPARE(f.window->windowTitle(), QString("VELTAR: New File*"));  // still the edited case
    QVERIFY(Stored(f).isEmpty());
}

// The message box quotes a file as the command line does, control bytes escaped; a
// read-only file is not replaced and the window keeps its file.
void FilesTest::refusedFilesAreNamedSafely() {
    WindowFixture f;
    const QString escapes = QString(VELTAR_FIXTURES) + "/regressions/terminal-escapes-in-first-line.velta";
    f.Open(escapes);
    QCOMPARE(f.io.warnings,
             QStringList{escapes + ", line 1: not a project file version: \"\\x1b[2J\\x1b[31mOWNED\\x07\""});
    const QString kept = f.Path("kept.velta");
    f.SaveAs(kept);
    QFile(kept).setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    f.Type("it", "18");
    f.window->Files().Save();
    QCOMPARE(f.io.warnings.last(), "can't save file - " + kept + ": the file is read-only");
    f.window->Files().New();
    f.Open(kept);
    QCOMPARE(f.Text("it"), QString("20.0"));
}

// Save As and Open put a file on top, Save As even when it is listed already, Open
// not when it is the current file; a click opens its file and moves it up.
void FilesTest::recentList() {
    WindowFixture f;
    for (int i = 0; i <= 4; ++i) QVERIFY(!Recent(f, i)->isVisible());
    SaveAll(f, {"C"});
    QVERIFY(Recent(f, 0)->isVisible());  // the separator
    QVERIFY(Recent(f, 1)->isVisible() && !Recent(f, 2)->isVisible());
    SaveAll(f, {"A", "B", "D", "E"});
    QCOMPARE(Stored(f), QStringList({"E.velta", "D.velta", "B.velta", "A.velta"}));
    f.Open(f.Path("C.velta"));
    f.Open(f.Path("C.velta"));
    QCOMPARE(Stored(f), QStringList({"C.velta", "E.velta", "D.velta", "B.velta"}));
    QCOMPARE(Recent(f, 1)->text(), "1. " + f.Path("C.velta"));
    SaveAll(f, {"E"});
    QCOMPARE(Stored(f), QStringList({"E.velta", "C.velta", "E.velta", "D.velta"}));
    f.Type("it", "12");
    f.window->Files().Save();  // E holds t = 12
    Recent(f, 2)->trigger();
    QCOMPARE(Stored(f), QStringList({"C.velta", "E.velta", "E.velta", "D.velta"}));
    QCOMPARE(f.Text("it"), QString("20.0"));
    QCOMPARE(f.c().AppPath, (f.dir.path() + "/").toStdString());
    Recent(f, 1)->trigger();  // the current file
    QCOMPARE(Stored(f), QStringList({"C.velta", "E.velta", "E.velta", "D.velta"}));
    Recent(f, 3)->trigger();
    QCOMPARE(Stored(f), QStringList({"E.velta", "C.velta", "E.velta", "D.velta"}));
    QCOMPARE(f.Text("it"), QString("12.0"));
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

void FilesTest::screenshotIsWritten() {
    WindowFixture f;
    const QString out = f.Path("shot.png");
    QVERIFY(SaveScreenshot(*f.window, out, QString()));
    QCOMPARE(QImage(out).size(), f.window->size());
}

QTEST_MAIN(FilesTest)
#include "files_test.moc"

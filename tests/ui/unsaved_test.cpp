// Unsaved changes: the caption's mark, the question before New, Open, a recent file
// and Exit drop an edited case, and the file dialogs' settings.
#include <QAction>
#include <QFileDialog>
#include <QRadioButton>

#include "windowfixture.h"

using namespace veltar;

class UnsavedTest : public QObject {
    Q_OBJECT
private slots:
    void captionMarksAnEditedCase();
    void questionBeforeTheCaseIsDropped_data();
    void questionBeforeTheCaseIsDropped();
    void exitAsksAndCancelKeepsTheWindow();
    void saveAsListsProjectFiles();
};

void UnsavedTest::captionMarksAnEditedCase() {
    WindowFixture f;
    QCOMPARE(f.window->windowTitle(), QString("VELTAR: New File"));  // the first calculation changes nothing
    f.Type("it", "18");
    QCOMPARE(f.window->windowTitle(), QString("VELTAR: New File*"));
    f.Type("it", "20");  // back to what it was
    QCOMPARE(f.window->windowTitle(), QString("VELTAR: New File"));
    f.Get<QRadioButton>("optBuckling3")->click();  // the check mode is not in the file
    QCOMPARE(f.window->windowTitle(), QString("VELTAR: New File"));
    f.Type("iident", "F40-B");  // the texts store without a calculation
    QCOMPARE(f.window->windowTitle(), QString("VELTAR: New File*"));
    f.SaveAs(f.Path("a.velta"));
    QCOMPARE(f.window->windowTitle(), "VELTAR: " + f.Path("a.velta"));
    f.Get<QRadioButton>("opt_cond_b")->click();
    QCOMPARE(f.window->windowTitle(), "VELTAR: " + f.Path("a.velta") + "*");
    f.Open(f.Path("a.velta"));  // Discard, then the saved case again
    QCOMPARE(f.window->windowTitle(), "VELTAR: " + f.Path("a.velta"));
    QVERIFY(f.Get<QRadioButton>("opt_cond_a")->isChecked());
    QCOMPARE(f.io.questions, QStringList{f.Path("a.velta")});
}

void UnsavedTest::questionBeforeTheCaseIsDropped_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("it");   // the plate thickness shown afterwards
    QTest::addColumn<bool>("saved");   // the edited case reached saved.velta
    QTest::addColumn<int>("dialogs");  // file dialogs shown
    for (const QString command : {"new", "open", "recent"}) {
        const QString other = command == "new" ? "20.0" : "12.0";
        QTest::newRow(qPrintable(command + " cancel")) << command << int(SaveAnswer::Cancel) << "18.0" << false << 0;
        QTest::newRow(qPrintable(command + " discard"))
            << command << int(SaveAnswer::Discard) << other << false << (command == "open" ? 1 : 0);
        QTest::newRow(qPrintable(command + " save"))
            << command << int(SaveAnswer::Save) << other << true << (command == "open" ? 1 : 0);
    }
}

void UnsavedTest::questionBeforeTheCaseIsDropped() {
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(QString, it);
    QFETCH(bool, saved);
    QFETCH(int, dialogs);
    WindowFixture f;
    f.Type("it", "12");
    f.SaveAs(f.Path("other.velta"));  // the recent item 1 and the file to open
    f.window->Files().New();
    f.SaveAs(f.Path("saved.velta"));
    f.Type("it", "18");
    f.io.saveAnswer = SaveAnswer(answer);
    f.io.dialogs.clear();
    f.io.nextPath = f.Path("other.velta");
    QAction* recent = f.window->findChild<QAction*>("mnurecentfile2");
    QCOMPARE(recent->text(), "2. " + f.Path("other.velta"));
    if (command == "new") f.window->Files().New();
    if (command == "open") f.window->Files().Open();
    if (command == "recent") recent->trigger();
    QCOMPARE(f.io.questions, QStringList{f.Path("saved.velta")});
    QCOMPARE(f.Text("it"), it);
    QCOMPARE(f.io.dialogs.size(), dialogs);
    WindowFixture check;
    check.Open(f.Path("saved.velta"));
    QCOMPARE(check.Text("it"), QString(saved ? "18.0" : "20.0"));
}

void UnsavedTest::exitAsksAndCancelKeepsTheWindow() {
    WindowFixture f;
    QAction* exit = f.window->findChild<QAction*>("mnuexit");
    f.Type("it", "18");
    f.io.saveAnswer = SaveAnswer::Cancel;
    exit->trigger();
    QVERIFY(f.window->isVisible());
    // Save of a new case asks for its name; cancelling that dialog keeps the window too.
    f.io.saveAnswer = SaveAnswer::Save;
    f.io.nextPath.clear();
    exit->trigger();
    QVERIFY(f.window->isVisible());
    f.io.nextPath = f.Path("exit.velta");
    exit->trigger();
    QVERIFY(!f.window->isVisible());
    QVERIFY(QFile::exists(f.Path("exit.velta")));
    QCOMPARE(f.io.questions.size(), 3);
    // An unedited case goes without a question.
    WindowFixture g;
    g.window->findChild<QAction*>("mnuexit")->trigger();
    QVERIFY(!g.window->isVisible() && g.io.questions.isEmpty());
}

// Save As pre-fills the current name and still lists the project files; the Open
// dialog of case tables starts in its folder.
void UnsavedTest::saveAsListsProjectFiles() {
    WindowFixture f;
    f.SaveAs(f.Path("panel.velta"));
    f.SaveAs("");
    const FileDialogSettings def = f.io.dialogs.last();
    QCOMPARE(def.initialName, f.Path("panel.velta"));
    QVERIFY(def.confirmOverwrite);
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    ConfigureFileDialog(dialog, def, true);
    QCOMPARE(dialog.nameFilters(), QStringList{"*.velta"});
    QCOMPARE(dialog.selectedFiles(), QStringList{f.Path("panel.velta")});
    QFileDialog open;
    open.setOption(QFileDialog::DontUseNativeDialog);
    ConfigureFileDialog(open, {"*.velti", "*.velti", "velti", f.dir.path(), false}, false);
    QCOMPARE(open.nameFilters(), QStringList{"*.velti"});
    QCOMPARE(open.directory().absolutePath(), f.dir.path());
}

QTEST_MAIN(UnsavedTest)
#include "unsaved_test.moc"

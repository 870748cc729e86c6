// The Tools menu over a test main window: the sweep window plots the case over an
// input and exports it, the design search window applies the chosen panel.
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QXYSeries>

#include "ui/tools/designwindow.h"
#include "ui/tools/sweepwindow.h"
#include "windowfixture.h"

using namespace veltar;

namespace {

template <class W>
W* OpenFromMenu(WindowFixture& f, const char* item, const char* window) {
    f.Get<QAction>(item)->trigger();
    QCoreApplication::processEvents();
    return f.window->findChild<W*>(window);
}

QStringList LegendNames(QChart* chart) {
    QStringList names;
    for (QAbstractSeries* s : chart->series())
        if (!names.contains(s->name())) names << s->name();
    return names;
}

// Leaves the box with its new text, as the user does.
void Retype(QLineEdit* box, const QString& text) {
    box->setText(text);
    emit box->editingFinished();
}

}  // namespace

class ToolsTest : public QObject {
    Q_OBJECT
private slots:
    void menuBetweenPrintAndHelp();
    void sweepOfTheCaseOverItsPlateThickness();
    void sweepRangesTheUserTypes();
    void sweepExports();
    void designSearchAppliesOnlyWhatItVaried();
};

void ToolsTest::menuBetweenPrintAndHelp() {
    WindowFixture f;
    QStringList menus;
    for (QAction* a : f.window->menuBar()->actions()) menus << a->objectName();
    QCOMPARE(menus, QStringList({"mnufile", "mnuProfile", "mnudb", "mnuprint", "mnutools", "mnuhelp"}));
    QVERIFY(f.Get<QAction>("mnusweep")->isEnabled());
    QVERIFY(f.Get<QAction>("mnudesign")->isEnabled());
}

void ToolsTest::sweepOfTheCaseOverItsPlateThickness() {
    WindowFixture f;
    auto* sweep = OpenFromMenu<SweepWindow>(f, "mnusweep", "sweep");
    QVERIFY(sweep && sweep->isVisible());
    QCOMPARE(sweep->findChild<QLineEdit*>("ifrom")->text(), QString("10"));
    QCOMPARE(sweep->findChild<QLineEdit*>("ito")->text(), QString("30"));
    QCOMPARE(sweep->Result().steps.size(), size_t(51));
    // The window's check mode is buckling: its seven factors, the limit and the case's value.
    QChart* chart = sweep->findChild<QChartView*>("chartsweep")->chart();
    QCOMPARE(LegendNames(chart),
             QStringList({"UFpb", "UFpu", "UFpl", "UFb", "UFbt", "UFst", "UFgbu", "allowed (1.0)", "current t = 20"}));
    // The default stiffener fails as a column from t = 16.4 on: UFb's line stops there.
    int ufbPoints = 0;
    for (QAbstractSeries* s : chart->series())
        if (s->name() == "UFb") ufbPoints += static_cast<QXYSeries*>(s)->count();
    QVERIFY(ufbPoints > 0 && ufbPoints < 51);
    QVERIFY(sweep->findChild<QListWidget*>("lstgaps")->count() > 0);
    QCOMPARE(sweep->findChild<QListWidget*>("lstgaps")->item(0)->text().left(12), QString("t = 16.4: NO"));
    QCOMPARE(sweep->findChild<QLabel*>("labpassing")->text(),
             QString("no value of t from 10 to 30 mm passes every check (failing at every step: UFb, UFst, UFgbu)"));
    // The case itself is untouched.
    QCOMPARE(f.Text("it"), QString("20.0"));
    QCOMPARE(static_cast<double>(f.c().t), 20.0);
}

void ToolsTest::sweepRangesTheUserTypes() {
    WindowFixture f;
    auto* sweep = OpenFromMenu<SweepWindow>(f, "mnusweep", "sweep");
    auto* input = sweep->findChild<QComboBox*>("cboinput");
    input->setCurrentIndex(input->findData("UFa"));
    QCOMPARE(sweep->findChild<QLineEdit*>("ifrom")->text(), QString("0.6"));
    QCOMPARE(sweep->findChild<QLineEdit*>("ito")->text(), QString("0.9"));
    QCOMPARE(sweep->Result().range.field->name, "UFa");
    QVERIFY(f.io.warnings.isEmpty());

    Retype(sweep->findChild<QLineEdit*>("ifrom"), "0,3");
    QCOMPARE(f.io.warnings, QStringList("the range of UFa from 0.3 to 0.9 leaves its limit 0.6 <= UF <= 2"));
    QCOMPARE(sweep->Result().range.from, 0.6);  // the last plot stays

    Retype(sweep->findChild<QLineEdit*>("ifrom"), "0.7");
    Retype(sweep->findChild<QLineEdit*>("ito"), "0.9 mm");
    QCOMPARE(f.io.warnings.last(), QString("To: \"0.9 mm\" is not a number"));
    Retype(sweep->findChild<QLineEdit*>("ito"), "0.9");
    QCOMPARE(sweep->Result().range.from, 0.7);
    QCOMPARE(sweep->Result().steps.size(), size_t(51));

    // A change of the main window's case shows when the user comes back.
    input->setCurrentIndex(input->findData("t"));
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.Type("it", "25");
    QCOMPARE(static_cast<double>(sweep->Result().current), 20.0);
    sweep->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(sweep));
    QTRY_COMPARE(static_cast<double>(sweep->Result().current), 25.0);
    QCOMPARE(sweep->Result().range.from, 10.0);  // the range stays the user's
    QCOMPARE(f.io.warnings.size(), 2);
}

void ToolsTest::sweepExports() {
    WindowFixture f;
    auto* sweep = OpenFromMenu<SweepWindow>(f, "mnusweep", "sweep");
    f.io.nextPath = f.Path("plot.png");
    QVERIFY(sweep->ExportPng());
    QVERIFY(QImage(f.Path("plot.png")).width() >= 640);
    f.io.nextPath = f.Path("plot.svg");
    QVERIFY(sweep->ExportSvg());
    const QByteArray svg = f.Bytes(f.Path("plot.svg"));
    QVERIFY(svg.contains("<svg") && svg.contains("UFpb"));
    f.io.nextPath = f.Path("steps.csv");
    QVERIFY(sweep->ExportCsv());
    QCOMPARE(f.Bytes(f.Path("steps.csv")).count('\n'), 52);  // the header and 51 steps

    f.io.nextPath.clear();  // cancelled: nothing written, nothing said
    QVERIFY(!sweep->ExportCsv());
    f.io.nextPath = f.Path("missing/folder/steps.csv");
    QVERIFY(!sweep->ExportCsv());
    QCOMPARE(f.io.warnings, QStringList("can't save file - " + f.Path("missing/folder/steps.csv")));
}

void ToolsTest::designSearchAppliesOnlyWhatItVaried() {
    WindowFixture f;
    auto* design = OpenFromMenu<DesignWindow>(f, "mnudesign", "design");
    QVERIFY(design && design->isVisible());
    auto* list = design->findChild<QTreeWidget*>("lstdesigns");
    auto* apply = design->findChild<QPushButton*>("cmdapply");

    // The default stiffener fails at every plate thickness: nothing to apply.
    design->findChild<QRadioButton*>("optvaryplate")->click();
    design->findChild<QPushButton*>("cmdsearch")->click();
    QCOMPARE(design->Result().candidates, 41);
    QCOMPARE(list->topLevelItemCount(), 0);
    QVERIFY(!apply->isEnabled());
    QVERIFY(design->findChild<QLabel*>("labsummary")->text().startsWith("None of the 41 candidates passes"));

    // The stiffener alone, from the bulb flats: the kind, the row and what shows them change.
    design->findChild<QRadioButton*>("optvarystiff")->click();
    for (const char* kind : {"chkkindL", "chkkindT", "chkkindFB"})
        design->findChild<QCheckBox*>(kind)->setChecked(false);
    design->findChild<QPushButton*>("cmdsearch")->click();
    QVERIFY(design->Result().best.size() >= 2);
    QCOMPARE(list->topLevelItemCount(), static_cast<int>(design->Result().best.size()));
    list->setCurrentItem(list->topLevelItem(1));
    const DesignCandidate bulb = design->Result().best[1];
    apply->click();
    QCOMPARE(f.c().StiffKind, i16(kBulb));
    QCOMPARE(int(f.c().BFRow), bulb.row);
    QCOMPARE(f.Get<QLabel>("stiffprof")->text(), QString::fromStdString(bulb.profile));

    // Then the plate alone, with that stiffener: only t changes, in the case and its box.
    design->findChild<QRadioButton*>("optvaryplate")->click();
    design->findChild<QPushButton*>("cmdsearch")->click();
    QVERIFY(!design->Result().best.empty());
    QVERIFY(apply->isEnabled());  // the lightest is chosen
    const DesignCandidate plate = design->Result().best[0];
    apply->click();
    QCOMPARE(static_cast<double>(f.c().t), static_cast<double>(plate.t));
    QCOMPARE(f.Text("it"), QString::number(plate.t, 'f', 1));
    QCOMPARE(f.Get<QLabel>("stiffprof")->text(), QString::fromStdString(bulb.profile));
    QVERIFY(f.c().FaultText.empty());
    QVERIFY(f.io.warnings.isEmpty());

    // Nothing to search for.
    design->findChild<QRadioButton*>("optvarystiff")->click();
    design->findChild<QCheckBox*>("chkkindBF")->setChecked(false);
    design->findChild<QPushButton*>("cmdsearch")->click();
    QCOMPARE(f.io.warnings, QStringList("choose at least one profile table for the stiffener"));
}

QTEST_MAIN(ToolsTest)
#include "tools_test.moc"

// Typing into the boxes, the option buttons and the check modes of the main window.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "windowfixture.h"

using namespace veltar;

class InputsTest : public QObject {
    Q_OBJECT
private slots:
    void startsCalculatedWithDefaults();
    void commaReadsAsDecimalPoint();
    void unreadableTextIsZeroWithWarning();
    void limitsAreInclusive_data();
    void limitsAreInclusive();
    void outOfRangeValueIsKeptAndCalculated();
    void unitLengthOutOfRangeWaitsForNextChange();
    void trippingDistanceKeepsItsBlank();
    void enterMovesAlongChain();
    void spanWarnings_data();
    void spanWarnings();
    void loadingConditionsSetSafetyFormat();
    void checkModesAndDeformationBox();
    void signButtonReversesPressure();
    void userDefinedGradeUnlocksBoxes();
    void faultShowsErrorFrameUntilNextRun();
    void sizeFollowsScreenDpi();
    void commaLocaleRefusesText();
    void rightButtonOffersProfileMenu();
    void modalWarningStartsNoSecondOne();
};

void InputsTest::startsCalculatedWithDefaults() {
    WindowFixture f;
    QVERIFY(f.window->HasCalculated());
    QVERIFY(f.io.warnings.isEmpty());
    QCOMPARE(f.window->windowTitle(), QString("VELTAR: New File"));
    QCOMPARE(f.Text("it"), QString("20.0"));
    QCOMPARE(f.Text("il1"), QString("3000"));
    QCOMPARE(f.Text("isigx1"), QString("-100.0"));
    QCOMPARE(f.Text("ip1"), QString("0.030"));
    QCOMPARE(f.Text("ie"), QString("2.06E+5"));
    QCOMPARE(f.Text("ifs"), QString("1.43"));
    QCOMPARE(f.Text("iufa"), QString("0.60"));
    QVERIFY(f.Get<QRadioButton>("OptC10")->isChecked());
    QCOMPARE(f.Get<QTabWidget>("SSTabCfactor")->currentIndex(), 1);
    QVERIFY(f.Get<QLabel>("ctext1")->text().startsWith("c = 0.90 / 1.50"));
    QVERIFY(f.Get<QLabel>("ctext1")->text().endsWith("(3-2-2/9.5&9.9)"));
    auto* list = f.Get<QTreeWidget>("ListView1");
    QCOMPARE(list->topLevelItemCount(), int(f.c().Rows.size()));
    QVERIFY(list->topLevelItemCount() > 5);
    QCOMPARE(list->headerItem()->text(2), QString("Reference "));
    QVERIFY(f.Get<QCheckBox>("def_chbox")->isVisible());
    QVERIFY(!f.Get<QGroupBox>("fr_err")->isVisible());
}

void InputsTest::commaReadsAsDecimalPoint() {
    WindowFixture f;
    f.Type("it", "7,5");
    QCOMPARE(double(f.c().t), 7.5);
    QCOMPARE(f.c().t.kind(), Real::Kind::Single);
    QCOMPARE(f.Text("it"), QString("7.5"));
    QVERIFY(f.io.warnings.isEmpty());
    QCOMPARE(f.Focused(), QString("is1"));
}

void InputsTest::unreadableTextIsZeroWithWarning() {
    WindowFixture f;
    f.Type("it", "abc");
    QCOMPARE(double(f.c().t), 0.0);
    QCOMPARE(f.Text("it"), QString("0.0"));
    QCOMPARE(f.io.warnings, QStringList{" 0.1 <= t "});
    QCOMPARE(f.Focused(), QString("it"));
}

void InputsTest::limitsAreInclusive_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("warning");  // empty: accepted
    QTest::newRow("FS 0.6") << "ifs" << "0.6" << "";
    QTest::newRow("FS 0.59") << "ifs" << "0.59" << " 0.6 <= FS <= 2 ";
    QTest::newRow("FS 2") << "ifs" << "2" << "";
    QTest::newRow("FS 2.01") << "ifs" << "2.01" << " 0.6 <= FS <= 2 ";
    QTest::newRow("UFa 0.5") << "iufa" << "0.5" << " 0.6 <= UF <= 2 ";
    QTest::newRow("t 0.1") << "it" << "0.1" << "";
    QTest::newRow("s2 9") << "is2" << "9" << " 10 <= s2  ";
    QTest::newRow("Lg 999") << "iLg" << "999" << " 1000 <= Lg  ";
    QTest::newRow("Lgs 999") << "iLgs" << "999" << " 1000 <= Lgs  ";
    QTest::newRow("Lt 400") << "iLt" << "400" << "";
    QTest::newRow("Lt 399") << "iLt" << "399" << " 400 <= Lt ";
    QTest::newRow("E 999") << "ie" << "999" << " 1000 <= E-modulus ";
    QTest::newRow("L1 any") << "il1" << "99999" << "";
}

void InputsTest::limitsAreInclusive() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, warning);
    WindowFixture f;
    f.Type(qPrintable(box), typed);
    QCOMPARE(f.io.warnings, warning.isEmpty() ? QStringList() : QStringList{warning});
    if (!warning.isEmpty()) QCOMPARE(f.Focused(), box);
}

// A warned value stays in the case and the results are those of that value.
void InputsTest::outOfRangeValueIsKeptAndCalculated() {
    WindowFixture f;
    f.Get<QRadioButton>("optbuckling2")->click();
    const std::vector<ListRow> before = f.c().Rows;
    f.Type("ifs", "0.59");
    QCOMPARE(f.c().FS, 0.59f);
    QCOMPARE(f.Text("ifs"), QString("0.59"));
    QVERIFY(f.c().Rows.size() == before.size());
    bool changed = false;
    for (size_t i = 0; i < before.size(); ++i) changed |= before[i].text != f.c().Rows[i].text;
    QVERIFY(changed);
}

void InputsTest::unitLengthOutOfRangeWaitsForNextChange() {
    WindowFixture f;
    f.Get<QTabWidget>("SSTabCfactor")->setCurrentIndex(0);
    QCOMPARE(f.c().BulkheadType, i16(0));
    f.Type("iunit_length", "53");
    QVERIFY(f.Get<QLabel>("ctext0")->text().startsWith("c = 0.51"));
    f.Type("iunit_length", "601");
    QCOMPARE(f.io.warnings, QStringList{" 5 < unit length < 600 "});
    QCOMPARE(f.c().UL, 601.0f);
    QVERIFY(f.Get<QLabel>("ctext0")->text().startsWith("c = 0.51"));
    f.io.warnings.clear();
    f.Type("iunit_length", "600");
    QVERIFY(f.io.warnings.isEmpty());
    QVERIFY(f.Get<QLabel>("ctext0")->text().startsWith("c = 0.56"));
}

void InputsTest::trippingDistanceKeepsItsBlank() {
    WindowFixture f;
    f.Type("iLt", "2999.6");
    QCOMPARE(f.Text("iLt"), QString("3000 "));
    f.Type("iLt", "3000 ");
    QCOMPARE(f.c().Lt.kind(), Real::Kind::Single);
    QCOMPARE(double(f.c().Lt), 3000.0);
    QVERIFY(f.io.warnings.isEmpty());
}

void InputsTest::enterMovesAlongChain() {
    WindowFixture f;
    f.Get("ie")->setFocus();
    QTest::keyClick(f.Get("ie"), Qt::Key_Return);
    QCOMPARE(f.Focused(), QString("il1"));
    QTest::keyClick(f.Get("il1"), Qt::Key_Up);
    QCOMPARE(f.Focused(), QString("ip1"));
    QTest::keyClick(f.Get("ip1"), Qt::Key_Left);  // the cursor's key here
    QCOMPARE(f.Focused(), QString("ip1"));
    f.Get<QTabWidget>("SSTabCfactor")->setCurrentIndex(0);
    f.Get("ie")->setFocus();
    QTest::keyClick(f.Get("ie"), Qt::Key_Return);
    QCOMPARE(f.Focused(), QString("iunit_length"));
    f.Get("iufa")->setFocus();
    QTest::keyClick(f.Get("iufa"), Qt::Key_Return);
    QCOMPARE(f.Focused(), QString("cbofyp"));
    QTest::keyClick(f.Get<QWidget>("cbofyp"), Qt::Key_Return);
    QCOMPARE(f.Focused(), QString("cbofys"));
}

void InputsTest::spanWarnings_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<QString>("focus");
    QTest::newRow("s1 over both spans")
        << "is1" << "4000" << QStringList{" s1 <= L1  ", " s1 <= L2  "} << "is1";
    QTest::newRow("s2 over L2 only") << "is2" << "2600" << QStringList{" s2 <= l2  "} << "is2";
}

void InputsTest::spanWarnings() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QStringList, warnings);
    QFETCH(QString, focus);
    WindowFixture f;
    f.Type(qPrintable(box), typed);
    QCOMPARE(f.io.warnings, warnings);
    QCOMPARE(f.Focused(), focus);
    QVERIFY(f.Get<QTreeWidget>("ListView1")->topLevelItemCount() > 0);
}

void InputsTest::loadingConditionsSetSafetyFormat() {
    WindowFixture f;
    f.Get<QRadioButton>("opt_cond_b")->click();
    QCOMPARE(f.c().LoadCond, i16(1));
    QCOMPARE(f.c().FS, 1.11f);
    QCOMPARE(f.c().UFa, 0.8f);
    QCOMPARE(f.Text("ifs"), QString("1.11"));
    QCOMPARE(f.Text("iufa"), QString("0.80"));
    f.Get<QRadioButton>("opt_cond_c")->click();
    QCOMPARE(f.c().FS, 1.11f);
    QCOMPARE(f.c().UFa, 0.8f);
    f.Get<QRadioButton>("opt_cond_a")->click();
    QCOMPARE(f.c().FS, 1.43f);
    QCOMPARE(f.Text("iufa"), QString("0.60"));
}

void InputsTest::checkModesAndDeformationBox() {
    WindowFixture f;
    auto* deform = f.Get<QCheckBox>("def_chbox");
    f.Get<QRadioButton>("optbuckling2")->click();
    QCOMPARE(f.c().CheckMode, i16(2));
    QVERIFY(!deform->isVisible());
    auto* list = f.Get<QTreeWidget>("ListView1");
    QVERIFY(list->topLevelItem(0)->text(0).startsWith("Rule/Scantling/Yield: ABS"));
    QCOMPARE(list->topLevelItemCount(), 18);
    f.Get<QRadioButton>("optBuckling3")->click();
    QVERIFY(!deform->isVisible());
    QVERIFY(list->topLevelItemCount() > int(f.c().Rows.size()) / 2);
    f.Get<QRadioButton>("optbuckling1")->click();
    QVERIFY(deform->isVisible());
    const int rows = list->topLevelItemCount();
    deform->click();
    QCOMPARE(f.c().InclDeform, i16(1));
    QVERIFY(list->topLevelItemCount() > rows);  // the deformation check joins the list
}

void InputsTest::signButtonReversesPressure() {
    WindowFixture f;
    f.Get<QWidget>("Command1")->setFocus();
    QTest::mouseClick(f.Get<QWidget>("Command1"), Qt::LeftButton);
    QCOMPARE(double(f.c().p), -0.03);
    QCOMPARE(f.Text("ip1"), QString("-0.030"));
    QCOMPARE(f.Text("ips"), QString("0.030"));
}

void InputsTest::userDefinedGradeUnlocksBoxes() {
    WindowFixture f;
    auto* grades = f.Get<QComboBox>("cbofyp");
    const int user = grades->count() - 1;
    QVERIFY(!f.Get("ifyp")->isEnabled());
    const double tableFy = f.c().Fyp;
    grades->activated(user);
    QVERIFY(f.Get("ifyp")->isEnabled());
    QCOMPARE(double(f.c().Fyp), tableFy);
    f.Type("ifyp", "420");
    QCOMPARE(double(f.c().Fyp), 420.0);
    QCOMPARE(f.Text("ifyp"), QString("420"));
    f.Type("ifyp", "30");
    QCOMPARE(f.io.warnings, QStringList{" 50 <= fyp <= 2000 "});
    grades->activated(0);
    QVERIFY(!f.Get("ifup")->isEnabled());
    QCOMPARE(f.c().PlateGradeIndex, i16(0));
}

// A plate thickness of zero cannot be calculated: the list empties and the error
// frame says why; the next good value brings the list back.
void InputsTest::faultShowsErrorFrameUntilNextRun() {
    WindowFixture f;
    f.Type("it", "0");
    QVERIFY(!f.c().FaultText.empty());
    QVERIFY(f.Get<QGroupBox>("fr_err")->isVisible());
    QCOMPARE(f.Get<QLabel>("lab_err")->text().toStdString(), f.c().FaultText);
    QCOMPARE(f.Get<QTreeWidget>("ListView1")->topLevelItemCount(), 0);
    f.Type("it", "20");
    QVERIFY(!f.Get<QGroupBox>("fr_err")->isVisible());
    QVERIFY(f.Get<QTreeWidget>("ListView1")->topLevelItemCount() > 0);
}

void InputsTest::sizeFollowsScreenDpi() {
    WindowFixture f;
    const double dpiX = f.window->screen()->logicalDotsPerInchX();
    const double dpiY = f.window->screen()->logicalDotsPerInchY();
    QCOMPARE(f.window->width(), int(std::lround(1024 * dpiX / 96)));
    QCOMPARE(f.window->height(), int(std::lround(0.95 * 768 * dpiY / 96)));
    auto* fr1 = f.Get<QWidget>("fr1");
    QCOMPARE(fr1->width(), int(std::lround(0.38 * f.window->centralWidget()->width())));
    f.window->resize(1400, 900);
    QCoreApplication::processEvents();
    QCOMPARE(fr1->width(), int(std::lround(0.38 * f.window->centralWidget()->width())));
}

// On a comma locale unreadable text keeps the old value and the typed text, and
// nothing is calculated.
void InputsTest::commaLocaleRefusesText() {
    WindowFixture f;
    f.c().DecSep = 1;
    f.Type("it", "2.5");
    QCOMPARE(double(f.c().t), 2.5);
    QCOMPARE(f.Text("it"), QString("2,5"));
    const std::vector<ListRow> rows = f.c().Rows;
    f.Type("it", "abc");
    QCOMPARE(f.io.warnings, QStringList{"Input string mismatch "});
    QCOMPARE(double(f.c().t), 2.5);
    QCOMPARE(f.Text("it"), QString("abc"));
    QCOMPARE(f.Focused(), QString("it"));
    QCOMPARE(f.c().Rows.size(), rows.size());
}

void InputsTest::rightButtonOffersProfileMenu() {
    WindowFixture f;
    auto* menu = f.window->findChild<QMenu*>("mnuProfile");
    for (const char* over : {"stiffprof", "it", "pic21", "opt_cond_a"}) {
        QWidget* target = f.Get<QWidget>(over);
        QTest::mouseRelease(target, Qt::RightButton, {}, QPoint(3, 3));
        QVERIFY2(menu->isVisible(), over);
        menu->hide();
    }
    auto* list = f.Get<QTreeWidget>("ListView1");
    QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    QVERIFY(menu->isVisible());
    menu->hide();
}

// A warning box that takes the focus while it is open, as a modal box does. The
// box it interrupts and the box the user moved to must not raise a second one.
namespace {
class FocusTakingIO : public RecordingIO {
public:
    void Warn(const QString& text) override {
        RecordingIO::Warn(text);
        QWidget box;
        box.show();
        box.activateWindow();
        (void)QTest::qWaitForWindowActive(&box);
        QCoreApplication::processEvents();
    }
};
}  // namespace

void InputsTest::modalWarningStartsNoSecondOne() {
    WindowFixture f;
    FocusTakingIO modal;
    auto window = std::make_unique<MainWindow>(&modal, f.store, QCoreApplication::applicationDirPath());
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCoreApplication::processEvents();
    auto* t = window->findChild<QLineEdit*>("it");
    auto* s1 = window->findChild<QLineEdit*>("is1");
    s1->setText("5");  // out of range too, but not typed by the user
    t->setFocus();
    QCoreApplication::processEvents();
    t->selectAll();
    QTest::keyClicks(t, "0.05");
    QTest::keyClick(t, Qt::Key_Return);
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    QCOMPARE(modal.warnings, QStringList{" 0.1 <= t "});
    QCOMPARE(float(window->CaseRecord().t), 0.05f);
    QCOMPARE(double(window->CaseRecord().s1), 625.0);
}

QTEST_MAIN(InputsTest)
#include "inputs_test.moc"

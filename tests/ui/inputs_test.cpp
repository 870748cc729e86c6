// Typing into the boxes, the option buttons and the check modes of the main window.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>

#include <tuple>

#include "windowfixture.h"

using namespace veltar;

namespace {
// What typing a text and Enter leaves: the warnings (none: accepted; else the focus
// stays in the box) and the box's text.
struct TypingRow {
    const char* box;
    const char* typed;
    QStringList warnings;
    const char* shown;
};
const TypingRow kTyping[] = {
    {"it", "7,5", {}, "7.5"},
    {"it", "abc", {" 0.1 <= t "}, "0.0"},
    {"ifs", "0.6", {}, "0.60"},
    {"ifs", "0.59", {" 0.6 <= FS <= 2 "}, "0.59"},
    {"iufa", "0.5", {" 0.6 <= UF <= 2 "}, "0.50"},
    {"is2", "9", {" 10 <= s2  "}, "09"},
    {"iLg", "999", {" 1000 <= Lg  "}, "999"},
    {"iLt", "399", {" 400 <= Lt "}, "399 "},
    {"iLt", "2999.6", {}, "3000 "},
    {"ie", "999", {" 1000 <= E-modulus "}, "9.99E+2"},
    {"il1", "99999", {}, "99999"},
    {"is1", "4000", {" s1 <= L1  ", " s1 <= L2  "}, "4000"},
    {"is2", "2600", {" s2 <= l2  "}, "2600"},
};
}  // namespace

class InputsTest : public QObject {
    Q_OBJECT
private slots:
    void startsCalculatedWithDefaults();
    void typing_data();
    void typing();
    void typedValuesAreSinglesAndCalculated();
    void unitLengthOutOfRangeWaitsForNextChange();
    void keysMoveTheFocus();
    void loadingConditionsSetSafetyFormat();
    void checkModesAndDeformationBox();
    void userDefinedGradeUnlocksBoxes();
    void faultShowsErrorFrameUntilNextRun();
    void commaLocaleRefusesText();
    void modalWarningStartsNoSecondOne();
};

void InputsTest::startsCalculatedWithDefaults() {
    WindowFixture f;
    QVERIFY(f.io.warnings.isEmpty());
    QCOMPARE(f.window->windowTitle(), QString("VELTAR: New File"));
    const std::pair<const char*, const char*> shown[] = {{"it", "20.0"},   {"il1", "3000"},   {"isigx1", "-100.0"},
                                                         {"ip1", "0.030"}, {"ie", "2.06E+5"}, {"ifs", "1.43"},
                                                         {"iufa", "0.60"}};
    for (const auto& [box, text] : shown) QCOMPARE(f.Text(box), QString(text));
    QVERIFY(f.Get<QRadioButton>("OptC10")->isChecked());
    QCOMPARE(f.Get<QTabWidget>("SSTabCfactor")->currentIndex(), 1);
    QVERIFY(f.Get<QLabel>("ctext1")->text().startsWith("c = 0.90 / 1.50"));
    auto* list = f.Get<QTreeWidget>("ListView1");
    QVERIFY(list->topLevelItemCount() > 5);
    QVERIFY(f.Get<QCheckBox>("def_chbox")->isVisible());
    QVERIFY(!f.Get<QGroupBox>("fr_err")->isVisible());
}

void InputsTest::typing_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kTyping)); ++i)
        QTest::newRow(qPrintable(QString("%1 %2").arg(kTyping[i].box, kTyping[i].typed))) << i;
}

void InputsTest::typing() {
    QFETCH(int, row);
    const TypingRow& r = kTyping[row];
    WindowFixture f;
    f.Type(r.box, r.typed);
    QCOMPARE(f.io.warnings, r.warnings);
    QCOMPARE(f.Text(r.box), QString(r.shown));
    if (!r.warnings.isEmpty()) QCOMPARE(f.Focused(), QString(r.box));
}

// Typed values are single precision, also the tripping distance shown with a blank.
// A warned value stays in the case and the results are those of that value.
void InputsTest::typedValuesAreSinglesAndCalculated() {
    WindowFixture f;
    f.Type("it", "7,5");
    f.Type("iLt", "3000 ");
    QCOMPARE(double(f.c().t), 7.5);
    QCOMPARE(f.c().t.kind(), Real::Kind::Single);
    QCOMPARE(double(f.c().Lt), 3000.0);
    QCOMPARE(f.c().Lt.kind(), Real::Kind::Single);
    QVERIFY(f.io.warnings.isEmpty());
    f.Get<QRadioButton>("optbuckling2")->click();
    const std::vector<ListRow> before = f.c().Rows;
    f.Type("ifs", "0.59");
    QCOMPARE(f.c().FS, 0.59f);
    QCOMPARE(f.c().Rows.size(), before.size());
    QVERIFY(!std::equal(before.begin(), before.end(), f.c().Rows.begin(),
                        [](const ListRow& a, const ListRow& b) { return a.text == b.text; }));
}

void InputsTest::unitLengthOutOfRangeWaitsForNextChange() {
    WindowFixture f;
    f.Get<QTabWidget>("SSTabCfactor")->setCurrentIndex(0);
    f.Type("iunit_length", "53");
    QVERIFY(f.Get<QLabel>("ctext0")->text().startsWith("c = 0.51"));
    f.Type("iunit_length", "601");
    QCOMPARE(f.io.warnings, QStringList{" 5 < unit length < 600 "});
    QCOMPARE(f.c().UL, 601.0f);
    QVERIFY(f.Get<QLabel>("ctext0")->text().startsWith("c = 0.51"));
    f.Type("iunit_length", "600");
    QCOMPARE(f.io.warnings.size(), 1);  // the upper limit itself is accepted
    QVERIFY(f.Get<QLabel>("ctext0")->text().startsWith("c = 0.56"));
}

void InputsTest::keysMoveTheFocus() {
    WindowFixture f;
    auto press = [&](const char* box, Qt::Key key) {
        f.Get<QWidget>(box)->setFocus();
        QTest::keyClick(f.Get<QWidget>(box), key);
        return f.Focused();
    };
    QCOMPARE(press("il1", Qt::Key_Up), QString("ip1"));
    QCOMPARE(press("ip1", Qt::Key_Left), QString("ip1"));  // the cursor's key here
    QCOMPARE(press("iufa", Qt::Key_Return), QString("cbofyp"));
    QCOMPARE(press("cbofyp", Qt::Key_Return), QString("cbofys"));
    f.Get<QTabWidget>("SSTabCfactor")->setCurrentIndex(0);  // watertight bulkhead
    QCOMPARE(press("ie", Qt::Key_Return), QString("iunit_length"));
}

// C after B keeps B's values.
void InputsTest::loadingConditionsSetSafetyFormat() {
    const std::tuple<const char*, float, float, const char*, const char*> rows[] = {
        {"opt_cond_b", 1.11f, 0.8f, "1.11", "0.80"},
        {"opt_cond_c", 1.11f, 0.8f, "1.11", "0.80"},
        {"opt_cond_a", 1.43f, 0.6f, "1.43", "0.60"}};
    WindowFixture f;
    for (const auto& [button, fs, ufa, fsText, ufaText] : rows) {
        f.Get<QRadioButton>(button)->click();
        QCOMPARE(f.c().FS, fs);
        QCOMPARE(f.c().UFa, ufa);
        QCOMPARE(f.Text("ifs"), QString(fsText));
        QCOMPARE(f.Text("iufa"), QString(ufaText));
    }
}

void InputsTest::checkModesAndDeformationBox() {
    WindowFixture f;
    auto* deform = f.Get<QCheckBox>("def_chbox");
    auto* list = f.Get<QTreeWidget>("ListView1");
    f.Get<QRadioButton>("optbuckling2")->click();
    QVERIFY(!deform->isVisible());
    QVERIFY(list->topLevelItem(0)->text(0).startsWith("Rule/Scantling/Yield: ABS"));
    QCOMPARE(list->topLevelItemCount(), 18);
    f.Get<QRadioButton>("optBuckling3")->click();
    QVERIFY(!deform->isVisible());
    f.Get<QRadioButton>("optbuckling1")->click();
    QVERIFY(deform->isVisible());
    const int rows = list->topLevelItemCount();
    deform->click();
    QCOMPARE(f.c().InclDeform, i16(1));
    QVERIFY(list->topLevelItemCount() > rows);  // the deformation check joins the list
}

void InputsTest::userDefinedGradeUnlocksBoxes() {
    WindowFixture f;
    auto* grades = f.Get<QComboBox>("cbofyp");
    QVERIFY(!f.Get("ifyp")->isEnabled());
    grades->activated(grades->count() - 1);
    QVERIFY(f.Get("ifyp")->isEnabled());
    f.Type("ifyp", "30");
    QCOMPARE(f.io.warnings, QStringList{" 50 <= fyp <= 2000 "});
    grades->activated(0);
    QVERIFY(!f.Get("ifup")->isEnabled());
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

// A warning box that takes the focus: neither the box it interrupts nor the box the
// user moved to may raise a second one.
void InputsTest::modalWarningStartsNoSecondOne() {
    WindowFixture f;
    f.io.modal = true;
    f.Get("is1")->setText("5");  // out of range too, but not typed by the user
    f.Type("it", "0.05");
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    QCOMPARE(f.io.warnings, QStringList{" 0.1 <= t "});
    QCOMPARE(float(f.c().t), 0.05f);
    QCOMPARE(double(f.c().s1), 625.0);
}

QTEST_MAIN(InputsTest)
#include "inputs_test.moc"

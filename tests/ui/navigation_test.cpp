// The Enter and arrow chains of the main window's boxes.
#include <QTest>

#include "ui/boxdefs.h"
#include "ui/navigation.h"

using namespace veltar;

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void enterChainRunsRoundTheWindow();
    void enterBranchesOnGradeAndStructure_data();
    void enterBranchesOnGradeAndStructure();
    void arrows_data();
    void arrows();
    void everyChainTargetIsAControl();
};

// Following Enter from the project name must visit every geometry and stress box
// once and come back, with the grade lists and unit length left out by default.
void NavigationTest::enterChainRunsRoundTheWindow() {
    const EnterContext ctx;
    QStringList visited;
    std::string_view at = "iproj";
    for (int i = 0; i < 30 && (visited.isEmpty() || at != "iproj"); ++i) {
        visited << QString::fromUtf8(at.data(), qsizetype(at.size()));
        at = NextOnEnter(at, ctx);
    }
    QCOMPARE(visited, QStringList({"iproj", "iident", "cbofyp", "cbofys", "ie", "il1", "il2",
                                   "iLg", "it", "is1", "is2", "iLgs", "iLt", "isigx1", "isigx2",
                                   "isigy1", "isigy3", "itau1", "ip1", "ips"}));
}

void NavigationTest::enterBranchesOnGradeAndStructure_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("plateUser");
    QTest::addColumn<bool>("stiffUser");
    QTest::addColumn<bool>("watertight");
    QTest::addColumn<QString>("to");
    QTest::newRow("plate table grade") << "cbofyp" << false << true << false << "cbofys";
    QTest::newRow("plate user grade") << "cbofyp" << true << false << false << "ifyp";
    QTest::newRow("stiffener table grade") << "cbofys" << true << false << false << "ie";
    QTest::newRow("stiffener user grade") << "cbofys" << false << true << false << "ifys";
    QTest::newRow("E on tank bulkhead") << "ie" << false << false << false << "il1";
    QTest::newRow("E on watertight") << "ie" << false << false << true << "iunit_length";
    QTest::newRow("unit length") << "iunit_length" << false << false << true << "il1";
    QTest::newRow("user plate strengths") << "ifup" << true << true << false << "cbofys";
    QTest::newRow("user stiffener strengths") << "ifus" << true << true << true << "ie";
    QTest::newRow("safety format") << "ifs" << false << false << false << "iufa";
    QTest::newRow("safety format back") << "iufa" << false << false << false << "cbofyp";
    QTest::newRow("pressure to project") << "ips" << false << false << false << "iproj";
}

void NavigationTest::enterBranchesOnGradeAndStructure() {
    QFETCH(QString, from);
    QFETCH(bool, plateUser);
    QFETCH(bool, stiffUser);
    QFETCH(bool, watertight);
    QFETCH(QString, to);
    const std::string name = from.toStdString();
    const std::string_view next = NextOnEnter(name, {plateUser, stiffUser, watertight});
    QCOMPARE(QString::fromUtf8(next.data(), qsizetype(next.size())), to);
}

void NavigationTest::arrows_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    const int up = int(Arrow::Up), down = int(Arrow::Down), left = int(Arrow::Left),
              right = int(Arrow::Right);
    QTest::newRow("il1 up wraps to p") << "il1" << up << "ip1";
    QTest::newRow("iLt down to stresses") << "iLt" << down << "isigx1";
    QTest::newRow("ips down to project") << "ips" << down << "iproj";
    QTest::newRow("isigx1 left to s2") << "isigx1" << left << "is2";
    QTest::newRow("isigx2 up to tau") << "isigx2" << up << "itau1";
    QTest::newRow("isigy1 right") << "isigy1" << right << "isigy3";
    QTest::newRow("isigy3 down to p") << "isigy3" << down << "ip1";
    QTest::newRow("isigy3 right to tau") << "isigy3" << right << "itau1";
    QTest::newRow("itau1 up") << "itau1" << up << "isigy1";
    // Left and right stay with the cursor outside the stress boxes.
    QTest::newRow("it left") << "it" << left << "";
    QTest::newRow("ip1 right") << "ip1" << right << "";
    QTest::newRow("no arrows in E") << "ie" << up << "";
}

void NavigationTest::arrows() {
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    const std::string name = from.toStdString();
    const std::string_view next = NextOnArrow(name, Arrow(key));
    QCOMPARE(QString::fromUtf8(next.data(), qsizetype(next.size())), to);
}

// A misspelt name in either chain would leave the focus where it was.
void NavigationTest::everyChainTargetIsAControl() {
    const QStringList others = {"iproj", "iident", "cbofyp", "cbofys"};
    for (const BoxDef& def : NumericBoxes()) {
        for (const EnterContext ctx : {EnterContext{}, EnterContext{true, true, true}}) {
            const std::string_view next = NextOnEnter(def.name, ctx);
            QVERIFY2(!next.empty(), def.name.data());
            const QString n = QString::fromUtf8(next.data(), qsizetype(next.size()));
            QVERIFY2(FindBox(next) || others.contains(n), qPrintable(n));
        }
    }
}

QTEST_APPLESS_MAIN(NavigationTest)
#include "navigation_test.moc"

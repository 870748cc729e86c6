// The Enter and arrow chains of the main window's boxes.
#include <QTest>

#include <tuple>

#include "ui/boxdefs.h"
#include "ui/navigation.h"

using namespace veltar;

namespace {
QString Name(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
}  // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void enterChainRunsRoundTheWindow();
    void branchesAndArrows();
    void everyChainTargetIsAControl();
};

// Following Enter from the project name must visit every geometry and stress box
// once and come back, with the grade lists and unit length left out by default.
void NavigationTest::enterChainRunsRoundTheWindow() {
    QStringList visited;
    std::string_view at = "iproj";
    for (int i = 0; i < 30 && (visited.isEmpty() || at != "iproj"); ++i) {
        visited << Name(at);
        at = NextOnEnter(at, EnterContext{});
    }
    QCOMPARE(visited,
             QStringList({"iproj", "iident", "cbofyp", "cbofys", "ie",     "il1",    "il2",    "iLg",   "it",  "is1",
                          "is2",   "iLgs",   "iLt",    "isigx1", "isigx2", "isigy1", "isigy3", "itau1", "ip1", "ips"}));
}

// Enter where it depends on the grades and the structure, and the arrows; an empty
// target leaves the key to the cursor.
void NavigationTest::branchesAndArrows() {
    constexpr int kEnter = -1, up = int(Arrow::Up), down = int(Arrow::Down), left = int(Arrow::Left),
                  right = int(Arrow::Right);
    const std::tuple<const char*, int, EnterContext, const char*> rows[] = {
        {"cbofyp", kEnter, {true, false, false}, "ifyp"},
        {"cbofys", kEnter, {true, false, false}, "ie"},
        {"cbofys", kEnter, {false, true, false}, "ifys"},
        {"ie", kEnter, {false, false, true}, "iunit_length"},  // watertight bulkhead
        {"iunit_length", kEnter, {false, false, true}, "il1"},
        {"ifup", kEnter, {true, true, false}, "cbofys"},
        {"ifus", kEnter, {true, true, true}, "ie"},
        {"il1", up, {}, "ip1"},
        {"iLt", down, {}, "isigx1"},
        {"isigx1", left, {}, "is2"},
        {"isigy3", right, {}, "itau1"},
        {"itau1", up, {}, "isigy1"},
        {"ie", up, {}, ""},
    };
    for (const auto& [from, key, ctx, to] : rows) {
        const std::string_view next = key == kEnter ? NextOnEnter(from, ctx) : NextOnArrow(from, Arrow(key));
        QVERIFY2(Name(next) == to, qPrintable(QString("%1 key %2: %3").arg(from).arg(key).arg(Name(next))));
    }
}

// A misspelt name in either chain would leave the focus where it was.
void NavigationTest::everyChainTargetIsAControl() {
    const QStringList others = {"iproj", "iident", "cbofyp", "cbofys"};
    for (const FieldDef* def : NumericBoxes()) {
        for (const EnterContext ctx : {EnterContext{}, EnterContext{true, true, true}}) {
            const std::string_view next = NextOnEnter(def->box.widget, ctx);
            QVERIFY2(FindBox(next) || others.contains(Name(next)), def->box.widget);
        }
    }
}

QTEST_APPLESS_MAIN(NavigationTest)
#include "navigation_test.moc"

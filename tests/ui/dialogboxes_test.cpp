// The boxes of the built-up dialogs: masks, minimums with their messages, unreadable
// text, the Enter chain and focus colour, the checks on closing, and faults of the
// section never showing as numbers.
#include <QGroupBox>

#include "core/fieldtable.h"
#include "dialogfixture.h"

using namespace veltar;

namespace {

// A field of the case by its name.
double Value(const Case& c, const char* name) { return NumericValue(c, *FindField(name)); }

struct Typing {
    const char *dialog, *box;
    int decSep;
    const char* typed;
    QStringList warnings;
    const char* field;  // the input the box edits
    double value;
    const char* used;  // what the section was computed with
    const char* shown;
};

const Typing kTyping[] = {
    {"stifftb", "isttw", 0, "0.05", {" tw >= 0.1 "}, "TbTw", 0.1, "StiffTw", "0.1"},
    {"stifftb", "isth", 0, "3", {" H >= 5 "}, "TbH", 3, "StiffH", "3"},
    {"stifftb", "istb", 0, "5", {}, "TbB", 5, "StiffB", "5"},
    {"stifftb", "istb", 0, "90.25", {}, "TbB", 90.25, "StiffB", "90"},
    {"stifflb", "istb", 0, "90.25", {}, "LbB", 90.25, "StiffB", "90.3"},
    {"stiffusp", "ista", 0, "-5", {" a >= 0 "}, "TrapA", 0, "StiffC", "0"},
    {"stiffusp", "ista", 0, "0", {}, "TrapA", 0, "StiffC", "0"},
    {"stiffib", "isttf", 0, "7,5", {}, "IbTf", 7.5, "StiffTf", "7.5"},
    {"girdtg", "isttf", 0, "0.05", {" tf >= 0.1 "}, "GtTf", double(0.1f), "GirdTf", "0.1"},
    {"stifffb", "isth", 1, "abc", {"Input string mismatch "}, "FbbH", 200, "StiffH", "abc"},
};

struct Closing {
    const char *dialog, *box, *typed;
    QStringList warnings;  // on leaving the box, then on closing
    const char* field;
    double value;
};

const Closing kClosing[] = {
    {"stifftb", "isttf", "0.5", {" tf >= 1 "}, "TbTf", 0.5},
    {"stifftb", "istb", "5", {}, "TbB", 5},
    {"stiffib", "isttw", "0.5", {" tw >= 1 "}, "IbTw", double(0.5f)},
    {"stiffusp", "isttw", "0.5", {" tw >= 1 "}, "TrapTw", 0.5},
    {"stiffrhs", "isth", "3", {" H >= 5 ", " H >= 5 "}, "RhsH", 3},
    {"girdlg", "isttf", "0.5", {" tf >= 1 "}, "GlTf", 0.5},
    // The L built-up dialog checks nothing on closing, the flat bar only its height.
    {"stifflb", "isttw", "0.5", {}, "LbTw", double(0.5f)},
    {"stifffb", "isttw", "0.5", {}, "FbbTw", 0.5},
};

bool ShowsNoNumberFault(QWidget* dialog) {
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        const QString t = label->text().toLower();
        if (t.contains("nan") || t.contains("inf")) return false;
    }
    return true;
}

}  // namespace

class DialogBoxesTest : public QObject {
    Q_OBJECT
private slots:
    void typing_data();
    void typing();
    void closing_data();
    void closing();
    void closingTakesTheEditInTheBox();
    void enterChainAndFocusColour();
    void faultsShowBlanks();
};

void DialogBoxesTest::typing_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kTyping)); ++i)
        QTest::newRow(qPrintable(QString("%1 %2 %3").arg(kTyping[i].dialog, kTyping[i].box, kTyping[i].typed))) << i;
}

// A value below its minimum is warned about and the focus stays in the box; the
// field and the section get the typed value or the minimum, and the box shows it.
void DialogBoxesTest::typing() {
    QFETCH(int, row);
    const Typing& r = kTyping[row];
    DialogFixture f;
    f.c().DecSep = i16(r.decSep);
    ProfileDialog* d = f.Dialog(r.dialog);
    f.TypeIn(d, r.box, r.typed);
    QCOMPARE(f.io.warnings, r.warnings);
    QCOMPARE(Value(f.c(), r.field), r.value);
    QCOMPARE(Value(f.c(), r.used), r.value);
    QCOMPARE(f.BoxText(d, r.box), QString(r.shown));
    QCOMPARE(f.Focused() == r.box, !r.warnings.isEmpty());
}

void DialogBoxesTest::closing_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kClosing)); ++i)
        QTest::newRow(qPrintable(QString("%1 %2 %3").arg(kClosing[i].dialog, kClosing[i].box, kClosing[i].typed))) << i;
}

// OK closes the dialog in any case; the values stay as typed and the section and
// the calculation follow them.
void DialogBoxesTest::closing() {
    QFETCH(int, row);
    const Closing& r = kClosing[row];
    DialogFixture f;
    ProfileDialog* d = f.Dialog(r.dialog);
    f.TypeIn(d, r.box, r.typed);
    f.ClickOk(d);
    QCOMPARE(f.io.warnings, r.warnings);
    QVERIFY(!f.window->Profiles().Find(r.dialog));
    QCOMPARE(Value(f.c(), r.field), r.value);
    QVERIFY(f.window->HasCalculated());
}

// A value typed and not yet left is taken when the dialog closes, also where the
// dialog checks nothing on closing.
void DialogBoxesTest::closingTakesTheEditInTheBox() {
    DialogFixture f;
    ProfileDialog* d = f.Dialog("stifflb");
    f.TypeInto(d->findChild<QLineEdit*>("isth"), "240", false);
    d->close();
    QCoreApplication::processEvents();
    QCOMPARE(f.c().LbH, 240.0);
    QVERIFY(f.MainLabel("stiffprof").startsWith("Built-up: L 240x"));
}

// Enter runs down the dialog's own chain and back to H; the box with the focus is
// light yellow, the others white.
void DialogBoxesTest::enterChainAndFocusColour() {
    const std::pair<const char*, QStringList> chains[] = {
        {"stiffusp", {"isth", "istb", "ista", "isttw", "isth"}},
        {"stifffb", {"isth", "isttw", "isth"}},
        {"girdtg", {"isth", "istb", "isttw", "isttf", "isth"}},
    };
    for (const auto& [name, chain] : chains) {
        DialogFixture f;
        ProfileDialog* d = f.Dialog(name);
        d->findChild<QLineEdit*>("isth")->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        QStringList visited{f.Focused()};
        for (int i = 1; i < chain.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCoreApplication::processEvents();
            visited << f.Focused();
        }
        QCOMPARE(visited, chain);
        for (QLineEdit* box : d->findChildren<QLineEdit*>()) {
            const QColor expected = box->hasFocus() ? QColor(255, 255, 192) : QColor(Qt::white);
            QCOMPARE(box->palette().color(QPalette::Base), expected);
        }
        QVERIFY(f.io.warnings.isEmpty());
    }
}

// Dimensions that leave no section end the run with its fault in the error frame;
// the dialog shows blanks where the values could not be formed, never a number
// that is not one.
void DialogBoxesTest::faultsShowBlanks() {
    const struct {
        const char* dialog;
        std::vector<std::pair<const char*, const char*>> typed;
    } rows[] = {
        {"stifffb", {{"isth", "0"}}},
        {"girdtg", {{"isth", "20"}, {"istb", "0"}}},
        {"stifftb", {{"isth", "3"}}},
    };
    for (const auto& r : rows) {
        DialogFixture f;
        ProfileDialog* d = f.Dialog(r.dialog);
        for (const auto& [box, text] : r.typed) f.TypeIn(d, box, text);
        QVERIFY2(ShowsNoNumberFault(d), r.dialog);
        const bool faulted = !f.c().FaultText.empty();
        QCOMPARE(f.window->findChild<QGroupBox*>("fr_err")->isVisible(), faulted);
        if (faulted) QCOMPARE(f.Label(d, "se"), QString());
    }
}

QTEST_MAIN(DialogBoxesTest)
#include "dialogboxes_test.moc"

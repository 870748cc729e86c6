// The profile dialogs seen from the main window: the twelve menu items, the picture
// buttons, placement, the kind a dialog makes current, the dialogs following the
// case, and Open closing them.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QToolButton>

#include "core/numformat.h"
#include "dialogfixture.h"
#include "profiles/kinds.h"
#include "profiles/tables.h"

using namespace veltar;

namespace {

QImage IconImage(const QIcon& icon) { return icon.pixmap(QSize(24, 24)).toImage(); }

QImage PictureImage(const char* name) { return IconImage(QIcon(QString(":/pictures/%1.svg").arg(name))); }

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void menuItemOpensItsDialog();
    void lTableTakesOverFromT();
    void tableRowChoice();
    void plateStripByCheckMode();
    void pictureButtons();
    void girderDialogTakesItsKind();
    void currentDialogFollowsTheMainWindow();
    void openClosesDialogsWithoutTakingTheirBoxes();
    void spanWarningOncePerSpans();
};

// Each item sets its kind and shows its dialog, modeless and owned by the main
// window; the main window's label and picture button follow at once. The default
// case has an L table stiffener and a T girder.
void DialogsTest::menuItemOpensItsDialog() {
    const struct {
        const char *item, *dialog;
        int stiff, gird;
        const char *description, *picture;  // the beginning of the main window's label
    } rows[] = {
        {"mnustiffl", "stiffl", 0, 3, "L ", "pic_small_l"},
        {"mnustifflb", "stifflb", 1, 3, "Built-up: L 200x90x9.0x12.0", "pic_small_l"},
        {"mnustifft", "stifft", 2, 3, "T ", "pic_small_t"},
        {"mnustifftb", "stifftb", 3, 3, "Built-up: T 200x90x9.0x12.0", "pic_small_t"},
        {"mnustifff", "stifff", 4, 3, "Fb ", "pic_small_fb"},
        {"mnustifffb", "stifffb", 5, 3, "Fb 200x9.0", "pic_small_fb"},
        {"mnustiffhp", "stiffhp", 6, 3, "BF ", "pic_small_hp"},
        {"mnustiffrhs", "stiffrhs", 7, 3, "RHS 200x90x9.0", "pic_small_rhs"},
        {"mnustiffusp", "stiffusp", 8, 3, "Trapez 200x90/50x9.0", "pic_small_u"},
        {"mnustiffib", "stiffib", 9, 3, "I 200x90x9.0x12.0", "pic_small_i"},
        {"mnugirdL", "girdlg", 0, 1, "L 800x200x10.0x20.0", "pic_small_lg"},
        {"mnugirdT", "girdtg", 0, 3, "T 800x200x10.0x20.0", "pic_small_tg"},
    };
    for (const auto& r : rows) {
        DialogFixture f;
        auto* action = f.window->findChild<QAction*>(r.item);
        QVERIFY2(action && action->isEnabled(), r.item);
        action->trigger();
        ProfileDialog* d = f.window->Profiles().Find(r.dialog);
        QVERIFY2(d && QTest::qWaitFor([d] { return d->HasActivated(); }), r.dialog);
        QVERIFY(d->isVisible() && !d->isModal());
        QCOMPARE(d->parentWidget(), f.window.get());
        QCOMPARE(int(f.c().StiffKind), r.stiff);
        QCOMPARE(int(f.c().GirdKind), r.gird);
        const bool girder = QString(r.dialog).startsWith("gird");
        QVERIFY2(f.MainLabel(girder ? "girdprof" : "stiffprof").startsWith(r.description), r.description);
        const auto* button = f.window->findChild<QToolButton*>(girder ? "cmdpicGird" : "cmdpicStiff");
        QCOMPARE(IconImage(button->icon()), PictureImage(r.picture));
        QVERIFY(f.io.warnings.isEmpty());
    }
}

// The case holds a T section; the L-table item makes it the L table's row at once.
void DialogsTest::lTableTakesOverFromT() {
    DialogFixture f;
    f.c().LRow = 2;
    ProfileDialog* t = f.Dialog("stifft");
    f.ClickOk(t);
    QCOMPARE(int(f.c().StiffKind), int(kTTable));
    ProfileDialog* l = f.Dialog("stiffl");
    QCOMPARE(int(f.c().StiffKind), int(kLTable));
    const QString row = QString::fromStdString(ItemText(f.window->TableSet(), kLTable, 2));
    QCOMPARE(l->findChild<QComboBox*>("cbo")->currentText(), row);
    QVERIFY(f.MainLabel("stiffprof").startsWith("L "));
    QCOMPARE(double(f.c().StiffH), double(f.window->TableSet().L.row[2][0]));
}

// Choosing a row stores it, forms the section and recalculates: the dimensions, the
// properties and the main window follow.
void DialogsTest::tableRowChoice() {
    const struct {
        const char* dialog;
        i16 Case::*row;
        const char* prefix;
    } rows[] = {{"stifft", &Case::TRow, "T "}, {"stifff", &Case::FbRow, "Fb "}, {"stiffhp", &Case::BFRow, "BF "}};
    for (const auto& r : rows) {
        DialogFixture f;
        ProfileDialog* d = f.Dialog(r.dialog);
        auto* combo = d->findChild<QComboBox*>("cbo");
        const int before = f.c().*r.row;
        QCOMPARE(combo->currentIndex(), before);
        const QString area = f.Label(d, "sta");
        combo->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(combo, Qt::Key_Down);
        QCoreApplication::processEvents();
        QCOMPARE(int(f.c().*r.row), before + 1);
        const QString item = combo->currentText();
        QVERIFY2(f.MainLabel("stiffprof").startsWith(r.prefix), r.dialog);
        QCOMPARE(f.Label(d, "sth"), QString::fromStdString(Format(f.c().StiffH, "##0")) + " mm");
        QVERIFY2(item.startsWith(QString(r.prefix).trimmed() + f.Label(d, "sth").chopped(3).trimmed()), r.dialog);
        QVERIFY(f.Label(d, "sta") != area);
    }
}

// The L and T dialogs show the scantling strip whenever scantlings are listed, the
// others always the buckling strip se; the girder its own strip.
void DialogsTest::plateStripByCheckMode() {
    const struct {
        const char* dialog;
        const char* mode;
        bool scantlingStrip;
    } rows[] = {
        {"stiffl", "optbuckling1", false},  {"stiffl", "optbuckling2", true},   {"stifftb", "optBuckling3", true},
        {"stiffhp", "optbuckling2", false}, {"stiffib", "optBuckling3", false}, {"stiffusp", "optbuckling2", false},
    };
    for (const auto& r : rows) {
        DialogFixture f;
        f.Type("il1", "1500");  // the scantling strip becomes 0.33 L1 = 495, narrower than se
        f.window->findChild<QAbstractButton*>(r.mode)->click();
        ProfileDialog* d = f.Dialog(r.dialog);
        QVERIFY(f.c().beSc != double(f.c().se));
        const QString strip =
            QString::fromStdString(r.scantlingStrip ? Format(f.c().beSc, "0.0") : Format(f.c().se, "0.0"));
        QCOMPARE(f.Label(d, "se"), strip + " mm");
        const double Ae = r.scantlingStrip ? f.c().AeSc : f.c().AeBu;
        QCOMPARE(f.Label(d, "ae"), QString::fromStdString(Format(Ae, "0.000E+0")) + " mm2");
    }
    DialogFixture f;
    ProfileDialog* girder = f.Dialog("girdlg");
    QCOMPARE(f.Label(girder, "se"), QString::fromStdString(Format(f.c().beG, "0.0")) + " mm");
}

// A right-button release over either picture button pops up the Profile menu; a
// left click opens the dialog of the current kind.
void DialogsTest::pictureButtons() {
    DialogFixture f;
    auto* profileMenu = f.window->findChild<QMenu*>("mnuProfile");
    for (const char* name : {"cmdpicStiff", "cmdpicGird"}) {
        auto* button = f.window->findChild<QToolButton*>(name);
        QTest::mouseClick(button, Qt::RightButton);
        QVERIFY2(QTest::qWaitFor([profileMenu] { return profileMenu->isVisible(); }), name);
        profileMenu->close();
        QCoreApplication::processEvents();
        QVERIFY(!f.window->Profiles().Find("stiffl") && !f.window->Profiles().Find("girdtg"));
    }
    f.ClickOk(f.Dialog("stiffrhs"));
    QTest::mouseClick(f.window->findChild<QToolButton*>("cmdpicStiff"), Qt::LeftButton);
    ProfileDialog* rhs = f.window->Profiles().Find("stiffrhs");
    QVERIFY(rhs && QTest::qWaitFor([rhs] { return rhs->HasActivated(); }));
    QTest::mouseClick(f.window->findChild<QToolButton*>("cmdpicGird"), Qt::LeftButton);
    QVERIFY(f.window->Profiles().Find("girdtg"));
    QVERIFY(!f.window->Profiles().Find("girdlg"));
}

// An open L girder dialog, activated after the T girder item was used, makes the L
// girder the case's girder again: it never shows or edits the T girder.
void DialogsTest::girderDialogTakesItsKind() {
    DialogFixture f;
    f.TypeIn(f.Dialog("girdlg"), "isth", "900");
    ProfileDialog* lg = f.window->Profiles().Find("girdlg");
    ProfileDialog* tg = f.Dialog("girdtg");
    QCOMPARE(int(f.c().GirdKind), int(kTGirder));
    QVERIFY(f.MainLabel("girdprof").startsWith("T 800x"));
    const QString tArea = f.Label(tg, "sta");
    f.Activate(lg);
    QCOMPARE(int(f.c().GirdKind), int(kLGirder));
    QVERIFY(f.MainLabel("girdprof").startsWith("L 900x"));
    QCOMPARE(f.BoxText(lg, "isth"), QString("900"));
    QVERIFY(f.Label(lg, "sta") != tArea);
    f.TypeIn(lg, "istb", "250");
    QCOMPARE(f.c().GlB, 250.0);
    QCOMPARE(f.c().GtB, 200.0);
}

// The dialog of the case's kind shows every calculation, also one started in the
// main window; a dialog of another kind keeps its own profile.
void DialogsTest::currentDialogFollowsTheMainWindow() {
    DialogFixture f;
    ProfileDialog* l = f.Dialog("stiffl");
    ProfileDialog* rhs = f.Dialog("stiffrhs");
    const QString lStrip = f.Label(l, "se");
    const QString rhsStrip = f.Label(rhs, "se");
    const QString lArea = f.Label(l, "sta");
    f.Activate(f.window.get());
    f.Type("it", "12");
    QVERIFY(f.Label(rhs, "se") != rhsStrip);
    QCOMPARE(f.Label(rhs, "se"), QString::fromStdString(Format(f.c().se, "0.0")) + " mm");
    QCOMPARE(f.Label(l, "se"), lStrip);
    QCOMPARE(f.Label(l, "sta"), lArea);
}

// Open replaces the case: the dialogs close without reading their boxes back, so an
// edit left in a box does not overwrite what the file holds.
void DialogsTest::openClosesDialogsWithoutTakingTheirBoxes() {
    DialogFixture f;
    f.TypeIn(f.Dialog("stifftb"), "isth", "300");
    f.SaveAs(f.Path("t300.velta"));
    ProfileDialog* tb = f.Dialog("stifftb");
    f.TypeIn(tb, "isth", "250");
    QTest::keyClicks(tb->findChild<QLineEdit*>("isttw"), "55");  // typed, not yet left
    f.Dialog("stiffl");
    f.Open(f.Path("t300.velta"));
    QCoreApplication::processEvents();
    QVERIFY(!f.window->Profiles().Find("stifftb") && !f.window->Profiles().Find("stiffl"));
    QCOMPARE(f.c().TbH, 300.0);
    QCOMPARE(f.c().TbTw, 9.0);
    QVERIFY(f.io.warnings.isEmpty());
    ProfileDialog* again = f.Dialog("stifftb");
    QCOMPARE(f.BoxText(again, "isth"), QString("300"));
}

// A span warning is shown once for the spans that raise it: activating a dialog or
// the main window recalculates without repeating it; new spans warn again.
void DialogsTest::spanWarningOncePerSpans() {
    DialogFixture f;
    f.io.modal = true;
    f.Type("il1", "500");
    QCOMPARE(f.io.warnings, QStringList{" s1 <= L1  "});
    ProfileDialog* d = f.Dialog("stifftb");
    f.Activate(f.window.get());
    f.Activate(d);
    f.TypeIn(d, "isth", "220");
    QCOMPARE(f.io.warnings.size(), 1);
    f.Activate(f.window.get());
    f.Type("il1", "400");
    QCOMPARE(f.io.warnings, (QStringList{" s1 <= L1  ", " s1 <= L1  "}));
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"

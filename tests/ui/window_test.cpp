// The main window as a user meets it: focus colours after messages, room for every
// text at the start-up, minimum and a large size, the result list's columns and
// tooltips, the boxes' tooltips, the status line and the first dialog's folder.
#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTreeWidget>

#include <tuple>

#include "core/fieldtable.h"
#include "ui/boxtips.h"
#include "ui/inputbox.h"
#include "ui/startfolder.h"
#include "windowfixture.h"

using namespace veltar;

namespace {

// Every visible control under `root` that is cut: a text wider or taller than the
// room it was given, or a control reaching past its parent's edge.
QStringList Clipped(QWidget& root) {
    QStringList cut;
    for (QWidget* w : root.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->objectName().startsWith("qt_")) continue;
        const QString name = w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
        if (!w->parentWidget()->rect().contains(w->geometry()))
            cut << name + " passes the edge of " + w->parentWidget()->objectName();
        const auto* label = qobject_cast<QLabel*>(w);
        const bool text =
            (label && !label->wordWrap()) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w);
        if (text && (w->width() < w->sizeHint().width() || w->height() < w->minimumSizeHint().height()))
            cut << QString("%1 %2x%3 < %4x%5")
                       .arg(name)
                       .arg(w->width())
                       .arg(w->height())
                       .arg(w->sizeHint().width())
                       .arg(w->minimumSizeHint().height());
        if (auto* box = qobject_cast<QLineEdit*>(w);
            box && box->fontMetrics().horizontalAdvance(box->text()) > box->contentsRect().width() - 4)
            cut << name + " cuts \"" + box->text() + "\"";
    }
    return cut;
}

// Clipped() on each tab of the structure type, as each shows other controls.
QStringList ClippedOnEveryTab(WindowFixture& f) {
    QStringList cut;
    auto* tabs = f.Get<QTabWidget>("SSTabCfactor");
    for (int tab : {0, 1, 2, 1}) {
        tabs->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        cut << Clipped(*f.window);
    }
    cut.removeDuplicates();
    return cut;
}

void ResizeTo(WindowFixture& f, QSize size) {
    f.window->resize(size);
    QCoreApplication::processEvents();
}

QRect Frame(WindowFixture& f, const char* name) { return f.Get<QWidget>(name)->geometry(); }

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void focusColourFollowsTheFocus();
    void nothingClippedAtStartUpAndMinimumSize();
    void extraRoomGoesToTheListAndTheFigure();
    void resultColumnsKeepTheUsersWidths();
    void everyBoxTellsItsMeaningUnitAndRange();
    void statusLineNamesGoverningCheckAndOddInputs();
    void firstDialogStartsWhereTheUserCanWrite();
};

// After the messages (each a window that takes the focus) only the box with the
// focus is light yellow, and it is the box the messages sent the user to: a range
// message, two span messages, a span message from another box, and none.
void WindowTest::focusColourFollowsTheFocus() {
    const std::tuple<const char*, const char*, QString> rows[] = {
        {"it", "0.05", "it"}, {"is1", "4000", "is1"}, {"il2", "500", "is1"}, {"il1", "3100", "il2"}};
    for (const auto& [box, typed, focus] : rows) {
        WindowFixture f;
        f.io.modal = true;
        f.Type(box, typed);
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QCoreApplication::processEvents();
        QCOMPARE(f.Focused(), focus);
        QStringList yellow;
        for (InputBox* b : f.window->findChildren<InputBox*>())
            if (b->palette().color(QPalette::Base) != QColor(Qt::white)) yellow << b->objectName();
        QCOMPARE(yellow, QStringList{focus});
        QCOMPARE(f.Get(qPrintable(focus))->palette().color(QPalette::Base), QColor(255, 255, 192));
    }
}

// The window opens 1024 pixels wide on a 96-dpi screen; it and its minimum size
// show every text whole, and the minimum is no larger than the start-up size.
void WindowTest::nothingClippedAtStartUpAndMinimumSize() {
    WindowFixture f;
    QCOMPARE(f.window->width(), 1024);
    QCOMPARE(ClippedOnEveryTab(f), QStringList());
    const QSize minimum = f.window->minimumSize();
    QVERIFY2(minimum.width() <= 1024 && minimum.height() <= 730 && minimum.width() > 600,
             qPrintable(QString("%1x%2").arg(minimum.width()).arg(minimum.height())));
    ResizeTo(f, QSize(400, 300));
    QCOMPARE(f.window->size(), minimum);
    QCOMPARE(ClippedOnEveryTab(f), QStringList());
    QVERIFY(f.Get<QTreeWidget>("ListView1")->height() > 80);
}

// Taller: the upper band stays as it is and the list takes the height. Wider: the
// figure and the list widen, and the frames keep their shares of the width.
void WindowTest::extraRoomGoesToTheListAndTheFigure() {
    WindowFixture f;
    const QRect general = Frame(f, "fr1"), geometry = Frame(f, "fr2"), result = Frame(f, "Result");
    const QRect figure = Frame(f, "pic21");
    ResizeTo(f, f.window->size() + QSize(0, 300));
    QCOMPARE(Frame(f, "fr1"), general);
    QCOMPARE(Frame(f, "fr2"), geometry);
    QCOMPARE(Frame(f, "Result").height(), result.height() + 300);
    QCOMPARE(Frame(f, "fr21").height(), f.Get<QWidget>("fr21")->sizeHint().height());  // rows not spread
    ResizeTo(f, QSize(1600, 1100));
    QVERIFY(Frame(f, "pic21").width() > figure.width() * 3 / 2);
    QCOMPARE(Frame(f, "Result").width(), qRound(1600 - 2.5 * 16));
    QCOMPARE(Frame(f, "fr1").width(), qRound(0.38 * 1600));
    QVERIFY(Frame(f, "Result").bottom() > f.window->centralWidget()->height() - 20);  // no blank band below
    QCOMPARE(Clipped(*f.window), QStringList());
}

// The columns follow the list's width until the user sets one; a run keeps the
// user's widths, a too wide formula column scrolls, and a row's tooltip holds it whole.
void WindowTest::resultColumnsKeepTheUsersWidths() {
    WindowFixture f;
    auto* list = f.Get<QTreeWidget>("ListView1");
    QCOMPARE(list->columnWidth(0), int(0.7 * list->viewport()->width()));
    ResizeTo(f, QSize(1200, 800));
    QCOMPARE(list->columnWidth(0), int(0.7 * list->viewport()->width()));
    // The user drags the right edge of the formula column far to the right.
    QHeaderView* header = list->header();
    const QPoint edge(header->sectionViewportPosition(0) + header->sectionSize(0) - 1, header->height() / 2);
    const int dragged = header->sectionSize(0) + 800;
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, edge);
    QTest::mouseMove(header->viewport(), edge + QPoint(400, 0));
    QTest::mouseMove(header->viewport(), edge + QPoint(800, 0));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, edge + QPoint(800, 0));
    QCOMPARE(list->columnWidth(0), dragged);
    f.Type("it", "18");
    ResizeTo(f, QSize(1100, 760));
    QCOMPARE(list->columnWidth(0), dragged);
    QVERIFY(list->horizontalScrollBar()->maximum() > 0);
    const ListRow& row = f.c().Rows[2];
    QCOMPARE(row.style, RowStyle::Result);
    const QString tip = list->topLevelItem(2)->toolTip(0);
    QVERIFY2(tip.startsWith(QString::fromStdString(row.text)) && tip.contains(QString::fromStdString(row.value)),
             qPrintable(tip));
    QCOMPARE(list->topLevelItem(0)->toolTip(1), list->topLevelItem(0)->text(0));
}

// From the field table; a box's own note stays after it.
void WindowTest::everyBoxTellsItsMeaningUnitAndRange() {
    WindowFixture f;
    const std::pair<const char*, const char*> tips[] = {
        {"it", "t (mm): plate thickness\nAccepted: at least 0.1"},
        {"ifyp", "Fyp (MPa): yield stress of plate and girder\nAccepted: 50 to 2000"},
        {"il1", "L1 (mm): stiffener span 1\nAccepted: any value"},
        {"iLt",
         "Lt (mm): distance between tripping brackets\nAccepted: at least 400\n Recommended max distance 3000 mm "},
        {"iunit_length",
         "UL (m): unit length, watertight bulkheads only\nAccepted: 5 to 600\n"
         "c-factor is corrected for unit lengths below 61 m  "},
        {"iproj", "Project: project name\nAny text without double quotes"},
    };
    for (const auto& [box, tip] : tips) QCOMPARE(f.Get(box)->toolTip(), QString(tip));
    for (const FieldDef& field : CaseFields())
        if (field.box.widget) QVERIFY(f.Get(field.box.widget)->toolTip().startsWith(BoxTip(field)));
}

void WindowTest::statusLineNamesGoverningCheckAndOddInputs() {
    WindowFixture f;
    auto* governing = f.Get<QLabel>("statusGoverning");
    auto* note = f.Get<QLabel>("statusNote");
    QCOMPARE(governing->text(), QString("Governing: UFst 5.48 (3/9.1) \u2014 fails; NOK: UFb (3/5.1)"));
    QCOMPARE(note->text(), QString());
    auto* grades = f.Get<QComboBox>("cbofyp");
    grades->activated(grades->count() - 1);
    f.Type("ifup", "200");
    QCOMPARE(f.io.warnings, QStringList());  // allowed, so no message box
    QCOMPARE(note->text(), QString("Check the inputs: Fup 200 below Fyp 235"));
    f.Type("ifup", "400");
    QCOMPARE(note->text(), QString());
    f.Type("it", "0");
    QCOMPARE(governing->text(), QString("No results: the calculation stopped"));
}

void WindowTest::firstDialogStartsWhereTheUserCanWrite() {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir own;
    QCOMPARE(FirstDialogFolder(own.path()), own.path());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString fallback = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    QCOMPARE(FirstDialogFolder(own.filePath("not-there")), fallback);
    WindowFixture f(own.path());
    QCOMPARE(QString::fromStdString(f.c().AppPath), own.path());
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"

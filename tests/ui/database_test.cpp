// The database window: opening a case table, picking rows into the main window, the
// grid with its envelope, sorting and filter, the result table and the CSV, failed
// and cancelled opens, and the command line's file.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTreeWidget>

#include "ui/control.h"
#include "ui/database/casegrid.h"
#include "ui/database/databasecommands.h"
#include "ui/database/databasewindow.h"
#include "ui/screenshot.h"
#include "ui/startfile.h"
#include "windowfixture.h"

using namespace veltar;

namespace {

// A case row with some cells replaced: (cell, text).
QString CaseLine(const QList<QPair<int, QString>>& changes = {}) {
    QStringList cells = QString(
                            "Deck 3|F40-A|0|1.43|0.6|235|400|355|490|206000|1|65|0|LR|200x90x9x14|TG|"
                            "800x200x10x20|3000|2500|8000|6000|3000|20|625|625|-100|-100|-30|-30|40|0.03|0.03")
                            .split('|');
    for (const auto& [cell, text] : changes) cells[cell] = text;
    return cells.join('\t');
}

// Three cases and a comment: F40-B (condition B, bulb flat, L girder) fails its plate
// buckling check; F40-C carries no axial stress, so stiffener buckling does not apply.
const QStringList kDeck = {
    "% Deck 3, frame 40", CaseLine(),
    CaseLine(
        {{1, "F40-B"}, {2, "1"}, {13, "BF"}, {14, "200x9"}, {15, "LG"}, {16, "700x150x9x15"}, {17, "2800"}, {22, "8"}}),
    CaseLine({{1, "F40-C"}, {2, "2"}, {25, "50"}, {26, "50"}}), "end"};

struct DbFixture : WindowFixture {
    QString Write(const QString& name, const QStringList& lines) {
        QFile file(Path(name));
        if (file.open(QIODevice::WriteOnly)) file.write((lines.join("\r\n") + "\r\n").toUtf8());
        return Path(name);
    }
    DatabaseWindow* Window() { return window->findChild<DatabaseWindow*>("database"); }
    DatabaseWindow* Show() {
        Control<QAction>(*window, "mnuDatabase").trigger();
        return Window();
    }
    // Open Database File, the dialog answered with `path`.
    DatabaseWindow* OpenTable(const QString& path) {
        DatabaseWindow* db = Show();
        io.nextPath = path;
        Control<QAction>(*db, "mnfileopen").trigger();
        return db;
    }
    template <class W>
    W& In(const char* name) {
        return Control<W>(*Window(), name);
    }
    QStringList Entries() {
        QStringList out;
        auto& list = In<QComboBox>("cbodatabase");
        for (int i = 0; i < list.count(); ++i) out << list.itemText(i);
        return out;
    }
    int Column(const QString& caption) {
        const CaseGridModel& m = Window()->Grid().Model();
        for (int c = 0; c < m.columnCount(); ++c)
            if (m.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == caption) return c;
        return -1;
    }
    // The grid's cell of a table row, as shown.
    QString Cell(int row, const QString& column) {
        return Window()->Grid().Model().index(row, Column(column)).data().toString();
    }
    QTableView& Grid() { return In<QTableView>("grid"); }
    // The table rows the grid shows, top to bottom.
    QList<int> GridRows() {
        QList<int> rows;
        for (int r = 0; r < Grid().model()->rowCount(); ++r) rows << Window()->Grid().TableRow(r);
        return rows;
    }
    int SelectedRow() {
        const QModelIndex current = Grid().selectionModel()->currentIndex();
        return current.isValid() ? Window()->Grid().TableRow(current.row()) : -1;
    }
    // A pick as the user makes it in the drop-down.
    void Pick(int row) {
        auto& list = In<QComboBox>("cbodatabase");
        list.setCurrentIndex(row);
        emit list.activated(row);
    }
    void Sort(const QString& column, Qt::SortOrder order) {
        In<QTableView>("envelope").horizontalHeader()->setSortIndicator(Column(column), order);
    }
    // The usage factors of the result list, in its order.
    QStringList ListValues() {
        QStringList values;
        auto* list = Get<QTreeWidget>("ListView1");
        for (int i = 0; i < list->topLevelItemCount(); ++i) values << list->topLevelItem(i)->text(1);
        return values;
    }
    // Typing goes to the main window, which the database window may have covered.
    void TypeInMain(const char* box, const QString& text) {
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window.get());
        Type(box, text);
    }
};

}  // namespace

class DatabaseTest : public QObject {
    Q_OBJECT
private slots:
    void windowStartsEmptyAndReopensEmpty();
    void openingListsTheRowsAndShowsTheFirstCase();
    void pickingARowShowsItInTheMainWindow();
    void tablesWithoutCases();
    void unmatchedAngleTakesRowZero();
    void envelopeNamesTheGoverningCase();
    void sortingAndTheFailingFilter();
    void faultedCaseShowsErrAndItsFault();
    void failedOpenLeavesEverythingAsItWas();
    void cancelledRunShowsNothing();
    void resultTableBesideTheTableAndProjectSaveApart();
    void csvHoldsEveryCaseRow();
    void startFileOpensProjectOrTable();
    void longRunShowsAProgressThatCancels();
};

void DatabaseTest::windowStartsEmptyAndReopensEmpty() {
    DbFixture f;
    QVERIFY(Control<QAction>(*f.window, "mnuDatabase").isEnabled());
    DatabaseWindow* db = f.Show();
    QVERIFY(db && db->isVisible());
    QCOMPARE(db->parentWidget(), static_cast<QWidget*>(f.window.get()));
    QCOMPARE(f.Entries(), QStringList{" "});
    QVERIFY(!f.In<QComboBox>("cbodatabase").isEnabled() && !f.In<QAction>("mnufilesave").isEnabled());
    f.OpenTable(f.Write("deck.velti", kDeck));
    QCOMPARE(f.Entries().size(), 4);
    f.In<QPushButton>("Command1").click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!f.Window());
    QCOMPARE(f.Show()->Database().DbRowCount(), 0);
    QCOMPARE(f.Entries(), QStringList{" "});
}

void DatabaseTest::openingListsTheRowsAndShowsTheFirstCase() {
    DbFixture f;
    const QString path = f.Write("deck.velti", kDeck);
    f.c().AppPath = "/start/here";
    f.OpenTable(path);
    const FileDialogSettings& dialog = f.io.dialogs.last();
    QCOMPARE(QStringList({dialog.title, dialog.initialName, dialog.defaultSuffix, dialog.startFolder}),
             QStringList({"*.velti", "*.velti", "velti", "/start/here"}));
    QCOMPARE(f.Entries(), QStringList({"% Deck 3, frame 40", "F40-A", "F40-B", "F40-C"}));
    QCOMPARE(f.In<QComboBox>("cbodatabase").currentIndex(), 1);
    QCOMPARE(f.SelectedRow(), 1);
    QCOMPARE(f.In<QLabel>("databasefile").text(), path);
    QCOMPARE(f.c().AppPath, f.dir.path().toStdString());
    QCOMPARE(f.Text("iident"), QString("F40-A"));
    // The case is a new one: a later Save asks for a name instead of writing elsewhere.
    QCOMPARE(f.window->windowTitle(), QString("VELTAR: New File"));
    QVERIFY(f.io.warnings.isEmpty() && f.io.questions.isEmpty());
}

void DatabaseTest::pickingARowShowsItInTheMainWindow() {
    DbFixture f;
    f.OpenTable(f.Write("deck.velti", kDeck));
    const QStringList firstList = f.ListValues();
    f.Pick(2);
    QCOMPARE(f.Text("iident"), QString("F40-B"));
    QCOMPARE(f.Text("it"), QString("8.0"));
    QVERIFY(f.Get<QRadioButton>("opt_cond_b")->isChecked());
    QCOMPARE(f.Text("ifs"), QString("1.43"));  // the row's, not condition B's default
    QVERIFY(f.ListValues() != firstList);
    QCOMPARE(f.SelectedRow(), 2);  // the grid follows the drop-down
    // ... and the drop-down follows the grid.
    f.Grid().selectRow(3);
    QCOMPARE(f.In<QComboBox>("cbodatabase").currentIndex(), 3);
    QCOMPARE(f.Text("iident"), QString("F40-C"));
    QVERIFY(f.Get<QRadioButton>("opt_cond_c")->isChecked());
    // A comment row is shown as picked; the case stays.
    f.Pick(0);
    QCOMPARE(f.Window()->Database().DbRow, 0);
    QCOMPARE(f.Text("iident"), QString("F40-C"));
    // An edited case is offered for saving before a row replaces it; Cancel keeps both.
    f.TypeInMain("it", "17");
    QCOMPARE(f.window->windowTitle(), QString("VELTAR: New File*"));
    f.io.saveAnswer = SaveAnswer::Cancel;
    f.Pick(1);
    QCOMPARE(f.io.questions, QStringList{"New File"});
    QCOMPARE(f.Text("it"), QString("17.0"));
    QCOMPARE(f.In<QComboBox>("cbodatabase").currentIndex(), 0);
    f.io.saveAnswer = SaveAnswer::Discard;
    f.Grid().selectRow(1);
    QCOMPARE(f.Text("iident"), QString("F40-A"));
    QCOMPARE(f.window->windowTitle(), QString("VELTAR: New File"));
}

// A table without a case row lists what it has and loads nothing; a lower-case "end"
// ends the table as "End" does.
void DatabaseTest::tablesWithoutCases() {
    const struct {
        QStringList lines, entries;
        const char* ident;  // the case shown afterwards
    } rows[] = {
        {{"End", CaseLine()}, {}, "Test"},
        {{"% a", "%b", "End"}, {"% a", "%b"}, "Test"},
        {{"% only one", CaseLine(), "end", CaseLine()}, {"% only one", "F40-A"}, "F40-A"},
    };
    for (const auto& r : rows) {
        DbFixture f;
        f.OpenTable(f.Write("t.velti", r.lines));
        QCOMPARE(f.Entries(), r.entries);
        QCOMPARE(f.Window()->Grid().Model().rowCount(), r.entries.size());
        QCOMPARE(f.Text("iident"), QString(r.ident));
        QVERIFY(f.io.warnings.isEmpty());
    }
}

// An angle that matches no row of the L table is the table's row 0, dimensions and all.
void DatabaseTest::unmatchedAngleTakesRowZero() {
    DbFixture f;
    f.OpenTable(f.Write("t.velti", {CaseLine({{14, "123x45x6x7"}}), "End"}));
    const auto& row0 = f.window->TableSet().L.row[0];
    QCOMPARE(int(f.c().LRow), 0);
    QCOMPARE(double(f.c().StiffH), double(row0[0]));
    QCOMPARE(double(f.c().StiffB), double(row0[1]));
    QVERIFY(!f.Cell(0, "Stiffener").startsWith("LR123"));
}

void DatabaseTest::envelopeNamesTheGoverningCase() {
    DbFixture f;
    f.OpenTable(f.Write("deck.velti", kDeck));
    const EnvelopeModel& envelope = f.Window()->Grid().Envelope();
    const int ufpb = f.Column("UFpb");
    QCOMPARE(envelope.index(1, ufpb).data().toString(), QString("F40-B"));
    QCOMPARE(envelope.index(0, ufpb).data().toString(), f.Cell(2, "UFpb"));
    QCOMPARE(envelope.index(0, CaseGridModel::IdentColumn).data().toString(), QString("Largest"));
    // Stiffener buckling of the case without axial stress is no candidate.
    const int ufb = f.Column("UFb");
    QVERIFY(envelope.index(1, ufb).data().toString() != "F40-C");
    // Clicking the governing cell shows that case.
    auto& view = f.In<QTableView>("envelope");
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(envelope.index(1, ufpb)).center());
    QCOMPARE(f.Text("iident"), QString("F40-B"));
    QCOMPARE(f.SelectedRow(), 2);
}

void DatabaseTest::sortingAndTheFailingFilter() {
    DbFixture f;
    QStringList lines = kDeck;
    lines.insert(3, "% second group");
    f.OpenTable(f.Write("deck.velti", lines));  // rows: 0 %, 1 A, 2 B, 3 %, 4 C
    QCOMPARE(f.GridRows(), QList<int>({0, 1, 2, 3, 4}));
    QCOMPARE(f.Grid().columnSpan(0, 0), f.Window()->Grid().Model().columnCount());
    f.Sort("UFpb", Qt::DescendingOrder);
    QCOMPARE(f.GridRows().first(), 2);  // the failing plate on top
    QCOMPARE(f.GridRows().size(), 3);   // comments belong to the table's order
    QCOMPARE(f.SelectedRow(), 1);       // the shown case stays selected
    f.Sort("Ident", Qt::DescendingOrder);
    QCOMPARE(f.GridRows(), QList<int>({4, 2, 1}));
    f.Sort("Line", Qt::AscendingOrder);
    QCOMPARE(f.GridRows(), QList<int>({0, 1, 2, 3, 4}));
    QCOMPARE(f.Grid().columnSpan(3, 0), f.Window()->Grid().Model().columnCount());
    f.In<QCheckBox>("chkfailing").setChecked(true);
    QCOMPARE(f.GridRows(), QList<int>{2});
    QCOMPARE(f.SelectedRow(), -1);  // the shown case passes
    QCOMPARE(f.Text("iident"), QString("F40-A"));
    f.Grid().selectRow(0);
    QCOMPARE(f.Text("iident"), QString("F40-B"));
    f.In<QCheckBox>("chkfailing").setChecked(false);
    QCOMPARE(f.GridRows().size(), 5);
    QCOMPARE(f.SelectedRow(), 2);
}

void DatabaseTest::faultedCaseShowsErrAndItsFault() {
    DbFixture f;
    f.OpenTable(f.Write("fault.velti", {"% the second case has no plate", CaseLine(), CaseLine({{22, "0"}}), "End"}));
    const CaseGridModel& m = f.Window()->Grid().Model();
    QCOMPARE(f.Cell(2, "UFpb"), QString("ERR"));
    QVERIFY(f.Cell(1, "UFpb") != "ERR");
    QVERIFY(!m.index(2, 0).data(Qt::ToolTipRole).toString().isEmpty());
    QCOMPARE(m.index(2, f.Column("UFt")).data(Qt::ToolTipRole), m.index(2, 0).data(Qt::ToolTipRole));
    QVERIFY(m.index(1, 0).data(Qt::ToolTipRole).isNull());
    f.In<QCheckBox>("chkfailing").setChecked(true);
    QVERIFY(f.GridRows().contains(2));
}

void DatabaseTest::failedOpenLeavesEverythingAsItWas() {
    DbFixture f;
    const QString good = f.Write("deck.velti", kDeck);
    f.OpenTable(good);
    f.Pick(2);
    const QString bad = f.Write("bad.velti", {CaseLine(), CaseLine({{13, "XX"}}), "End"});
    const QString missing = f.Path("none.velti");
    f.OpenTable(bad);
    f.OpenTable(missing);
    QCOMPARE(f.io.warnings, QStringList({bad + ": line 2, cell 14 (stiffener code): unknown stiffener code \"XX\" "
                                               "(LR, LW, TG, FB, BF or IG)",
                                         "can't find file - " + missing}));
    QCOMPARE(f.Entries(), QStringList({"% Deck 3, frame 40", "F40-A", "F40-B", "F40-C"}));
    QCOMPARE(f.In<QComboBox>("cbodatabase").currentIndex(), 2);
    QCOMPARE(f.In<QLabel>("databasefile").text(), good);
    QCOMPARE(f.Text("iident"), QString("F40-B"));
    // Cancel in the dialog ends the command without a word.
    f.OpenTable("");
    QCOMPARE(f.io.warnings.size(), 2);
}

void DatabaseTest::cancelledRunShowsNothing() {
    DbFixture f;
    f.io.cancelAt = 2;
    f.OpenTable(f.Write("deck.velti", kDeck));
    QCOMPARE(f.io.progressTotals, QList<int>{4});
    QCOMPARE(f.Entries(), QStringList{" "});
    QCOMPARE(f.Window()->Grid().Model().rowCount(), 0);
    QCOMPARE(f.In<QLabel>("databasefile").text(), QString());
    QCOMPARE(f.Text("iident"), QString("Test"));
    QVERIFY(f.io.warnings.isEmpty());
}

void DatabaseTest::resultTableBesideTheTableAndProjectSaveApart() {
    DbFixture f;
    const QString table = f.Write("deck.velti", kDeck);
    const QByteArray before = f.Bytes(table);
    f.OpenTable(table);
    f.Pick(3);
    f.In<QAction>("mnufilesave").trigger();
    QCOMPARE(f.In<QLabel>("outputfile").text(), f.Path("deck.velto"));
    QCOMPARE(f.Bytes(f.Path("deck.velto")).count('\n'), 5);
    QCOMPARE(f.Text("iident"), QString("F40-C"));  // the shown case stays
    QCOMPARE(f.Window()->Database().DbRow, 3);
    // The project's Save never goes to the case table.
    f.TypeInMain("it", "19");
    f.io.nextPath = f.Path("panel.velta");
    QVERIFY(f.window->Files().Save());
    QCOMPARE(f.Bytes(table), before);
    QCOMPARE(f.window->windowTitle(), "VELTAR: " + f.Path("panel.velta"));
    // A result table that cannot be written says so and keeps the label.
    QFile::remove(f.Path("deck.velto"));
    QDir(f.dir.path()).mkdir("deck.velto");
    f.In<QLabel>("outputfile").clear();
    f.In<QAction>("mnufilesave").trigger();
    QCOMPARE(f.io.warnings.size(), 1);
    QVERIFY2(f.io.warnings[0].startsWith("can't save file - " + f.Path("deck.velto")), qPrintable(f.io.warnings[0]));
    QCOMPARE(f.In<QLabel>("outputfile").text(), QString());
}

void DatabaseTest::csvHoldsEveryCaseRow() {
    DbFixture f;
    f.c().DecSep = 1;  // the window shows decimal commas; the CSV keeps points
    QStringList lines = kDeck;
    lines[3] = CaseLine({{1, "=F40,\"C\""}, {2, "2"}, {25, "50"}, {26, "50"}});
    f.OpenTable(f.Write("deck.velti", lines));
    QVERIFY(f.Cell(1, "UFpb").contains(','));
    f.Sort("UFpb", Qt::DescendingOrder);
    f.In<QCheckBox>("chkfailing").setChecked(true);
    f.io.nextPath = f.Path("grid.csv");
    f.In<QPushButton>("cmdexportcsv").click();
    const FileDialogSettings& dialog = f.io.dialogs.last();
    QCOMPARE(QStringList({dialog.initialName, dialog.defaultSuffix}), QStringList({"deck.csv", "csv"}));
    const QStringList csv = QString::fromUtf8(f.Bytes(f.Path("grid.csv"))).split("\r\n");
    QCOMPARE(csv.size(), 5);  // header, three cases, the end of the last line
    QCOMPARE(csv[0],
             QString("Line,Ident,Stiffener,Girder,UFpb,UFpu,UFpl,UFb,UFbt,UFst,UFgbu,UFt,UFsm,UFgm,UFy,UFyp,UFys"));
    QVERIFY2(csv[1].startsWith("2,F40-A,LR200x90x9.0x14.0,TG800x200x10.0x20.0,0."), qPrintable(csv[1]));
    QCOMPARE(csv[1].count(','), 16);
    QVERIFY2(csv[3].startsWith("4,\"'=F40,\"\"C\"\"\",LR200x90x9.0x14.0,"), qPrintable(csv[3]));
    QVERIFY(csv[3].contains(",N/A,N/A,"));
    QCOMPARE(csv[4], QString());
    // A file that cannot be written says so.
    f.io.nextPath = f.dir.path();
    f.In<QPushButton>("cmdexportcsv").click();
    QCOMPARE(f.io.warnings.size(), 1);
    QVERIFY(f.io.warnings[0].startsWith("can't save file - " + f.dir.path()));
}

void DatabaseTest::startFileOpensProjectOrTable() {
    DbFixture f;
    const QString table = f.Write("deck.velti", kDeck);
    const QString bad = f.Write("bad.VELTI", {CaseLine({{22, ""}, {5, "x"}}).left(20), "End"});
    QVERIFY(!OpenStartFile(*f.window, bad));
    QCOMPARE(f.io.warnings.size(), 1);
    QVERIFY2(f.io.warnings[0].startsWith(bad + ": line 1"), qPrintable(f.io.warnings[0]));
    QVERIFY(!f.Window() || !f.Window()->isVisible());
    QCOMPARE(f.Text("iident"), QString("Test"));
    QVERIFY(OpenStartFile(*f.window, table));
    QVERIFY(f.Window() && f.Window()->isVisible());
    QCOMPARE(f.Text("iident"), QString("F40-A"));
    f.SaveAs(f.Path("panel.velta"));
    f.window->Files().New();
    QVERIFY(OpenStartFile(*f.window, f.Path("panel.velta")));
    QCOMPARE(f.Text("iident"), QString("F40-A"));
    QCOMPARE(f.window->windowTitle(), "VELTAR: " + f.Path("panel.velta"));
    // The picture of the window with a table, as the README shows it.
    DbFixture g;
    const QString out = g.Path("database.png");
    QVERIFY(SaveScreenshot(*g.window, out, table, "database"));
    QCOMPARE(QImage(out).size(), g.Window()->size());
}

// The real progress dialog: none for a short run, shown early in a long one (by its
// estimate), and its Cancel button stops the run.
void DatabaseTest::longRunShowsAProgressThatCancels() {
    QtUserIO io(nullptr);
    auto visibleDialog = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QProgressDialog*>(w); d && d->isVisible()) return d;
        return static_cast<QProgressDialog*>(nullptr);
    };
    auto work = [](int ms) {
        QElapsedTimer busy;
        busy.start();
        while (busy.elapsed() < ms) {}
    };
    {
        const std::unique_ptr<Progress> quick = io.StartProgress("Calculating", 200);
        for (int done = 1; done <= 200; ++done) quick->Step(done);
        QVERIFY(!visibleDialog());
    }
    const std::unique_ptr<Progress> slow = io.StartProgress("Calculating", 100000);
    QElapsedTimer elapsed;
    elapsed.start();
    int done = 0;
    while (!visibleDialog() && elapsed.elapsed() < 5000) work(1), slow->Step(++done);
    QProgressDialog* dialog = visibleDialog();
    QVERIFY(dialog);
    QVERIFY2(elapsed.elapsed() < 1000, "shown once the run is known to be long");
    QVERIFY(slow->Step(++done));
    QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
    QVERIFY(!slow->Step(++done));
}

QTEST_MAIN(DatabaseTest)
#include "database_test.moc"

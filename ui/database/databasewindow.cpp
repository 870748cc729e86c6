// The window's commands. Every case row needs the data tables; the command that
// opens the window is only offered once they are read.
#include "ui/database/databasewindow.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

#include "core/numformat.h"
#include "files/atomicfile.h"
#include "files/resulttable.h"
#include "run/batch.h"
#include "run/dbcase.h"
#include "ui/database/casegrid.h"
#include "ui/database/gridcsv.h"
#include "ui/fileactions.h"
#include "ui/mainwindow.h"
#include "ui/userio.h"

namespace veltar {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Native(const std::string& path) { return QDir::toNativeSeparators(Q(path)); }

QLabel* Label(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A long path stays readable in a narrow window: the label gives way instead of
// widening the window.
QLabel* PathLabel(const char* name, QWidget* parent) {
    QLabel* label = Label(name, {}, parent);
    label->setMinimumWidth(100);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

DatabaseWindow::DatabaseWindow(MainWindow& main) : QMainWindow(&main, Qt::Window), main_(main) {
    setObjectName("database");
    setWindowTitle("Database");
    setAttribute(Qt::WA_DeleteOnClose);
    BuildWindow();
    resize(1100, 620);
}

void DatabaseWindow::BuildWindow() {
    QAction* open = menuBar()->addAction("&Open Database File");
    open->setObjectName("mnfileopen");
    connect(open, &QAction::triggered, this, &DatabaseWindow::OpenDatabaseFile);
    saveResult_ = menuBar()->addAction("&Save Result to File");
    saveResult_->setObjectName("mnufilesave");
    saveResult_->setEnabled(false);
    connect(saveResult_, &QAction::triggered, this, &DatabaseWindow::SaveResultToFile);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->addWidget(BuildTop());
    grid_ = new CaseGrid(central);
    connect(grid_, &CaseGrid::rowPicked, this, &DatabaseWindow::PickRow);
    column->addWidget(grid_, 1);
    column->addWidget(BuildBottom());
    setCentralWidget(central);
}

QWidget* DatabaseWindow::BuildTop() {
    auto* top = new QWidget(this);
    auto* grid = new QGridLayout(top);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Label("Label2", "Input file:", top), 0, 0);
    grid->addWidget(databasefile_ = PathLabel("databasefile", top), 0, 1, 1, 3);
    grid->addWidget(Label("Label4", "Output file:", top), 1, 0);
    grid->addWidget(outputfile_ = PathLabel("outputfile", top), 1, 1, 1, 3);
    grid->addWidget(Label("Label1", "Show reults for Stiffener:", top), 2, 0);
    list_ = new QComboBox(top);
    list_->setObjectName("cbodatabase");
    // Thousands of entries: no measuring of every one for the box's width.
    list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list_->setMinimumContentsLength(32);
    if (auto* view = qobject_cast<QListView*>(list_->view())) view->setUniformItemSizes(true);
    list_->addItem(" ");
    list_->setEnabled(false);
    connect(list_, &QComboBox::activated, this, &DatabaseWindow::PickRow);
    grid->addWidget(list_, 2, 1);
    failingOnly_ = new QCheckBox("Failing only", top);
    failingOnly_->setObjectName("chkfailing");
    failingOnly_->setEnabled(false);
    connect(failingOnly_, &QCheckBox::toggled, this, [this](bool on) { grid_->SetFailingOnly(on); });
    grid->addWidget(failingOnly_, 2, 2);
    exportCsv_ = new QPushButton("Export CSV...", top);
    exportCsv_->setObjectName("cmdexportcsv");
    exportCsv_->setEnabled(false);
    connect(exportCsv_, &QPushButton::clicked, this, &DatabaseWindow::ExportCsv);
    grid->addWidget(exportCsv_, 2, 3, Qt::AlignRight);
    grid->setColumnStretch(3, 1);
    return top;
}

QWidget* DatabaseWindow::BuildBottom() {
    auto* bottom = new QWidget(this);
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    auto* back = new QPushButton("Back to Program", bottom);
    back->setObjectName("Command1");
    connect(back, &QPushButton::clicked, this, &QWidget::close);
    row->addWidget(back);
    return bottom;
}

void DatabaseWindow::OpenDatabaseFile() {
    const Case& c = main_.CaseRecord();
    const QString path = main_.IO().OpenPath({"*.velti", "*.velti", "velti", Q(c.AppPath), false});
    if (!path.isEmpty()) OpenTable(path);
}

bool DatabaseWindow::OpenTable(const QString& path) {
    CaseDatabase db;
    std::vector<std::string> warnings;
    const Status read = ReadCaseDatabase(path.toStdString(), main_.TableSet(), main_.CaseRecord().DecSep, db, warnings);
    if (!read) {
        main_.IO().Warn(Q(read.message));
        return false;
    }
    for (const std::string& w : warnings) main_.IO().Warn(Q(w));
    // The first case row is about to replace the current case.
    if (FirstCaseRow(db) >= 0 && !main_.Files().ConfirmDiscard()) return false;
    std::optional<std::vector<CaseOutcome>> outcomes = RunCases(db, QFileInfo(path).fileName());
    if (!outcomes) return false;
    ShowTable(path, std::move(db), std::move(*outcomes));
    return true;
}

// On a copy of the case, so a stopped run leaves the current case untouched.
std::optional<std::vector<CaseOutcome>> DatabaseWindow::RunCases(CaseDatabase& db, const QString& name) {
    Case scratch = main_.CaseRecord();
    const std::unique_ptr<Progress> progress =
        main_.IO().StartProgress("Calculating the cases of " + name, db.DbRowCount());
    auto outcomes = RunCaseRows(scratch, main_.TableSet(), db, [&](int done) { return progress->Step(done); });
    db.DbRow = 0;
    return outcomes;
}

void DatabaseWindow::ShowTable(const QString& path, CaseDatabase db, std::vector<CaseOutcome> outcomes) {
    Case& c = main_.CaseRecord();
    db_ = std::move(db);
    grid_->SetTable(&db_, std::move(outcomes), SepOf(c.DecSep));
    WidenForGrid();
    QStringList entries;
    entries.reserve(db_.DbRowCount());
    for (const CaseRow& row : db_.rows) entries << Q(row.comment ? row.Project : row.Ident);
    list_->clear();
    list_->addItems(entries);
    databasefile_->setText(Native(db_.DbPath));
    outputfile_->clear();
    c.AppPath = QDir::toNativeSeparators(QFileInfo(path).absolutePath()).toStdString();
    // A table of comments alone has no case to show; the current case stays.
    const int first = FirstCaseRow(db_);
    if (first >= 0) LoadCase(first);
    ShowRow(db_.DbRow);
    for (QWidget* w : std::initializer_list<QWidget*>{list_, failingOnly_, exportCsv_}) w->setEnabled(true);
    saveResult_->setEnabled(true);
}

// Every column in view where the screen has room; the window never shrinks here.
void DatabaseWindow::WidenForGrid() {
    const QMargins margins = centralWidget()->layout()->contentsMargins();
    int wanted = grid_->FullWidth() + margins.left() + margins.right();
    if (const QScreen* s = screen()) wanted = std::min(wanted, s->availableGeometry().width() * 95 / 100);
    if (wanted > width()) resize(wanted, height());
}

void DatabaseWindow::PickRow(int row) {
    if (row < 0 || row >= db_.DbRowCount()) return;
    if (!db_.rows[static_cast<size_t>(row)].comment) {
        if (!main_.Files().ConfirmDiscard()) {
            ShowRow(db_.DbRow);
            return;
        }
        LoadCase(row);
    }
    db_.DbRow = row;
    ShowRow(row);
}

// The row's span warnings come with the main window's own calculation, once.
void DatabaseWindow::LoadCase(int row) {
    CollectedWarnings ignored;
    LoadDatabaseCase(main_.CaseRecord(), main_.TableSet(), db_, row, ignored);
    main_.Files().ShowAsNewCase();
}

void DatabaseWindow::ShowRow(int row) {
    list_->setCurrentIndex(row);
    grid_->SelectRow(row);
}

// The run goes on a copy of the case: the main window keeps showing the case picked.
void DatabaseWindow::SaveResultToFile() {
    const std::string path = ResultPath(db_.DbPath);
    Case scratch = main_.CaseRecord();
    const int shown = db_.DbRow;
    ResultReport report;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Status written = WriteResultTable(path, scratch, main_.TableSet(), db_, scratch.DecSep, report);
    QApplication::restoreOverrideCursor();
    db_.DbRow = shown;
    if (!written) {
        main_.IO().Warn(Q(written.message));
        return;
    }
    outputfile_->setText(Native(path));
}

void DatabaseWindow::ExportCsv() {
    const QString name = QFileInfo(Q(db_.DbPath)).completeBaseName() + ".csv";
    const QString path = main_.IO().SavePath({"*.csv", name, "csv", Q(main_.CaseRecord().AppPath), true});
    if (path.isEmpty()) return;
    const QByteArray text = GridCsv(grid_->Model());
    const Status written = ReplaceFileContent(path.toStdString(), std::string_view(text.constData(), text.size()));
    if (!written) main_.IO().Warn("can't save file - " + path + " (" + Q(written.message) + ")");
}

}  // namespace veltar

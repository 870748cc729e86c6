// The design search window. The search takes a copy of the main window's case when
// "Search" is pressed; "Apply" later changes only the inputs that search varied.
#include "ui/tools/designwindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "core/numformat.h"
#include "ui/mainwindow.h"
#include "ui/tools/rangebox.h"
#include "ui/userio.h"

namespace veltar {
namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

QGroupBox* Group(QWidget* parent, const QString& title, QLayout* layout) {
    auto* group = new QGroupBox(title, parent);
    group->setLayout(layout);
    return group;
}

QRadioButton* Option(QButtonGroup* group, QLayout* layout, const char* name, const QString& caption, DesignVary v) {
    auto* option = new QRadioButton(caption);
    option->setObjectName(name);
    group->addButton(option, static_cast<int>(v));
    layout->addWidget(option);
    return option;
}

QLineEdit* Box(const char* name, const QString& text) {
    auto* box = new QLineEdit(text);
    box->setObjectName(name);
    return box;
}

QTreeWidgetItem* Row(const DesignCandidate& d, size_t rank, char sep) {
    auto* item = new QTreeWidgetItem(QStringList{QString::number(rank), Text(d.profile), Text(Format(d.t, "#0.0", sep)),
                                                 Text(Format(d.weight, "0.00", sep)), Text(d.governing),
                                                 Text(Format(d.uf, "0.00", sep))});
    for (int column : {0, 2, 3, 5}) item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

DesignWindow::DesignWindow(MainWindow& main) : QWidget(&main, Qt::Window), main_(main) {
    setObjectName("design");
    setWindowTitle("Design search");
    BuildControls();
    resize(760, 520);
}

void DesignWindow::BuildControls() {
    auto* column = new QVBoxLayout(this);
    BuildSpace(*column);
    column->addLayout(BuildCommands());
    list_ = new QTreeWidget(this);
    list_->setObjectName("lstdesigns");
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({"Rank", "Stiffener", "t (mm)", "Weight (kg/m²)", "Governing", "UF"});
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    column->addWidget(list_, 1);
    summary_ = new QLabel(this);
    summary_->setObjectName("labsummary");
    summary_->setWordWrap(true);
    column->addWidget(summary_);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { apply_->setEnabled(item); });
}

// What varies: the stiffener from the chosen tables, the plate thickness in its range, or both.
void DesignWindow::BuildSpace(QVBoxLayout& column) {
    const Case& c = main_.CaseRecord();
    const DesignSpace defaults = DefaultDesignSpace(c);
    vary_ = new QButtonGroup(this);
    auto* varyRow = new QHBoxLayout;
    Option(vary_, varyRow, "optvarystiff", "Stiffener", DesignVary::Stiffener);
    Option(vary_, varyRow, "optvaryplate", "Plate thickness", DesignVary::Plate);
    Option(vary_, varyRow, "optvaryboth", "Both", DesignVary::Both)->setChecked(true);
    column.addWidget(Group(this, "Vary", varyRow));

    auto* kindRow = new QHBoxLayout;
    for (const SearchKind& k : SearchKinds()) {
        auto* box = new QCheckBox(k.caption);
        box->setObjectName(QString("chkkind") + k.code);
        box->setChecked(true);
        kindRow->addWidget(box);
        kinds_.push_back(box);
    }
    QGroupBox* tables = Group(this, "Stiffener from the tables", kindRow);
    column.addWidget(tables);

    const char sep = SepOf(c.DecSep);
    tFrom_ = Box("itfrom", Text(PlainText(defaults.tFrom, sep)));
    tTo_ = Box("itto", Text(PlainText(defaults.tTo, sep)));
    auto* plateRow = new QHBoxLayout;
    plateRow->addWidget(new QLabel("From:"));
    plateRow->addWidget(tFrom_);
    plateRow->addWidget(new QLabel("To:"));
    plateRow->addWidget(tTo_);
    QGroupBox* plate = Group(this, "Plate thickness (mm), in 0.5 mm steps", plateRow);
    column.addWidget(plate);

    connect(vary_, &QButtonGroup::idClicked, this, [tables, plate](int id) {
        tables->setEnabled(id != static_cast<int>(DesignVary::Plate));
        plate->setEnabled(id != static_cast<int>(DesignVary::Stiffener));
    });
}

QHBoxLayout* DesignWindow::BuildCommands() {
    mode_ = new QComboBox(this);
    mode_->setObjectName("cbomode");
    mode_->addItems({"Buckling", "Scantling / Yield", "Buckling / Scantling / Yield"});
    mode_->setCurrentIndex(std::clamp<int>(main_.CaseRecord().CheckMode, 1, 3) - 1);
    auto* search = new QPushButton("Search", this);
    search->setObjectName("cmdsearch");
    apply_ = new QPushButton("Apply", this);
    apply_->setObjectName("cmdapply");
    apply_->setEnabled(false);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Every check of:"));
    row->addWidget(mode_);
    row->addStretch();
    row->addWidget(search);
    row->addWidget(apply_);
    connect(search, &QPushButton::clicked, this, [this] { Search(); });
    connect(apply_, &QPushButton::clicked, this, [this] { Apply(); });
    return row;
}

bool DesignWindow::ReadSpace(DesignSpace& space) {
    space.vary = static_cast<DesignVary>(vary_->checkedId());
    for (size_t i = 0; i < kinds_.size(); ++i)
        if (kinds_[i]->isChecked()) space.kinds.push_back(SearchKinds()[i].source);
    const auto from = RangeNumber(*tFrom_);
    const auto to = RangeNumber(*tTo_);
    if (!from || !to) {
        main_.IO().Warn(from ? NotANumber("To:", *tTo_) : NotANumber("From:", *tFrom_));
        return false;
    }
    space.tFrom = *from;
    space.tTo = *to;
    space.mode = mode_->currentIndex() + 1;
    const Status s = CheckDesignSpace(space);
    if (!s) main_.IO().Warn(Text(s.message));
    return s.ok;
}

bool DesignWindow::Search() {
    DesignSpace space;
    if (!ReadSpace(space)) return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QElapsedTimer timer;
    timer.start();
    result_ = SearchDesigns(main_.CaseRecord(), main_.TableSet(), space);
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    QApplication::restoreOverrideCursor();
    searched_ = space.vary;
    ShowResult(seconds);
    return true;
}

void DesignWindow::ShowResult(double seconds) {
    const char sep = SepOf(main_.CaseRecord().DecSep);
    list_->clear();
    for (size_t i = 0; i < result_.best.size(); ++i) list_->addTopLevelItem(Row(result_.best[i], i + 1, sep));
    if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
    apply_->setEnabled(list_->currentItem());
    const QString time = Text(Format(seconds, "0.000", sep));
    if (result_.passing == 0)
        summary_->setText(QString("None of the %1 candidates passes every check (%2 faulted); searched in %3 s")
                              .arg(result_.candidates)
                              .arg(result_.faulted)
                              .arg(time));
    else
        summary_->setText(QString("%1 candidates, %2 pass every check, %3 faulted; searched in %4 s")
                              .arg(result_.candidates)
                              .arg(result_.passing)
                              .arg(result_.faulted)
                              .arg(time));
}

void DesignWindow::Apply() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || static_cast<size_t>(row) >= result_.best.size()) return;
    ApplyDesign(main_.CaseRecord(), main_.TableSet(), result_.best[static_cast<size_t>(row)], searched_);
    main_.ShowCaseAndCalculate();
}

}  // namespace veltar

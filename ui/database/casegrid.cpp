// Two views over one set of columns: the envelope view owns the header, the case
// view follows its column widths and lends it its horizontal scrolling. Selection
// changes made here (after sorting, filtering or a pick elsewhere) are not picks.
#include "ui/database/casegrid.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace veltar {
namespace {

// Rows measured for a column's width: enough for a typical table, cheap for a large one.
constexpr int kMeasuredRows = 200;
constexpr int kMaxTextColumnWidth = 260;

QTableView* View(const char* name, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->verticalHeader()->hide();
    view->setWordWrap(false);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->verticalHeader()->setResizeContentsPrecision(kMeasuredRows);  // rows a column's width measures
    return view;
}

}  // namespace

CaseGrid::CaseGrid(QWidget* parent) : QWidget(parent) {
    setObjectName("casegrid");
    filter_.setSourceModel(&model_);
    envelopeView_ = View("envelope", this);
    envelopeView_->setModel(&envelope_);
    envelopeView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    envelopeView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    envelopeView_->setSelectionMode(QAbstractItemView::NoSelection);
    envelopeView_->setFocusPolicy(Qt::NoFocus);
    QHeaderView* header = envelopeView_->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    cases_ = View("grid", this);
    cases_->setModel(&filter_);
    cases_->horizontalHeader()->hide();
    cases_->verticalScrollBar()->installEventFilter(this);

    scrollGap_ = new QWidget(this);
    scrollGap_->setFixedWidth(cases_->verticalScrollBar()->sizeHint().width());
    scrollGap_->hide();
    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(0);
    top->addWidget(envelopeView_);
    top->addWidget(scrollGap_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(top);
    column->addWidget(cases_, 1);
    envelopeView_->setFixedHeight(header->sizeHint().height() +
                                  2 * envelopeView_->verticalHeader()->defaultSectionSize() +
                                  2 * envelopeView_->frameWidth());

    connect(header, &QHeaderView::sectionResized, this,
            [this](int section, int, int size) { cases_->horizontalHeader()->resizeSection(section, size); });
    connect(header, &QHeaderView::sortIndicatorChanged, this, &CaseGrid::Sort);
    connect(cases_->horizontalScrollBar(), &QScrollBar::valueChanged, envelopeView_->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(cases_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { OnCurrentChanged(current); });
    connect(envelopeView_, &QTableView::clicked, this, &CaseGrid::OnEnvelopeClicked);
}

void CaseGrid::SetTable(const CaseDatabase* db, std::vector<CaseOutcome> outcomes, char sep) {
    selecting_ = true;
    comments_.clear();
    for (const CaseOutcome& o : outcomes)
        if (o.comment) comments_.push_back(o.row);
    model_.SetTable(db, std::move(outcomes), sep);
    row_ = -1;
    selecting_ = false;
    UpdateSpans();
    FitColumns();
}

void CaseGrid::Clear() { SetTable(nullptr, {}, '.'); }

void CaseGrid::SetFailingOnly(bool on) {
    selecting_ = true;
    filter_.SetFailingOnly(on);
    selecting_ = false;
    AfterLayoutChange();
}

void CaseGrid::Sort(int column, Qt::SortOrder order) {
    selecting_ = true;
    filter_.sort(column, order);
    selecting_ = false;
    AfterLayoutChange();
}

void CaseGrid::AfterLayoutChange() {
    UpdateSpans();
    SelectRow(row_);
}

int CaseGrid::TableRow(int gridRow) const { return filter_.mapToSource(filter_.index(gridRow, 0)).row(); }

void CaseGrid::SelectRow(int row) {
    row_ = row;
    const QModelIndex at =
        row >= 0 && row < model_.rowCount() ? filter_.mapFromSource(model_.index(row, 0)) : QModelIndex();
    selecting_ = true;
    if (at.isValid()) {
        cases_->selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        cases_->scrollTo(at);
    } else {
        cases_->selectionModel()->clearSelection();
        cases_->selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    }
    selecting_ = false;
}

// A comment row spans the whole width, as a heading over the cases that follow it.
void CaseGrid::UpdateSpans() {
    cases_->clearSpans();
    for (const int row : comments_) {
        const QModelIndex at = filter_.mapFromSource(model_.index(row, 0));
        if (at.isValid()) cases_->setSpan(at.row(), 0, 1, model_.columnCount());
    }
}

void CaseGrid::FitColumns() {
    QHeaderView* header = envelopeView_->horizontalHeader();
    const int lastLine = model_.rowCount() > 0 ? model_.RowOf(model_.rowCount() - 1).line : 0;
    for (int c = 0; c < model_.columnCount(); ++c) {
        // The line column's cells of comment rows hold the comment across the grid.
        const int cells = c == CaseGridModel::LineColumn
                              ? cases_->fontMetrics().horizontalAdvance(QString::number(lastLine)) + 8
                              : static_cast<QAbstractItemView*>(cases_)->sizeHintForColumn(c);
        const int envelope = static_cast<QAbstractItemView*>(envelopeView_)->sizeHintForColumn(c);
        int width = std::max({header->sectionSizeHint(c), envelope, cells});
        if (c < CaseGridModel::FirstFactorColumn) width = std::min(width, kMaxTextColumnWidth);
        header->resizeSection(c, width + 6);
    }
}

int CaseGrid::FullWidth() const {
    return envelopeView_->horizontalHeader()->length() + 2 * cases_->frameWidth() +
           cases_->verticalScrollBar()->sizeHint().width();
}

void CaseGrid::OnCurrentChanged(const QModelIndex& current) {
    if (selecting_ || !current.isValid()) return;
    row_ = filter_.mapToSource(current).row();
    emit rowPicked(row_);
}

void CaseGrid::OnEnvelopeClicked(const QModelIndex& index) {
    const int row = envelope_.GoverningRow(index.column());
    if (row >= 0) emit rowPicked(row);
}

bool CaseGrid::eventFilter(QObject* watched, QEvent* e) {
    if (watched == cases_->verticalScrollBar() && (e->type() == QEvent::Show || e->type() == QEvent::Hide))
        scrollGap_->setVisible(e->type() == QEvent::Show);
    return QWidget::eventFilter(watched, e);
}

}  // namespace veltar

// Cells, colours and sort keys of the grid. A factor's sort key orders a faulted case
// above every number (it is the one to look at first when sorted from the top) and a
// check that does not apply below them.
#include "ui/database/casegridmodel.h"

#include <QBrush>
#include <QCollator>

#include <limits>

namespace veltar {
namespace {

const QColor kPassBack(198, 239, 206), kPassText(0, 97, 0);
const QColor kFailBack(255, 199, 206), kFailText(156, 0, 6);
const QColor kCommentBack(224, 224, 224);
const int kRightAligned = int(Qt::AlignRight | Qt::AlignVCenter);

double FactorKey(const FactorCell& cell) {
    switch (cell.state) {
        case FactorState::Value: return cell.value;
        case FactorState::NotApplicable: return -std::numeric_limits<double>::infinity();
        case FactorState::Unbounded:
        case FactorState::Fault: break;
    }
    return std::numeric_limits<double>::infinity();
}

QVariant Colour(const FactorCell& cell, bool back) {
    if (cell.state == FactorState::NotApplicable) return {};
    const bool fails = Fails(cell);
    return QBrush(back ? (fails ? kFailBack : kPassBack) : (fails ? kFailText : kPassText));
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

CaseGridModel::CaseGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void CaseGridModel::SetTable(const CaseDatabase* db, std::vector<CaseOutcome> outcomes, char sep) {
    beginResetModel();
    db_ = db;
    outcomes_ = std::move(outcomes);
    sep_ = sep;
    endResetModel();
}

void CaseGridModel::Clear() {
    beginResetModel();
    db_ = nullptr;
    outcomes_.clear();
    endResetModel();
}

int CaseGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(outcomes_.size());
}

int CaseGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FirstFactorColumn + static_cast<int>(FactorFields().size());
}

QString CaseGridModel::Shown(QString pointText) const {
    if (sep_ != '.') pointText.replace('.', sep_);
    return pointText;
}

QString CaseGridModel::PointText(int row, int column) const {
    const CaseOutcome& o = outcomes_[static_cast<size_t>(row)];
    const CaseRow& r = RowOf(row);
    if (o.comment) return column == LineColumn ? Q(r.Project) : QString();
    switch (column) {
        case LineColumn: return QString::number(r.line);
        case IdentColumn: return Q(r.Ident);
        case StiffenerColumn: return Q(o.stiffener);
        case GirderColumn: return Q(o.girder);
        default: return Q(o.factors[static_cast<size_t>(column - FirstFactorColumn)].text);
    }
}

QVariant CaseGridModel::SortKey(int row, int column) const {
    const CaseOutcome& o = outcomes_[static_cast<size_t>(row)];
    if (column == LineColumn) return RowOf(row).line;
    if (column >= FirstFactorColumn && !o.comment)
        return FactorKey(o.factors[static_cast<size_t>(column - FirstFactorColumn)]);
    return PointText(row, column);
}

QVariant CaseGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row(), column = index.column();
    const CaseOutcome& o = outcomes_[static_cast<size_t>(row)];
    const bool factor = column >= FirstFactorColumn && !o.comment;
    switch (role) {
        case Qt::DisplayRole:
            return o.comment || column < StiffenerColumn ? PointText(row, column) : Shown(PointText(row, column));
        case Qt::ToolTipRole:
            if (o.comment) return Q(RowOf(row).Project);
            return o.fault.empty() ? QVariant() : QVariant(Q(o.fault));
        case Qt::BackgroundRole:
            if (o.comment) return QBrush(kCommentBack);
            return factor ? Colour(o.factors[static_cast<size_t>(column - FirstFactorColumn)], true) : QVariant();
        case Qt::ForegroundRole:
            return factor ? Colour(o.factors[static_cast<size_t>(column - FirstFactorColumn)], false) : QVariant();
        case Qt::TextAlignmentRole:
            return factor || (column == LineColumn && !o.comment) ? QVariant(kRightAligned) : QVariant();
        case SortRole: return SortKey(row, column);
        case CommentRole: return o.comment;
        case FailsRole: return o.Fails();
        default: return {};
    }
}

QVariant CaseGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case LineColumn: return "Line";
        case IdentColumn: return "Ident";
        case StiffenerColumn: return "Stiffener";
        case GirderColumn: return "Girder";
        default: return QString(FactorFields()[static_cast<size_t>(section - FirstFactorColumn)]->result.caption);
    }
}

EnvelopeModel::EnvelopeModel(const CaseGridModel& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {
    connect(&grid_, &QAbstractItemModel::modelReset, this, &EnvelopeModel::Update);
}

void EnvelopeModel::Update() {
    beginResetModel();
    governing_ = GoverningCases(grid_.Outcomes());
    endResetModel();
}

int EnvelopeModel::GoverningRow(int column) const {
    const int factor = column - CaseGridModel::FirstFactorColumn;
    if (factor < 0 || factor >= static_cast<int>(governing_.size())) return -1;
    return governing_[static_cast<size_t>(factor)];
}

int EnvelopeModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

int EnvelopeModel::columnCount(const QModelIndex& parent) const { return grid_.columnCount(parent); }

QVariant EnvelopeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const bool largest = index.row() == 0;
    if (index.column() == CaseGridModel::IdentColumn && role == Qt::DisplayRole)
        return largest ? "Largest" : "Governing case";
    const int row = GoverningRow(index.column());
    if (row < 0) return {};
    const CaseOutcome& o = grid_.Outcomes()[static_cast<size_t>(row)];
    const FactorCell& cell = o.factors[static_cast<size_t>(index.column() - CaseGridModel::FirstFactorColumn)];
    switch (role) {
        case Qt::DisplayRole: return largest ? grid_.Shown(Q(cell.text)) : Q(grid_.RowOf(row).Ident);
        case Qt::ToolTipRole: return QString("line %1").arg(grid_.RowOf(row).line);
        case Qt::BackgroundRole: return largest ? Colour(cell, true) : QVariant();
        case Qt::ForegroundRole: return largest ? Colour(cell, false) : QVariant();
        case Qt::TextAlignmentRole: return kRightAligned;
        default: return {};
    }
}

QVariant EnvelopeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    return grid_.headerData(section, orientation, role);
}

// Idents such as "F40-9" and "F40-10" sort by their numbers.
CaseGridFilter::CaseGridFilter(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(CaseGridModel::SortRole);
    collator_.setNumericMode(true);
}

void CaseGridFilter::SetFailingOnly(bool on) {
    failingOnly_ = on;
    invalidateFilter();
}

// Leaving or entering line order shows or hides the comment rows.
void CaseGridFilter::sort(int column, Qt::SortOrder order) {
    QSortFilterProxyModel::sort(column, order);
    invalidateFilter();
}

bool CaseGridFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    if (index.data(CaseGridModel::CommentRole).toBool())
        return !failingOnly_ && sortColumn() <= CaseGridModel::LineColumn;
    return !failingOnly_ || index.data(CaseGridModel::FailsRole).toBool();
}

bool CaseGridFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant a = left.data(sortRole()), b = right.data(sortRole());
    if (a.typeId() == QMetaType::QString) {
        return collator_.compare(a.toString(), b.toString()) < 0;
    }
    return a.toDouble() < b.toDouble();
}

}  // namespace veltar

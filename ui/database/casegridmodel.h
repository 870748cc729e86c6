// The case table as a grid: one row per row of the table (comment rows keep their
// text alone), the profile cells and the usage factors of each case, and the two
// envelope rows (largest factor of each column and the case it comes from).
#pragma once

#include <QAbstractTableModel>
#include <QCollator>
#include <QSortFilterProxyModel>

#include <vector>

#include "files/casedb.h"
#include "run/tableresults.h"

namespace veltar {

class CaseGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role { SortRole = Qt::UserRole, CommentRole, FailsRole };
    enum Column { LineColumn, IdentColumn, StiffenerColumn, GirderColumn, FirstFactorColumn };

    explicit CaseGridModel(QObject* parent = nullptr);

    // `db` must outlive the model or the next call. Numbers are shown with `sep`.
    void SetTable(const CaseDatabase* db, std::vector<CaseOutcome> outcomes, char sep);
    void Clear();

    const std::vector<CaseOutcome>& Outcomes() const { return outcomes_; }
    const CaseRow& RowOf(int row) const { return db_->rows[static_cast<size_t>(row)]; }
    // A cell's text with a decimal point, whatever the window shows.
    QString PointText(int row, int column) const;
    // A text of the run as the window shows it.
    QString Shown(QString pointText) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant SortKey(int row, int column) const;

    const CaseDatabase* db_ = nullptr;
    std::vector<CaseOutcome> outcomes_;
    char sep_ = '.';
};

// The envelope over every case of the grid: row 0 the largest factor of each
// column, row 1 the Ident of the case that governs it.
class EnvelopeModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit EnvelopeModel(const CaseGridModel& grid, QObject* parent = nullptr);

    // The grid row of the case that governs `column`; -1 for none.
    int GoverningRow(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void Update();

    const CaseGridModel& grid_;
    std::vector<int> governing_;
};

// Sorting by any column and the "Failing only" filter. Comment rows belong to the
// table's order: they show while the grid is in line order and unfiltered.
class CaseGridFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit CaseGridFilter(QObject* parent = nullptr);

    void SetFailingOnly(bool on);
    bool FailingOnly() const { return failingOnly_; }
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    bool failingOnly_ = false;
    QCollator collator_;
};

}  // namespace veltar

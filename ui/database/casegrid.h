// The grid under the drop-down: the two envelope rows stay in place above the
// scrolling cases, and the envelope's header sorts the cases.
#pragma once

#include <QWidget>

#include <vector>

#include "ui/database/casegridmodel.h"

class QTableView;

namespace veltar {

class CaseGrid : public QWidget {
    Q_OBJECT
public:
    explicit CaseGrid(QWidget* parent);

    // `db` must outlive the grid or the next call.
    void SetTable(const CaseDatabase* db, std::vector<CaseOutcome> outcomes, char sep);
    void Clear();
    void SetFailingOnly(bool on);
    // Selects the grid row of table row `row`, or nothing when it is filtered out.
    void SelectRow(int row);

    const CaseGridModel& Model() const { return model_; }
    const EnvelopeModel& Envelope() const { return envelope_; }
    const CaseGridFilter& Filter() const { return filter_; }
    // The table row shown at grid row `gridRow`.
    int TableRow(int gridRow) const;
    // The width that shows every column without scrolling.
    int FullWidth() const;

signals:
    // The user selected table row `row` (in the grid or through the envelope).
    void rowPicked(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Sort(int column, Qt::SortOrder order);
    void AfterLayoutChange();
    void UpdateSpans();
    void FitColumns();
    void OnCurrentChanged(const QModelIndex& current);
    void OnEnvelopeClicked(const QModelIndex& index);

    CaseGridModel model_;
    EnvelopeModel envelope_{model_};
    CaseGridFilter filter_;
    QTableView* envelopeView_ = nullptr;
    QTableView* cases_ = nullptr;
    QWidget* scrollGap_ = nullptr;  // keeps the envelope's columns over the cases' columns
    std::vector<int> comments_;     // table rows of the comment rows
    int row_ = -1;                  // the table row selected last
    bool selecting_ = false;        // the grid itself is moving the selection
};

}  // namespace veltar
